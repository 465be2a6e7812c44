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
#include "tests/support/tsv_fields.h"
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
    EXPECT_EQ(rows.front(),
              (nlohmann::json{{"label", "Word MRU (Save As - XP)"},
                              {"mainkey", "HKCU"},
                              {"subkey",
                               "Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\"
                               "Microsoft Word\\Settings\\Save As\\File Name MRU"},
                              {"value", "Value"},
                              {"valuetype", "S"},
                              {"kind", "Value"},
                              {"checked", true},
                              {"data", "C:\\Documents and Settings\\anna\\My Documents\\Bewerbung.doc"}}));
    bool sawShare = false;
    for (const nlohmann::json& row : rows) {
        EXPECT_EQ(row.at("checked"), true);
        // Names come from the registry in Windows-1252 and leave as UTF-8.
        if (row.at("value") == "//FILESERVER/Pr\u00e4sentationen") sawShare = true;
    }
    EXPECT_TRUE(sawShare);
}

// TSV and JSON say the same of every row: a header, then each field read
// back by the documented rule, paths with their single backslashes, and
// each row's data in readable form.
TEST_F(CliScanTest, TsvReadsBackAsTheJsonRows) {
    platform::HKey key = 0;
    ASSERT_EQ(platform::RegCreateKey(platform::kHkeyCurrentUser, "Network\\Recent\\tab\there\nnext",
                                     platform::kKeyWrite, &key),
              0);
    platform::RegCloseKey(key);
    const std::string tricky = "C:\\temp\\new\\\\share\ttab\nline\rend\\";
    ASSERT_EQ(platform::RegCreateKey(platform::kHkeyCurrentUser, "Software\\Microsoft\\Internet Explorer\\TypedURLs",
                                     platform::kKeyWrite, &key),
              0);
    ASSERT_EQ(
        platform::RegSetValue(key, "url1", platform::kRegSz, reinterpret_cast<const std::uint8_t*>(tricky.c_str()),
                              static_cast<std::uint32_t>(tricky.size() + 1)),
        0);
    platform::RegCloseKey(key);

    const ProgramRun tsv = Cli({"scan", "--format", "tsv"});
    const ProgramRun json = Cli({"scan"});
    ASSERT_EQ(tsv.exitCode, 0) << tsv.err;
    const nlohmann::json rows = nlohmann::json::parse(json.out).at("rows");
    const std::vector<std::string> lines = Lines(tsv.out);
    ASSERT_EQ(lines.size(), rows.size() + 1);
    EXPECT_EQ(lines.front(), "label\tmainkey\tsubkey\tvalue\tvaluetype\tkind\tdata");
    bool sawTricky = false;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const std::vector<std::string> fields = testing_support::TsvFields(lines[row + 1]);
        ASSERT_EQ(fields.size(), 7u) << lines[row + 1];
        const char* names[] = {"label", "mainkey", "subkey", "value", "valuetype", "kind", "data"};
        for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(fields[i], rows[row].at(names[i])) << lines[row + 1];
        if (fields[6] == tricky) sawTricky = true;
    }
    EXPECT_TRUE(sawTricky);
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "Word MRU (Save As - XP)\tHKCU\tSoftware\\Microsoft\\Office\\10.0\\Common\\Open Find\\"
                        "Microsoft Word\\Settings\\Save As\\File Name MRU\tValue\tS\tValue\t"
                        "C:\\Documents and Settings\\anna\\My Documents\\Bewerbung.doc"),
              lines.end())
        << tsv.out;
}

TEST_F(CliScanTest, UnknownFormatIsRefused) {
    const ProgramRun run = Cli({"scan", "--format", "xml"});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err, "");
}

}  // namespace
