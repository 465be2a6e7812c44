// How a run reads "WipePasses", and what the pass options show for it.
#include "plugins/pass_count.h"

#include <gtest/gtest.h>

#include "registry/mod_registry.h"
#include "tests/support/scratch_prefix.h"

namespace {

using plugins::ReadPassCount;
using plugins::StoredCustomPasses;

const std::string kKey = "Software\\Nimbrel\\Plugins\\Crumbex";

struct Row {
    const char* name;
    std::optional<std::string> stored;
    std::int16_t passes;               // with a default of 3
    std::optional<std::string> shown;  // in the custom box; nothing: default option
};

class StoredPasses : public testing::TestWithParam<Row> {
protected:
    void SetUp() override {
        if (GetParam().stored) modRegistry::WriteValue("HKCU", kKey, "WipePasses", "S", *GetParam().stored);
    }
    testing_support::ScratchPrefix prefix;
};

TEST_P(StoredPasses, GiveTheRunsPassCount) { EXPECT_EQ(ReadPassCount(kKey, 3), GetParam().passes); }

TEST_P(StoredPasses, ShowInThePassOptions) { EXPECT_EQ(StoredCustomPasses(kKey), GetParam().shown); }

INSTANTIATE_TEST_SUITE_P(Values, StoredPasses,
                         testing::Values(Row{"Absent", std::nullopt, 3, std::nullopt},
                                         Row{"Zero", "0", 3, std::nullopt}, Row{"One", "1", 1, "1"},
                                         Row{"Five", "5", 5, "5"}, Row{"TwoHundred", "200", 200, "200"},
                                         Row{"TwoHundredOne", "201", 0, "200"}, Row{"TwoHundredFifty", "250", 0, "200"},
                                         Row{"Huge", "99999999999", 0, "200"}, Row{"Negative", "-2", 0, "-2"},
                                         Row{"Spaced", " 7 ", 7, "7"}, Row{"LeadingZeros", "007", 7, "7"},
                                         Row{"NotANumber", "abcd", 0, "abc"}, Row{"Decimal", "2.5", 0, "2.5"}),
                         [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

TEST(PassCountDefault, IsThePluginsOwn) {
    testing_support::ScratchPrefix prefix;
    EXPECT_EQ(ReadPassCount("Software\\Nimbrel\\Plugins\\IECacheClean", 2), 2);
}

}  // namespace
