// nimbrel-cli reg, run as a process on an emulated machine of the test's own.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/registry_api.h"
#include "registry/key_contents.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_prefix.h"

namespace {

using namespace std::string_literals;

using testing_support::ProgramRun;
using testing_support::RunProgram;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

class CliRegTest : public testing::Test {
protected:
    ProgramRun Cli(const std::vector<std::string>& arguments) { return RunProgram(NIMBREL_CLI, arguments); }

    // A failure: non-zero exit, nothing on stdout, one line on stderr.
    std::string Refused(const std::vector<std::string>& arguments, int exitCode = 1) {
        const ProgramRun run = Cli(arguments);
        EXPECT_EQ(run.exitCode, exitCode);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("nimbrel-cli: ", 0), 0u) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        return run.err;
    }

    void Succeeds(const std::vector<std::string>& arguments) {
        const ProgramRun run = Cli(arguments);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err, "");
    }

    std::string Export(const std::string& key) {
        const ProgramRun run = Cli({"reg", "export", key});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return run.out;
    }

    testing_support::ScratchPrefix prefix_;
};

TEST_F(CliRegTest, AddThenQueryShowsValuesLikeRegExe) {
    Succeeds({"reg", "add", "HKCU\\Software\\Cli", "--value", "text", "--data", "caf\xc3\xa9"});
    Succeeds({"reg", "add", "HKEY_CURRENT_USER\\Software\\Cli", "--value", "", "--data", "default"});
    Succeeds({"reg", "add", "hkcu\\software\\cli", "--value", "number", "--type", "REG_DWORD", "--data", "42"});
    Succeeds({"reg", "add", "HKCU\\Software\\Cli", "--value", "hexnumber", "--type", "reg_dword", "--data", "0xFF"});
    Succeeds({"reg", "add", "HKCU\\Software\\Cli", "--value", "big", "--type", "REG_QWORD", "--data", "0x100000000"});
    Succeeds({"reg", "add", "HKCU\\Software\\Cli", "--value", "list", "--type", "REG_MULTI_SZ", "--data", "a\\0b"});
    Succeeds({"reg", "add", "HKCU\\Software\\Cli", "--value", "raw", "--type", "REG_BINARY", "--data", "00ff1A"});
    Succeeds({"reg", "add", "HKCU\\Software\\Cli", "--value", "path", "--type", "REG_EXPAND_SZ", "--data", "%X%"});
    Succeeds({"reg", "add", "HKCU\\Software\\Cli", "--value", "nothing", "--type", "REG_NONE"});
    Succeeds({"reg", "add", "HKCU\\Software\\Cli\\Sub"});

    const ProgramRun run = Cli({"reg", "query", "HKCU\\Software\\Cli\\"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "\n"
              "HKEY_CURRENT_USER\\Software\\Cli\n"
              "    text    REG_SZ    caf\xc3\xa9\n"
              "    (Default)    REG_SZ    default\n"
              "    number    REG_DWORD    0x2a\n"
              "    hexnumber    REG_DWORD    0xff\n"
              "    big    REG_QWORD    0x100000000\n"
              "    list    REG_MULTI_SZ    a\\0b\n"
              "    raw    REG_BINARY    00FF1A\n"
              "    path    REG_EXPAND_SZ    %X%\n"
              "    nothing    REG_NONE    \n"
              "\n"
              "HKEY_CURRENT_USER\\Software\\Cli\\Sub\n");

    const ProgramRun one = Cli({"reg", "query", "HKCU\\Software\\Cli", "--value", ""});
    EXPECT_EQ(one.out, "\nHKEY_CURRENT_USER\\Software\\Cli\n    (Default)    REG_SZ    default\n\n");

    // what the registry holds: ANSI bytes, strings with their NUL
    platform::HKey key = 0;
    ASSERT_EQ(platform::RegOpenKey(platform::kHkeyCurrentUser, "Software\\Cli", platform::kKeyRead, &key), 0);
    registry::ValueEntry value;
    EXPECT_EQ(registry::QueryValueEntry(key, "text", value), 0);
    EXPECT_EQ(value.data, "caf\xe9\0"s);
    EXPECT_EQ(registry::QueryValueEntry(key, "list", value), 0);
    EXPECT_EQ(value.data, "a\0b\0\0"s);
    EXPECT_EQ(registry::QueryValueEntry(key, "big", value), 0);
    EXPECT_EQ(value.data, "\0\0\0\0\x01\0\0\0"s);
    platform::RegCloseKey(key);
}

TEST_F(CliRegTest, ImportFromHostAndWindowsPaths) {
    const std::string file =
        "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Imported]\r\n\"a\"=\"1\"\r\n";
    WriteFile(prefix_.Home() / "host.reg", file);
    WriteFile(prefix_.Home() / "drive_c" / "Temp" / "windows.reg",
              "REGEDIT4\n[HKLM\\Software\\Imported]\n\"b\"=dword:2\n");

    Succeeds({"reg", "import", (prefix_.Home() / "host.reg").string()});
    Succeeds({"reg", "import", "C:\\TEMP\\windows.reg"});
    EXPECT_EQ(Cli({"reg", "query", "HKCU\\Software\\Imported", "--value", "a"}).out,
              "\nHKEY_CURRENT_USER\\Software\\Imported\n    a    REG_SZ    1\n\n");
    EXPECT_EQ(Cli({"reg", "query", "HKLM\\Software\\Imported", "--value", "b"}).out,
              "\nHKEY_LOCAL_MACHINE\\Software\\Imported\n    b    REG_DWORD    0x2\n\n");
}

TEST_F(CliRegTest, DamagedFileIsRefusedWithItsLineAndChangesNothing) {
    Succeeds({"reg", "add", "HKCU\\Software\\Kept", "--value", "v", "--data", "before"});
    const std::string before = Export("HKEY_CURRENT_USER");
    WriteFile(prefix_.Home() / "damaged.reg",
              "REGEDIT4\n\n[-HKCU\\Software\\Kept]\n[HKCU\\Software\\New]\n\"ok\"=\"yes\"\n\"bad\"=hex:01,zz\n");

    const std::string err = Refused({"reg", "import", (prefix_.Home() / "damaged.reg").string()});
    EXPECT_NE(err.find("damaged.reg: line 6: invalid byte \"zz\""), std::string::npos) << err;
    EXPECT_EQ(Export("HKEY_CURRENT_USER"), before);
}

TEST_F(CliRegTest, ExportWritesRegeditsFileOrUtf8Text) {
    Succeeds({"reg", "add", "HKCU\\Software\\Out", "--value", "\xe2\x82\xac", "--data", "x"});
    Succeeds({"reg", "add", "HKCU\\Software\\Out\\Sub", "--value", "n", "--type", "REG_DWORD", "--data", "1"});
    const std::string text = Export("HKCU\\Software\\Out");
    EXPECT_EQ(text,
              "Windows Registry Editor Version 5.00\n\n"
              "[HKEY_CURRENT_USER\\Software\\Out]\n"
              "\"\xe2\x82\xac\"=\"x\"\n\n"
              "[HKEY_CURRENT_USER\\Software\\Out\\Sub]\n"
              "\"n\"=dword:00000001\n\n");

    Succeeds({"reg", "export", "HKCU\\Software\\Out", "--out", "C:\\out.reg"});
    const std::string file = ReadFile(prefix_.Home() / "drive_c" / "out.reg");
    EXPECT_EQ(file.substr(0, 12), "\xFF\xFEW\0i\0n\0d\0o\0"s);
    EXPECT_NE(file.find("\r\0\n\0"s), std::string::npos);
    EXPECT_NE(file.find("\"\0\xAC\x20\"\0"s), std::string::npos);  // the euro sign in UTF-16

    Succeeds({"reg", "delete", "HKCU\\Software\\Out"});
    Succeeds({"reg", "import", "c:\\OUT.REG"});
    EXPECT_EQ(Export("HKCU\\Software\\Out"), text);

    const std::string whole = Export("");
    EXPECT_EQ(whole.rfind("Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE]\n", 0), 0u);
    EXPECT_NE(whole.find("\n[HKEY_USERS]\n"), std::string::npos);
    EXPECT_NE(whole.find("[HKEY_USERS\\S-1-5-21-0-0-0-1000\\Software\\Out\\Sub]\n"), std::string::npos);
}

TEST_F(CliRegTest, DeleteValuesAndKeyTrees) {
    Succeeds({"reg", "add", "HKCU\\Software\\Del\\A\\B", "--value", "v", "--data", "1"});
    Succeeds({"reg", "add", "HKCU\\Software\\Del", "--value", "w", "--data", "2"});

    Succeeds({"reg", "delete", "HKCU\\Software\\Del", "--value", "w"});
    EXPECT_EQ(Cli({"reg", "query", "HKCU\\Software\\Del"}).out, "\nHKEY_CURRENT_USER\\Software\\Del\\A\n");
    Succeeds({"reg", "delete", "HKCU\\Software\\Del"});

    EXPECT_EQ(Refused({"reg", "query", "HKCU\\Software\\Del"}),
              "nimbrel-cli: key HKEY_CURRENT_USER\\Software\\Del not found\n");
    EXPECT_EQ(Refused({"reg", "delete", "HKCU\\Software\\Del"}),
              "nimbrel-cli: key HKEY_CURRENT_USER\\Software\\Del not found\n");
    Succeeds({"reg", "add", "HKCU\\Software\\Del"});
    EXPECT_EQ(Refused({"reg", "delete", "HKCU\\Software\\Del", "--value", "gone"}),
              "nimbrel-cli: value \"gone\" not found in HKEY_CURRENT_USER\\Software\\Del\n");
    EXPECT_EQ(Refused({"reg", "delete", "HKCU"}), "nimbrel-cli: a root key cannot be deleted\n");
}

struct BadCommand {
    const char* name;
    std::vector<std::string> arguments;
    int exitCode;
    std::string message;
};

void PrintTo(const BadCommand& command, std::ostream* out) { *out << command.name; }

class CliRegRefusalTest : public CliRegTest, public testing::WithParamInterface<BadCommand> {};

TEST_P(CliRegRefusalTest, SaysWhyInOneLine) {
    const std::string err = Refused(GetParam().arguments, GetParam().exitCode);
    EXPECT_NE(err.find(GetParam().message), std::string::npos) << err;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CliRegRefusalTest,
    testing::Values(
        BadCommand{"NoCommand", {}, 2, "nimbrel-cli: "}, BadCommand{"NoRegCommand", {"reg"}, 2, "nimbrel-cli: "},
        BadCommand{"UnknownType", {"reg", "add", "HKCU\\X", "--value", "v", "--type", "REG_FOO"}, 2, "REG_FOO"},
        BadCommand{"DataWithoutValue", {"reg", "add", "HKCU\\X", "--data", "1"}, 2, "--value"},
        BadCommand{"UnknownRoot", {"reg", "query", "HKEY_FOO\\X"}, 1, "unknown root key \"HKEY_FOO\""},
        BadCommand{"EmptyKeyComponent", {"reg", "add", "HKCU\\a\\\\b"}, 1, "empty key name component"},
        BadCommand{"BadDword",
                   {"reg", "add", "HKCU\\X", "--value", "v", "--type", "REG_DWORD", "--data", "4294967296"},
                   1,
                   "invalid REG_DWORD data \"4294967296\""},
        BadCommand{"NegativeDword",
                   {"reg", "add", "HKCU\\X", "--value", "v", "--type", "REG_DWORD", "--data=-1"},
                   1,
                   "invalid REG_DWORD data"},
        BadCommand{"OddBinary",
                   {"reg", "add", "HKCU\\X", "--value", "v", "--type", "REG_BINARY", "--data", "abc"},
                   1,
                   "hex digits come in pairs"},
        BadCommand{"MissingFile", {"reg", "import", "/nonexistent/x.reg"}, 1, "cannot open /nonexistent/x.reg"},
        BadCommand{"MissingExportKey",
                   {"reg", "export", "HKLM\\Nothing\\Here"},
                   1,
                   "cannot open key HKEY_LOCAL_MACHINE\\Nothing\\Here: error 2 (not found)"},
        BadCommand{"MissingValue",
                   {"reg", "query", "HKCU", "--value", "none"},
                   1,
                   "value \"none\" not found in HKEY_CURRENT_USER"}),
    [](const testing::TestParamInfo<BadCommand>& info) { return std::string(info.param.name); });

TEST_F(CliRegTest, UnusableMachineStopsBeforeAnyCommand) {
    const auto home = prefix_.Home() / "not-a-folder";
    WriteFile(home, "a file where the prefix should be");
    setenv("NIMBREL_HOME", home.c_str(), 1);
    const std::string err = Refused({"reg", "query", "HKCU"});
    EXPECT_NE(err.find("not-a-folder"), std::string::npos) << err;
}

}  // namespace
