// The run-once value after a plug-in run, for every value it can find.
#include "plugins/index_wipe_schedule.h"

#include <gtest/gtest.h>

namespace {

using plugins::IndexWipe;
using plugins::NextRunOnceCommand;

const std::string kFolder = "C:\\Program Files\\Nimbrel";
const std::string kCookies = kFolder + "\\ixwipe.exe -COOKIES";
const std::string kCache = kFolder + "\\ixwipe.exe -CACHE";
const std::string kBoth = kFolder + "\\ixwipe.exe -CC";
const std::string kElsewhere = "D:\\Old\\ixwipe.exe -COOKIES";
const std::string kLowerCase = kFolder + "\\ixwipe.exe -cookies";

struct Row {
    const char* name;
    std::optional<std::string> before;
    std::optional<std::string> afterCookies;  // nothing: left unchanged
    std::optional<std::string> afterCache;
};

class RunOnceTable : public testing::TestWithParam<Row> {};

TEST_P(RunOnceTable, CookieRun) {
    EXPECT_EQ(NextRunOnceCommand(IndexWipe::kCookies, GetParam().before, kFolder), GetParam().afterCookies);
}

TEST_P(RunOnceTable, CacheRun) {
    EXPECT_EQ(NextRunOnceCommand(IndexWipe::kCache, GetParam().before, kFolder), GetParam().afterCache);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RunOnceTable,
    testing::Values(Row{"Absent", std::nullopt, kCookies, kCache}, Row{"Cookies", kCookies, kCookies, kBoth},
                    Row{"Cache", kCache, kBoth, kCache}, Row{"Combined", kBoth, std::nullopt, std::nullopt},
                    Row{"AnotherProgramFolder", kElsewhere, std::nullopt, std::nullopt},
                    Row{"OtherLetterCase", kLowerCase, std::nullopt, std::nullopt},
                    Row{"SomethingElse", std::string("C:\\Tools\\other.exe"), std::nullopt, std::nullopt}),
    [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

TEST(IxwipeCommand, IsNeverQuoted) {
    EXPECT_EQ(plugins::IxwipeCommand("C:\\Tools", "-COOKIES"), "C:\\Tools\\ixwipe.exe -COOKIES");
    EXPECT_EQ(plugins::IxwipeCommand("C:\\My Tools", "-CC"), "C:\\My Tools\\ixwipe.exe -CC");
}

}  // namespace
