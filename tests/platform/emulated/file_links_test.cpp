// What the emulated deletions and listings do with host links, read-only
// entries and hidden files: a link is removed, never followed.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/xattr.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/emulated/paths.h"
#include "platform/file_delete.h"
#include "platform/file_listing.h"
#include "platform/registry_api.h"
#include "tests/support/scratch_prefix.h"

namespace {

namespace fs = std::filesystem;
using platform::emulated::ToHostPath;

class FileLinksTest : public ::testing::Test {
protected:
    FileLinksTest() {
        fs::create_directories(Host("C:\\Recent"));
        fs::create_directories(Host("C:\\Precious"));
        Write("C:\\Precious\\thesis.doc", "years of work");
    }

    static fs::path Host(const std::string& windowsPath) { return ToHostPath(windowsPath); }
    static void Write(const std::string& windowsPath, const std::string& text) {
        std::ofstream(Host(windowsPath)) << text;
    }
    static bool Present(const std::string& windowsPath) {
        std::error_code error;
        return fs::exists(fs::symlink_status(Host(windowsPath), error));
    }

    testing_support::ScratchPrefix prefix;
};

TEST_F(FileLinksTest, FolderDeleteRemovesALinkInsideButNotItsTarget) {
    fs::create_directory_symlink(Host("C:\\Precious"), Host("C:\\Recent\\shortcut to precious"));
    fs::create_symlink(Host("C:\\Precious\\thesis.doc"), Host("C:\\Recent\\thesis.lnk"));
    EXPECT_EQ(platform::ShellDeleteFolder("C:\\Recent"), 0);
    EXPECT_FALSE(Present("C:\\Recent"));
    EXPECT_TRUE(Present("C:\\Precious\\thesis.doc"));
}

TEST_F(FileLinksTest, FolderDeleteOfALinkRemovesOnlyTheLink) {
    fs::create_directory_symlink(Host("C:\\Precious"), Host("C:\\Recent\\Office"));
    EXPECT_EQ(platform::ShellDeleteFolder("C:\\Recent\\Office"), 0);
    EXPECT_FALSE(Present("C:\\Recent\\Office"));
    EXPECT_TRUE(Present("C:\\Precious\\thesis.doc"));
}

TEST_F(FileLinksTest, FileDeleteOfALinkRemovesOnlyTheLink) {
    fs::create_symlink(Host("C:\\Precious\\thesis.doc"), Host("C:\\Recent\\thesis.lnk"));
    fs::create_directory_symlink(Host("C:\\Precious"), Host("C:\\Recent\\folder.lnk"));
    EXPECT_EQ(platform::RemoveFile("C:\\Recent\\thesis.lnk"), 0);
    EXPECT_EQ(platform::RemoveFile("C:\\Recent\\folder.lnk"), 0);
    EXPECT_FALSE(Present("C:\\Recent\\thesis.lnk"));
    EXPECT_FALSE(Present("C:\\Recent\\folder.lnk"));
    EXPECT_TRUE(Present("C:\\Precious\\thesis.doc"));
}

TEST_F(FileLinksTest, FileDeleteRefusesAReadOnlyFileAsWindowsDoes) {
    Write("C:\\Recent\\locked.lnk", "x");
    fs::permissions(Host("C:\\Recent\\locked.lnk"), fs::perms::owner_read);
    EXPECT_EQ(platform::RemoveFile("C:\\Recent\\locked.lnk"), platform::kErrorAccessDenied);
    EXPECT_TRUE(Present("C:\\Recent\\locked.lnk"));
}

TEST_F(FileLinksTest, FolderDeleteTakesReadOnlyFilesAndFoldersToo) {
    fs::create_directories(Host("C:\\Recent\\ro"));
    Write("C:\\Recent\\ro\\a.lnk", "x");
    Write("C:\\Recent\\b.lnk", "x");
    fs::permissions(Host("C:\\Recent\\b.lnk"), fs::perms::owner_read);
    fs::permissions(Host("C:\\Recent\\ro"), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(platform::ShellDeleteFolder("C:\\Recent"), 0);
    EXPECT_FALSE(Present("C:\\Recent"));
}

TEST_F(FileLinksTest, ListingLeavesHiddenAndSystemFilesOutUnlessAsked) {
    Write("C:\\Recent\\plain.lnk", "x");
    Write("C:\\Recent\\.dotted", "x");
    Write("C:\\Recent\\system.lnk", "x");
    const std::string system = "0x4";
    ASSERT_EQ(setxattr(Host("C:\\Recent\\system.lnk").c_str(), "user.DOSATTRIB", system.data(), system.size(), 0), 0);
    std::vector<std::string> names;
    ASSERT_EQ(platform::ListFiles("C:\\Recent", "*.*", false, names), 0);
    EXPECT_EQ(names, std::vector<std::string>{"plain.lnk"});
    ASSERT_EQ(platform::ListFiles("C:\\Recent", "*.*", true, names), 0);
    EXPECT_EQ(names, (std::vector<std::string>{".dotted", "plain.lnk", "system.lnk"}));
}

TEST_F(FileLinksTest, ListingLeavesOutNamesThatNoWindowsPathCanName) {
    std::ofstream(Host("C:\\Recent") / "back\\slash.lnk") << "x";
    std::ofstream(Host("C:\\Recent") / "star*.lnk") << "x";
    Write("C:\\Recent\\fine.lnk", "x");
    std::vector<std::string> names;
    ASSERT_EQ(platform::ListFiles("C:\\Recent", "*.*", true, names), 0);
    EXPECT_EQ(names, std::vector<std::string>{"fine.lnk"});
}

}  // namespace
