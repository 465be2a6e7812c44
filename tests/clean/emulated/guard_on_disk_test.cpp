// The path guard and links with real deletions, on a scratch machine where
// a failing guard costs nothing: the Windows directory in any spelling
// survives a clean, and a file row that is a link loses only the link.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "clean/clean_item.h"
#include "platform/emulated/paths.h"
#include "platform/platform.h"
#include "platform/system_info.h"
#include "tests/support/scratch_prefix.h"

namespace {

namespace fs = std::filesystem;
using platform::emulated::ToHostPath;

class GuardOnDiskTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(platform::Start(), "");
        std::ofstream(ToHostPath("C:\\WINDOWS\\win.ini")) << "[windows]";
    }

    testing_support::ScratchPrefix prefix;
};

TEST_F(GuardOnDiskTest, TheWindowsDirectorySurvivesEverySpellingAsFolderOrFile) {
    const std::string windows = platform::WindowsDirectory();
    for (const char* path :
         {"C:\\WINDOWS", "c:\\windows", "C:\\Windows\\", "c:/WINDOWS", "C:\\WINDOWS\\system32\\.."}) {
        for (const char* kind : {"Folder", "File"}) {
            EXPECT_EQ(clean::CleanItem({"x", path, "", "", "", kind}, windows).result, clean::RowResult::kSkipped)
                << path << " " << kind;
        }
    }
    EXPECT_TRUE(fs::exists(ToHostPath("C:\\WINDOWS\\win.ini")));
}

TEST_F(GuardOnDiskTest, TheDriveRootSurvivesAndIsNotCounted) {
    EXPECT_FALSE(clean::CleanItem({"x", "C:\\", "", "", "", "Folder"}, platform::WindowsDirectory()).Cleaned());
    EXPECT_TRUE(fs::exists(ToHostPath("C:\\WINDOWS\\win.ini")));
}

TEST_F(GuardOnDiskTest, AFileRowThatIsALinkLosesTheLinkNotTheTarget) {
    fs::create_directories(ToHostPath("C:\\Recent"));
    fs::create_symlink(ToHostPath("C:\\WINDOWS\\win.ini"), ToHostPath("C:\\Recent") / "win.lnk");
    EXPECT_EQ(
        clean::CleanItem({"x", "C:\\Recent\\win.lnk", " ", " ", " ", "File"}, platform::WindowsDirectory()).result,
        clean::RowResult::kDeleted);
    EXPECT_FALSE(fs::exists(fs::symlink_status(ToHostPath("C:\\Recent") / "win.lnk")));
    EXPECT_TRUE(fs::exists(ToHostPath("C:\\WINDOWS\\win.ini")));
}

TEST_F(GuardOnDiskTest, AFolderRowHoldingALinkToTheWindowsDirectoryLeavesItAlone) {
    fs::create_directories(ToHostPath("C:\\Office\\Recent"));
    fs::create_directory_symlink(ToHostPath("C:\\WINDOWS"), ToHostPath("C:\\Office\\Recent") / "windows");
    EXPECT_EQ(clean::CleanItem({"x", "C:\\Office\\Recent", "", "", "", "Folder"}, platform::WindowsDirectory()).result,
              clean::RowResult::kDeleted);
    EXPECT_FALSE(fs::exists(ToHostPath("C:\\Office\\Recent")));
    EXPECT_TRUE(fs::exists(ToHostPath("C:\\WINDOWS\\win.ini")));
}

TEST_F(GuardOnDiskTest, AReadOnlyFileStaysAndItsRowIsNotCounted) {
    fs::create_directories(ToHostPath("C:\\Recent"));
    std::ofstream(ToHostPath("C:\\Recent") / "kept.lnk") << "x";
    fs::permissions(ToHostPath("C:\\Recent") / "kept.lnk", fs::perms::owner_read);
    EXPECT_EQ(
        clean::CleanItem({"x", "C:\\Recent\\kept.lnk", " ", " ", " ", "File"}, platform::WindowsDirectory()).result,
        clean::RowResult::kFailed);
    EXPECT_TRUE(fs::exists(ToHostPath("C:\\Recent") / "kept.lnk"));
}

}  // namespace
