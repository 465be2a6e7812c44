// nimbrel-cli scan, run as a process on the demo profile.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "platform/registry_api.h"
#include "tests/scan/scan_fixture.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_prefix.h"

namespace {

using testing_support::ProgramRun;
using testing_support::RunProgram;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class CliScanTest : public ::testing::Test {
protected:
    CliScanTest() {
        scan_testing::ImportReg(
            scan_testing::ReadFile(std::filesystem::path(NIMBREL_SOURCE_DIR) / "samples/demo-profile.reg"));
    }

    ProgramRun Cli(const std::vector<std::string>& arguments) { return RunProgram(NIMBREL_CLI, arguments); }

    testing_support::ScratchPrefix prefix_;
};

TEST_F(CliScanTest, JsonHoldsTheCountersAndEveryRowInStoreOrder) {
    const ProgramRun run = Cli({"scan"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");  // no progress bar when stderr is not a terminal
    const nlohmann::json result = nlohmann::json::parse(run.out);

    const int lists = result.at("lists");
    const int items = result.at("items");
    EXPECT_EQ(result.at("total"), lists + items);
    EXPECT_EQ(result.at("notice"), true);  // "cleartraynotify" is off by default
    const nlohmann::json& rows = result.at("rows");
    ASSERT_EQ(static_cast<int>(rows.size()), lists + items);
    EXPECT_EQ(rows.front(), (nlohmann::json{{"label", "Word MRU (Save As - XP)"},
                                            {"mainkey", "HKCU"},
                                            {"subkey", "Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\"
                                                       "Microsoft Word\\Settings\\Save As\\File Name MRU"},
                                            {"value", "Value"},
                                            {"valuetype", "S"},
                                            {"kind", "Value"},
                                            {"checked", true}}));
    bool sawShare = false;
    for (const nlohmann::json& row : rows) {
        EXPECT_EQ(row.at("checked"), true);
        // Names come from the registry in Windows-1252 and leave as UTF-8.
        if (row.at("value") == "//FILESERVER/Pr\u00e4sentationen") sawShare = true;
    }
    EXPECT_TRUE(sawShare);
}

TEST_F(CliScanTest, TsvEscapesTabsNewlinesAndBackslashes) {
    platform::HKey key = 0;
    ASSERT_EQ(platform::RegCreateKey(platform::kHkeyCurrentUser, "Network\\Recent\\tab\there\nnext",
                                     platform::kKeyWrite, &key),
              0);
    platform::RegCloseKey(key);

    const ProgramRun run = Cli({"scan", "--format", "tsv"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    const std::string expected =
        "Windows Network - Recent Opened Folders MRU - tab\\there\\nnext\tHKCU\tNetwork\\\\Recent\t"
        "tab\\there\\nnext\t\tKey";
    EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << run.out;
    EXPECT_EQ(lines.front(),
              "Word MRU (Save As - XP)\tHKCU\tSoftware\\\\Microsoft\\\\Office\\\\10.0\\\\Common\\\\Open Find\\\\"
              "Microsoft Word\\\\Settings\\\\Save As\\\\File Name MRU\tValue\tS\tValue");
    for (const std::string& line : lines) EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 5) << line;
}

TEST_F(CliScanTest, UnknownFormatIsRefused) {
    const ProgramRun run = Cli({"scan", "--format", "xml"});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err, "");
}

}  // namespace
