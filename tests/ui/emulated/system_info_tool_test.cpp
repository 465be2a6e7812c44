// The about window's System Information button on the emulated machine:
// where it looks for the tool, when it starts it, and when it says the tool
// is unavailable.
#include "ui/system_info_tool.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include <sys/xattr.h>

#include "platform/emulated/paths.h"
#include "tests/scan/scan_fixture.h"
#include "ui/about_window_model.h"

namespace {

namespace fs = std::filesystem;
using Calls = std::vector<std::string>;

const Calls kUnavailable{"message Nimbrel: System Information Is Unavailable At This Time"};

class SystemInfoToolTest : public ::testing::Test {
protected:
    // A stand-in tool at the Windows path given: a script that leaves a
    // mark beside itself when it runs.
    fs::path MakeTool(const std::string& windowsPath, fs::perms mode = fs::perms::owner_all) {
        const fs::path host = platform::emulated::ToHostPath(windowsPath);
        fs::create_directories(host.parent_path());
        std::ofstream(host) << "#!/bin/sh\ntouch \"$0.ran\"\n";
        fs::permissions(host, mode);
        return host;
    }

    static bool Ran(const fs::path& tool) {
        const fs::path mark = tool.string() + ".ran";
        for (int i = 0; i < 100 && !fs::exists(mark); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return fs::exists(mark);
    }

    testing_support::ScratchPrefix prefix;
    testing_support::RecordingHost host;
};

TEST_F(SystemInfoToolTest, WithoutEitherValueTheToolIsUnavailable) {
    ui::StartSysInfo(host);
    EXPECT_EQ(host.calls, kUnavailable);
}

TEST_F(SystemInfoToolTest, PathValueStartsTheToolWithoutLookingForTheFile) {
    const fs::path tool = MakeTool("C:\\Program Files\\Common Files\\MSINFO\\MSINFO32.EXE");
    scan_testing::ImportReg(
        "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n"
        "\"PATH\"=\"C:\\\\Program Files\\\\Common Files\\\\MSINFO\\\\MSINFO32.EXE\"\n");
    ui::StartSysInfo(host);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_TRUE(Ran(tool));
}

TEST_F(SystemInfoToolTest, PathValueNamingAMissingFileIsUnavailable) {
    scan_testing::ImportReg(
        "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n"
        "\"PATH\"=\"C:\\\\nowhere\\\\MSINFO32.EXE\"\n");
    ui::StartSysInfo(host);
    EXPECT_EQ(host.calls, kUnavailable);
}

TEST_F(SystemInfoToolTest, PathValueThatIsNoStringIsFoundButUnusable) {
    MakeTool("C:\\Tools\\MSINFO32.EXE");
    scan_testing::ImportReg(
        "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n"
        "\"PATH\"=dword:00000001\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location]\n"
        "\"MSINFO\"=\"C:\\\\Tools\"\n");
    const ui::KeyValue path =
        ui::GetKeyValue(platform::kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH");
    EXPECT_TRUE(path.found);
    EXPECT_EQ(path.text, "");
    ui::StartSysInfo(host);
    EXPECT_EQ(host.calls, kUnavailable);
}

TEST_F(SystemInfoToolTest, LocationValueStartsTheToolOnlyWhenItIsInThatFolder) {
    scan_testing::ImportReg(
        "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location]\n"
        "\"MSINFO\"=\"C:\\\\Tools\"\n");
    ui::StartSysInfo(host);
    EXPECT_EQ(host.calls, kUnavailable);

    host.calls.clear();
    const fs::path tool = MakeTool("C:\\Tools\\MSINFO32.EXE");
    ui::StartSysInfo(host);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_TRUE(Ran(tool));
}

TEST_F(SystemInfoToolTest, HiddenOrSystemToolInTheLocationFolderIsNotStarted) {
    scan_testing::ImportReg(
        "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location]\n"
        "\"MSINFO\"=\"C:\\\\Tools\"\n");
    const fs::path tool = MakeTool("C:\\Tools\\MSINFO32.EXE");
    for (const char* attribute : {"0x2", "0x4"}) {
        ASSERT_EQ(setxattr(tool.c_str(), "user.DOSATTRIB", attribute, 3, 0), 0);
        host.calls.clear();
        ui::StartSysInfo(host);
        EXPECT_EQ(host.calls, kUnavailable) << attribute;
        EXPECT_FALSE(fs::exists(tool.string() + ".ran"));
    }
}

TEST_F(SystemInfoToolTest, AFileThatCannotBeStartedIsUnavailable) {
    MakeTool("C:\\Tools\\MSINFO32.EXE", fs::perms::owner_read | fs::perms::owner_write);
    scan_testing::ImportReg(
        "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n"
        "\"PATH\"=\"C:\\\\Tools\\\\MSINFO32.EXE\"\n");
    ui::StartSysInfo(host);
    EXPECT_EQ(host.calls, kUnavailable);
}

TEST_F(SystemInfoToolTest, AboutWindowButtons) {
    ui::AboutWindowModel about(host);
    about.OnFaqClick();
    about.OnSystemInfoClick();
    about.OnOkClick();
    EXPECT_EQ(host.calls, (Calls{"show faq", kUnavailable[0], "unload about"}));
}

}  // namespace
