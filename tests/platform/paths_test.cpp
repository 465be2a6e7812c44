// Drive mapping of the emulated machine: Windows paths to host paths and
// back, and where the prefix is.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/emulated/paths.h"
#include "platform/emulated/prefix.h"
#include "tests/support/scratch_prefix.h"

namespace {

namespace fs = std::filesystem;
using platform::emulated::CurrentPrefix;
using platform::emulated::PrefixHome;
using platform::emulated::ToHostPath;
using platform::emulated::ToWindowsPath;

// Sets (or, with nullopt, unsets) an environment variable while it lives.
class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~EnvironmentVariable() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

class Paths : public ::testing::Test {
protected:
    testing_support::ScratchPrefix prefix_;

    // A host path inside the prefix.
    std::string InPrefix(const std::string& relative) const { return (prefix_.Home() / relative).string(); }

    void MakeFolders(const std::string& relative) const { fs::create_directories(InPrefix(relative)); }
};

// ------------------------------------------------------------ ToHostPath

struct HostCase {
    const char* name;
    const char* windowsPath;
    const char* inPrefix;  // the expected host path, relative to the prefix
};

class ToHost : public Paths, public ::testing::WithParamInterface<HostCase> {
protected:
    void SetUp() override {
        MakeFolders("drive_c/Documents and Settings/Anna/Recent");
        MakeFolders("drive_c/WINDOWS");
        MakeFolders("drive_c/Caf\xe9");
        MakeFolders("drive_c/Dup");
        MakeFolders("drive_c/dup");
        MakeFolders("drive_d/Data");
    }
};

TEST_P(ToHost, MapsDrivesAndResolvesCase) {
    const HostCase& row = GetParam();
    EXPECT_EQ(ToHostPath(row.windowsPath).string(), InPrefix(row.inPrefix));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ToHost,
    ::testing::Values(HostCase{"ExactSpelling", "C:\\Documents and Settings\\Anna\\Recent",
                               "drive_c/Documents and Settings/Anna/Recent"},
                      HostCase{"AnyCaseAndForwardSlashes", "c:/documents and settings/ANNA/recent",
                               "drive_c/Documents and Settings/Anna/Recent"},
                      HostCase{"MissingFileKeepsItsSpelling", "C:\\windows\\Win.INI", "drive_c/WINDOWS/Win.INI"},
                      HostCase{"EverythingAfterAMissingFolderKeepsItsSpelling", "C:\\windows\\New Folder\\X.txt",
                               "drive_c/WINDOWS/New Folder/X.txt"},
                      HostCase{"DriveRoot", "C:\\", "drive_c"}, HostCase{"DriveAlone", "c:", "drive_c"},
                      HostCase{"OtherDrive", "D:\\DATA\\f", "drive_d/Data/f"},
                      HostCase{"MissingDrive", "E:\\x", "drive_e/x"},
                      HostCase{"DotsAndDoubleSeparators", "C:\\\\Dup\\..\\.\\windows\\\\", "drive_c/WINDOWS"},
                      HostCase{"DotDotStopsAtTheRoot", "C:\\..\\..\\windows", "drive_c/WINDOWS"},
                      HostCase{"Windows1252LettersInAnyCase", "C:\\CAF\xc9", "drive_c/Caf\xe9"},
                      HostCase{"ExactMatchPreferred", "C:\\dup", "drive_c/dup"},
                      HostCase{"FirstInByteOrderWhenNoneIsExact", "C:\\DUP\\x", "drive_c/Dup/x"},
                      HostCase{"UncPathStaysInThePrefix", "\\\\server\\share\\f", "unc/server/share/f"}),
    [](const ::testing::TestParamInfo<HostCase>& info) { return info.param.name; });

TEST_F(Paths, DriveZIsTheHostRoot) {
    EXPECT_EQ(ToHostPath("Z:\\").string(), "/");
    EXPECT_EQ(ToHostPath("z:").string(), "/");
    const fs::path temporary = fs::temp_directory_path();
    EXPECT_EQ(ToHostPath(ToWindowsPath(temporary)), temporary);
}

TEST_F(Paths, DriveZResolvesCaseToo) {
    fs::create_directories(prefix_.Home() / "Mixed Case");
    std::string windows = ToWindowsPath(prefix_.Home() / "Mixed Case");
    for (char& c : windows) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(ToHostPath(windows), prefix_.Home() / "Mixed Case");
}

TEST_F(Paths, HostPathIsTakenAsItIs) {
    EXPECT_EQ(ToHostPath("/home/anna/X.txt").string(), "/home/anna/X.txt");
    EXPECT_EQ(ToHostPath("/no/such/../path").string(), "/no/such/../path");
}

TEST_F(Paths, RelativePathStaysRelative) {
    EXPECT_EQ(ToHostPath("sub\\File.txt").string(), "sub/File.txt");
    EXPECT_EQ(ToHostPath(".\\a\\..\\b").string(), "b");
    EXPECT_EQ(ToHostPath("..\\x").string(), "../x");
    EXPECT_EQ(ToHostPath("").string(), "");
}

TEST_F(Paths, RelativePathResolvesCaseInTheWorkingFolder) {
    MakeFolders("work/Sub");
    const fs::path before = fs::current_path();
    fs::current_path(InPrefix("work"));
    const std::string resolved = ToHostPath("SUB\\new.txt").string();
    fs::current_path(before);
    EXPECT_EQ(resolved, "Sub/new.txt");
}

TEST_F(Paths, RootedPathIsOnTheDriveOfTheWorkingFolder) {
    MakeFolders("drive_c/work");
    const fs::path before = fs::current_path();
    fs::current_path(InPrefix("drive_c/work"));
    const std::string onC = ToHostPath("\\windows").string();
    fs::current_path("/");
    const std::string onZ = ToHostPath("\\tmp").string();
    fs::current_path(before);
    EXPECT_EQ(onC, InPrefix("drive_c/windows"));
    EXPECT_EQ(onZ, "/tmp");
}

// ------------------------------------------------------------ ToWindowsPath

struct WindowsCase {
    const char* name;
    const char* inPrefix;  // host path relative to the prefix
    const char* expected;
};

class ToWindows : public Paths, public ::testing::WithParamInterface<WindowsCase> {};

TEST_P(ToWindows, NamesTheDrive) {
    const WindowsCase& row = GetParam();
    EXPECT_EQ(ToWindowsPath(prefix_.Home() / row.inPrefix), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, ToWindows,
                         ::testing::Values(WindowsCase{"DriveFolder", "drive_c/Documents and Settings/Anna",
                                                       "C:\\Documents and Settings\\Anna"},
                                           WindowsCase{"DriveRoot", "drive_c", "C:\\"},
                                           WindowsCase{"DriveRootWithSlash", "drive_d/", "D:\\"},
                                           WindowsCase{"TrailingSlashDropped", "drive_c/WINDOWS/", "C:\\WINDOWS"},
                                           WindowsCase{"DotsResolved", "drive_c/a/../b/./c", "C:\\b\\c"},
                                           WindowsCase{"UncFolder", "unc/server/share/f", "\\\\server\\share\\f"}),
                         [](const ::testing::TestParamInfo<WindowsCase>& info) { return info.param.name; });

TEST_F(Paths, EverythingElseIsOnDriveZ) {
    EXPECT_EQ(ToWindowsPath("/"), "Z:\\");
    EXPECT_EQ(ToWindowsPath("/usr/local/bin"), "Z:\\usr\\local\\bin");
    EXPECT_EQ(ToWindowsPath("/usr/local/bin/"), "Z:\\usr\\local\\bin");
    const std::string home = ToWindowsPath(prefix_.Home());
    EXPECT_EQ(home.substr(0, 3), "Z:\\");
    // Names that only look like drive folders stay on Z:.
    for (const char* notADrive : {"drive_z/x", "drive_cc/x", "drive_C/x", "registry.db"}) {
        const std::string windows = ToWindowsPath(prefix_.Home() / notADrive);
        EXPECT_EQ(windows.substr(0, 3), "Z:\\") << notADrive;
        EXPECT_EQ(ToHostPath(windows), prefix_.Home() / notADrive) << notADrive;
    }
}

TEST_F(Paths, RelativeHostPathIsTakenFromTheWorkingFolder) {
    MakeFolders("drive_c/work");
    const fs::path before = fs::current_path();
    fs::current_path(InPrefix("drive_c/work"));
    const std::string windows = ToWindowsPath("sub/f.txt");
    fs::current_path(before);
    EXPECT_EQ(windows, "C:\\work\\sub\\f.txt");
}

TEST_F(Paths, RoundTrip) {
    MakeFolders("drive_c/Program Files/Caf\xe9 & Co");
    for (const std::string relative : {"drive_c/Program Files/Caf\xe9 & Co", "drive_c", "drive_c/new.txt"}) {
        const fs::path host = prefix_.Home() / relative;
        EXPECT_EQ(ToHostPath(ToWindowsPath(host)), host.lexically_normal()) << relative;
    }
    for (const std::string windows : {"C:\\Program Files\\Caf\xe9 & Co", "C:\\", "Z:\\"})
        EXPECT_EQ(ToWindowsPath(ToHostPath(windows)), windows);
}

// ------------------------------------------------------------ PrefixHome

TEST(PrefixHome, NimbrelHomeFirst) {
    EnvironmentVariable home("NIMBREL_HOME", "/srv/nimbrel");
    EnvironmentVariable data("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(PrefixHome(), fs::path("/srv/nimbrel"));
}

TEST(PrefixHome, ThenXdgDataHome) {
    EnvironmentVariable home("NIMBREL_HOME", std::nullopt);
    EnvironmentVariable data("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(PrefixHome(), fs::path("/srv/data/nimbrel"));
}

TEST(PrefixHome, ThenTheHomeFolder) {
    EnvironmentVariable home("NIMBREL_HOME", "");
    EnvironmentVariable data("XDG_DATA_HOME", std::nullopt);
    EnvironmentVariable user("HOME", "/home/anna");
    EXPECT_EQ(PrefixHome(), fs::path("/home/anna/.local/share/nimbrel"));
}

TEST(PrefixHome, ARelativeXdgDataHomeIsIgnored) {
    EnvironmentVariable home("NIMBREL_HOME", std::nullopt);
    EnvironmentVariable data("XDG_DATA_HOME", "relative/data");
    EnvironmentVariable user("HOME", "/home/anna");
    EXPECT_EQ(PrefixHome(), fs::path("/home/anna/.local/share/nimbrel"));
}

TEST(PrefixHome, ARelativeNimbrelHomeIsMadeAbsolute) {
    EnvironmentVariable home("NIMBREL_HOME", "here/prefix");
    EXPECT_EQ(PrefixHome(), fs::current_path() / "here/prefix");
}

}  // namespace
