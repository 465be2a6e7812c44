// A subkey whose name holds a NUL (a hostile store can hold one; no Win32
// call can open it) under a key that a scanner enumerates: it is never
// listed, least of all cut short to the name of a key beside it, so the
// scan counts only what the clean can delete and the clean deletes only the
// keys it listed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/run_program.h"
#include "tests/support/scratch_prefix.h"

namespace {

using namespace std::string_literals;
using testing_support::ProgramRun;
using testing_support::RunProgram;

const std::string kUnreadMail = "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\UnreadMail";

struct NulKeyRow {
    const char* name;
    bool keyBeside;  // a key "anna" beside "anna\0evil"
};

class NulKeyName : public testing::TestWithParam<NulKeyRow> {
protected:
    testing_support::ScratchPrefix prefix;
};

TEST_P(NulKeyName, IsNeitherListedNorTakenForTheKeyBesideIt) {
    std::string reg = "REGEDIT4\n\n[" + kUnreadMail + "\\anna\0evil]\n\"MessageCount\"=dword:00000001\n\n"s;
    if (GetParam().keyBeside) reg += "[" + kUnreadMail + "\\anna]\n\"MessageCount\"=dword:00000002\n";
    const std::filesystem::path file = prefix.Home() / "accounts.reg";
    std::ofstream(file, std::ios::binary) << reg;
    ASSERT_EQ(RunProgram(NIMBREL_CLI, {"reg", "import", file.string()}).exitCode, 0);

    const ProgramRun scan = RunProgram(NIMBREL_CLI, {"scan", "--format", "tsv"});
    const std::string row = "Windows - UnreadMail Count MRU List - anna\t";
    const std::size_t first = scan.out.find(row);
    EXPECT_EQ(first != std::string::npos, GetParam().keyBeside) << scan.out;
    if (first != std::string::npos) {
        EXPECT_EQ(scan.out.find(row, first + 1), std::string::npos) << scan.out;
    }

    const ProgramRun clean = RunProgram(NIMBREL_CLI, {"clean", "--no-plugins"});
    EXPECT_EQ(clean.exitCode, 0) << clean.out << clean.err;
    const ProgramRun query = RunProgram(NIMBREL_CLI, {"reg", "query", kUnreadMail});
    EXPECT_NE(query.out.find("\\anna\0evil\n"s), std::string::npos) << query.out;
    EXPECT_EQ(query.out.find("\\anna\n"), std::string::npos) << query.out;
}

INSTANTIATE_TEST_SUITE_P(Keys, NulKeyName,
                         testing::Values(NulKeyRow{"Alone", false}, NulKeyRow{"BesideAKeyOfItsFirstPart", true}),
                         [](const testing::TestParamInfo<NulKeyRow>& info) { return std::string(info.param.name); });

}  // namespace
