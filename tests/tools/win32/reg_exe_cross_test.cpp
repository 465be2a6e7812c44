// nimbrel-cli against the registry tool of Windows itself (reg.exe, or
// Wine's): what one writes, the other reads back, and both export the same
// .reg file byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/run_program.h"
#include "tests/support/scratch_key.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ProgramRun;
using testing_support::RunProgram;
using Lines = std::vector<std::string>;

// The non-empty lines of a query's output, sorted: Windows lists values in
// insertion order, Wine by name.
Lines SortedLines(const std::string& text) {
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) lines.push_back(line);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

// ASCII text as regedit writes it: UTF-16LE after a byte order mark.
std::string Utf16(const std::string& ascii) {
    std::string bytes = "\xFF\xFE";
    for (const char c : ascii) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class RegExeCross : public ::testing::Test {
protected:
    RegExeCross()
        : folder_(fs::temp_directory_path() / ("nimbrel-cross-" + key_.Path().substr(key_.Path().rfind('\\') + 1))) {
        fs::create_directories(folder_);
    }
    ~RegExeCross() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    static ProgramRun Cli(const std::vector<std::string>& arguments) { return RunProgram(NIMBREL_CLI, arguments); }
    static ProgramRun RegExe(const std::vector<std::string>& arguments) { return RunProgram("reg.exe", arguments); }

    std::string File(const std::string& name) const { return (folder_ / name).string(); }

    void WriteRegFile(const std::string& name, const std::string& text) const {
        std::ofstream(folder_ / name, std::ios::binary) << Utf16(text);
    }

    testing_support::ScratchKey key_;
    const fs::path folder_;
};

TEST_F(RegExeCross, WhatCliImportsRegExeQueries) {
    const std::string key = key_.FullName() + "\\Imported";
    WriteRegFile("in.reg",
                 "Windows Registry Editor Version 5.00\r\n"
                 "\r\n"
                 "[" +
                     key +
                     "]\r\n"
                     "@=\"dflt\"\r\n"
                     "\"text\"=\"hello world\"\r\n"
                     "\"num\"=dword:0000002a\r\n"
                     "\"bin\"=hex:00,ff,1a\r\n"
                     "\"multi\"=hex(7):61,00,00,00,62,00,00,00,00,00\r\n"
                     "\r\n"
                     "[" +
                     key +
                     "\\Sub]\r\n"
                     "\"x\"=\"y\"\r\n");
    const ProgramRun import = Cli({"reg", "import", File("in.reg")});
    ASSERT_EQ(import.exitCode, 0) << import.err;

    const ProgramRun query = RegExe({"query", key});
    ASSERT_EQ(query.exitCode, 0) << query.err;
    EXPECT_EQ(SortedLines(query.out), SortedLines(key +
                                                  "\n"
                                                  "    (Default)    REG_SZ    dflt\n"
                                                  "    text    REG_SZ    hello world\n"
                                                  "    num    REG_DWORD    0x2a\n"
                                                  "    bin    REG_BINARY    00FF1A\n"
                                                  "    multi    REG_MULTI_SZ    a\\0b\n" +
                                                  key + "\\Sub\n"));
}

TEST_F(RegExeCross, WhatCliImportDeletesRegExeNoLongerFinds) {
    const std::string key = key_.FullName() + "\\Doomed";
    ASSERT_EQ(RegExe({"add", key + "\\Child", "/v", "v", "/d", "1", "/f"}).exitCode, 0);
    ASSERT_EQ(RegExe({"add", key, "/v", "kept", "/d", "2", "/f"}).exitCode, 0);
    ASSERT_EQ(RegExe({"add", key, "/v", "gone", "/d", "3", "/f"}).exitCode, 0);
    WriteRegFile("delete.reg",
                 "Windows Registry Editor Version 5.00\r\n"
                 "\r\n"
                 "[-" +
                     key +
                     "\\Child]\r\n"
                     "\r\n"
                     "[" +
                     key +
                     "]\r\n"
                     "\"gone\"=-\r\n");
    const ProgramRun import = Cli({"reg", "import", File("delete.reg")});
    ASSERT_EQ(import.exitCode, 0) << import.err;

    const ProgramRun query = RegExe({"query", key});
    ASSERT_EQ(query.exitCode, 0) << query.err;
    EXPECT_EQ(SortedLines(query.out), SortedLines(key + "\n    kept    REG_SZ    2\n"));
}

TEST_F(RegExeCross, WhatRegExeAddsCliQueries) {
    const std::string key = key_.FullName() + "\\Added";
    ASSERT_EQ(RegExe({"add", key, "/ve", "/d", "dflt", "/f"}).exitCode, 0);
    ASSERT_EQ(RegExe({"add", key, "/v", "text", "/d", "hello world", "/f"}).exitCode, 0);
    ASSERT_EQ(RegExe({"add", key, "/v", "num", "/t", "REG_DWORD", "/d", "42", "/f"}).exitCode, 0);
    ASSERT_EQ(RegExe({"add", key, "/v", "bin", "/t", "REG_BINARY", "/d", "00ff1a", "/f"}).exitCode, 0);
    ASSERT_EQ(RegExe({"add", key, "/v", "path", "/t", "REG_EXPAND_SZ", "/d", "%X%\\y", "/f"}).exitCode, 0);

    const ProgramRun query = Cli({"reg", "query", key});
    ASSERT_EQ(query.exitCode, 0) << query.err;
    EXPECT_EQ(SortedLines(query.out), SortedLines(key + "\n"
                                                        "    (Default)    REG_SZ    dflt\n"
                                                        "    text    REG_SZ    hello world\n"
                                                        "    num    REG_DWORD    0x2a\n"
                                                        "    bin    REG_BINARY    00FF1A\n"
                                                        "    path    REG_EXPAND_SZ    %X%\\y\n"));

    const ProgramRun one = Cli({"reg", "query", key, "--value", "num"});
    ASSERT_EQ(one.exitCode, 0) << one.err;
    EXPECT_EQ(SortedLines(one.out), SortedLines(key + "\n    num    REG_DWORD    0x2a\n"));
}

TEST_F(RegExeCross, BothExportTheSameFile) {
    const std::string key = key_.FullName() + "\\Exported";
    ASSERT_EQ(RegExe({"add", key, "/ve", "/d", "dflt", "/f"}).exitCode, 0);
    ASSERT_EQ(RegExe({"add", key, "/v", "num", "/t", "REG_DWORD", "/d", "7", "/f"}).exitCode, 0);
    ASSERT_EQ(RegExe({"add", key, "/v", "list", "/t", "REG_MULTI_SZ", "/d", "a\\0b", "/f"}).exitCode, 0);
    ASSERT_EQ(RegExe({"add", key + "\\Sub", "/v", "bin", "/t", "REG_BINARY", "/d", "0102", "/f"}).exitCode, 0);

    const ProgramRun regExe = RegExe({"export", key, File("regexe.reg"), "/y"});
    ASSERT_EQ(regExe.exitCode, 0) << regExe.err;
    const ProgramRun cli = Cli({"reg", "export", key, "--out", File("cli.reg")});
    ASSERT_EQ(cli.exitCode, 0) << cli.err;
    const std::string exported = ReadFile(File("regexe.reg"));
    EXPECT_FALSE(exported.empty());
    EXPECT_EQ(ReadFile(File("cli.reg")), exported);
}

TEST_F(RegExeCross, WhatRegExeExportsCliImportsBack) {
    const std::string key = key_.FullName() + "\\RoundTrip";
    ASSERT_EQ(RegExe({"add", key, "/v", "text", "/d", "abc", "/f"}).exitCode, 0);
    ASSERT_EQ(RegExe({"add", key + "\\Sub", "/v", "num", "/t", "REG_DWORD", "/d", "5", "/f"}).exitCode, 0);
    const ProgramRun before = RegExe({"query", key, "/s"});
    ASSERT_EQ(before.exitCode, 0) << before.err;
    ASSERT_EQ(RegExe({"export", key, File("saved.reg"), "/y"}).exitCode, 0);
    ASSERT_EQ(RegExe({"delete", key, "/f"}).exitCode, 0);
    ASSERT_NE(RegExe({"query", key}).exitCode, 0);

    const ProgramRun import = Cli({"reg", "import", File("saved.reg")});
    ASSERT_EQ(import.exitCode, 0) << import.err;
    const ProgramRun after = RegExe({"query", key, "/s"});
    ASSERT_EQ(after.exitCode, 0) << after.err;
    EXPECT_EQ(SortedLines(after.out), SortedLines(before.out));
}

}  // namespace
