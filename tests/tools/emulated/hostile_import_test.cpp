// nimbrel-cli reg import of damaged or hostile .reg files: each is refused
// with its line, and the registry stays as it was. A tree as deep as
// Windows allows exports, queries and deletes whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/run_program.h"
#include "tests/support/scratch_prefix.h"
#include "tests/support/utf16_file.h"

namespace {

using namespace std::string_literals;
using testing_support::ProgramRun;
using testing_support::RunProgram;
using testing_support::Utf16Le;

const std::string kHeader = "Windows Registry Editor Version 5.00\r\n\r\n";

std::string NestedKey(int depth) {
    std::string name = "HKEY_CURRENT_USER\\Software\\Deep";
    for (int level = 2; level < depth; ++level) name += "\\k";
    return name;
}

struct HostileFile {
    const char* name;
    std::string (*bytes)();
    const char* fault;
};

void PrintTo(const HostileFile& file, std::ostream* out) { *out << file.name; }

const HostileFile kHostileFiles[] = {
    {"LongKeyName",
     [] {
         return kHeader + "[HKEY_CURRENT_USER\\Software\\Fine]\r\n\r\n[HKEY_CURRENT_USER\\" + std::string(256, 'k') +
                "]\r\n";
     },
     "line 5: key name component of 256 characters"},
    {"LongValueName",
     [] { return kHeader + "[HKEY_CURRENT_USER\\Software\\Fine]\r\n\"" + std::string(16384, 'v') + "\"=\"x\"\r\n"; },
     "line 4: value name longer than 16383 characters"},
    {"HugeStringValue",
     [] { return kHeader + "[HKEY_CURRENT_USER\\Software\\Fine]\r\n\"v\"=\"" + std::string(64 << 20, 'a') + "\"\r\n"; },
     "line 4: line longer than"},
    {"HugeHexValueOverManyLines",
     [] {
         std::string row = "  ";
         for (int byte = 0; byte < 24; ++byte) row += "00,";
         row += "\\\r\n";
         std::string text = kHeader + "[HKEY_CURRENT_USER\\Software\\Fine]\r\n\"v\"=hex:\\\r\n";
         for (int line = 0; line < (9 << 20) / 24; ++line) text += row;
         return text + "  00\r\n";
     },
     "value data larger than 8388608 bytes"},
    {"KeysNestedPastTheLimit", [] { return kHeader + "[" + NestedKey(513) + "]\r\n"; },
     "line 3: key nested more than 512 levels deep"},
    {"HundredThousandLevels", [] { return kHeader + "[" + NestedKey(100000) + "]\r\n"; },
     "line 3: key nested more than 512 levels deep"},
    {"UnpairedSurrogate",
     [] {
         return Utf16Le(
             u"Windows Registry Editor Version "
             u"5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Fine]\r\n\"v\"=\"\xDC00\"\r\n");
     },
     "line 4: invalid UTF-16 text"},
    {"OddByteCount",
     [] {
         return Utf16Le(u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Fine]\r\n") + "\"";
     },
     "line 4: the UTF-16 text ends in half a character"},
    {"MissingHeader", [] { return "[HKEY_CURRENT_USER\\Software\\Fine]\r\n\"v\"=\"x\"\r\n"s; },
     "line 1: not a registry file"},
};

class HostileImportTest : public testing::TestWithParam<HostileFile> {
protected:
    ProgramRun Cli(const std::vector<std::string>& arguments) { return RunProgram(NIMBREL_CLI, arguments); }

    std::string ExportAll() {
        const ProgramRun run = Cli({"reg", "export"});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return run.out;
    }

    testing_support::ScratchPrefix prefix_;
};

TEST_P(HostileImportTest, IsRefusedWithItsLineAndChangesNothing) {
    ASSERT_EQ(Cli({"reg", "add", "HKCU\\Software\\Kept", "--value", "v", "--data", "before"}).exitCode, 0);
    const std::string before = ExportAll();
    const std::filesystem::path file = prefix_.Home() / "hostile.reg";
    std::ofstream(file, std::ios::binary) << GetParam().bytes();

    const ProgramRun run = Cli({"reg", "import", file.string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("hostile.reg: line "), std::string::npos) << run.err.substr(0, 300);
    EXPECT_NE(run.err.find(GetParam().fault), std::string::npos) << run.err.substr(0, 300);
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line only";
    EXPECT_EQ(ExportAll(), before);
}

INSTANTIATE_TEST_SUITE_P(Files, HostileImportTest, testing::ValuesIn(kHostileFiles),
                         [](const testing::TestParamInfo<HostileFile>& info) { return std::string(info.param.name); });

TEST(DeepTree, AsDeepAsWindowsAllowsImportsExportsQueriesAndDeletes) {
    testing_support::ScratchPrefix prefix;
    const std::string deepest = NestedKey(512);
    const std::filesystem::path file = prefix.Home() / "deep.reg";
    std::ofstream(file, std::ios::binary) << kHeader + "[" + deepest + "]\r\n\"v\"=\"bottom\"\r\n";

    ProgramRun run = RunProgram(NIMBREL_CLI, {"reg", "import", file.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    run = RunProgram(NIMBREL_CLI, {"reg", "query", deepest, "--value", "v"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("bottom"), std::string::npos);
    run = RunProgram(NIMBREL_CLI, {"reg", "export", "HKCU\\Software\\Deep"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("[" + deepest + "]\n\"v\"=\"bottom\"\n"), std::string::npos);

    run = RunProgram(NIMBREL_CLI, {"reg", "delete", "HKCU\\Software\\Deep"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(RunProgram(NIMBREL_CLI, {"reg", "query", "HKCU\\Software\\Deep"}).exitCode, 1);
}

}  // namespace
