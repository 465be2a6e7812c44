// What the emulated deletions and listings do with host links, read-only
// entries and hidden files: a link is removed, never followed; and with
// places outside the machine's drives, or behind a link: they are refused.
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
#include "platform/shred_file_io.h"
#include "platform/subfolder_listing.h"
#include "plugins/file_shredder.h"
#include "tests/support/decoy_folder.h"
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

// A folder of the host's, named in a way that must be refused.
struct RefusedPlace {
    const char* name;
    std::string (*folder)(const testing_support::DecoyFolder& decoy);
};

class RefusedPlaces : public FileLinksTest, public testing::WithParamInterface<RefusedPlace> {
protected:
    testing_support::DecoyFolder decoy;
};

TEST_P(RefusedPlaces, NoDeletingCallNorListingReachesThere) {
    decoy.Write("folder/file.txt", "the host's own");
    decoy.Write("folder/sub/deeper.txt", "deeper");
    fs::create_directory_symlink(decoy.Host(), Host("C:\\Recent\\linked"));
    fs::create_directory_symlink(decoy.Host() / "folder", Host("C:\\Recent\\folder link"));
    const auto before = decoy.Contents();
    const std::string folder = GetParam().folder(decoy);
    const std::string file = folder + "\\file.txt";
    namespace shred_io = platform::shred_io;

    EXPECT_EQ(platform::CheckDeletionReach(file), platform::kErrorAccessDenied);
    EXPECT_EQ(platform::RemoveFile(file), platform::kErrorAccessDenied);
    EXPECT_EQ(platform::ShellDeleteFolder(file), platform::kErrorAccessDenied);
    EXPECT_EQ(platform::ShellDeleteFolder(folder + "\\sub"), platform::kErrorAccessDenied);
    std::vector<std::string> names;
    EXPECT_EQ(platform::ListFiles(folder, "*.*", true, names), platform::kErrorAccessDenied);
    EXPECT_EQ(platform::ListSubfolders(folder, names), platform::kErrorAccessDenied);
    EXPECT_TRUE(names.empty());
    EXPECT_EQ(shred_io::OpenExclusive(file, true).status, shred_io::OpenStatus::kFailed);
    EXPECT_EQ(shred_io::RenameNoReplace(file, folder + "\\~"), shred_io::RenameStatus::kFailed);
    EXPECT_FALSE(shred_io::DeleteEntry(file));
    fileshredder::ShredFile(file, 1);
    EXPECT_EQ(decoy.Contents(), before);
}

std::string HostSpelling(const testing_support::DecoyFolder& decoy, const std::string& drive, char separator) {
    std::string path = drive + (decoy.Host() / "folder").string();
    for (char& c : path)
        if (c == '/') c = separator;
    return path;
}

INSTANTIATE_TEST_SUITE_P(
    Spellings, RefusedPlaces,
    testing::Values(
        RefusedPlace{"DriveZ", [](const testing_support::DecoyFolder& d) { return HostSpelling(d, "Z:", '\\'); }},
        RefusedPlace{"DriveZInLowerCaseWithSlashes",
                     [](const testing_support::DecoyFolder& d) { return HostSpelling(d, "z:", '/'); }},
        RefusedPlace{"HostPath", [](const testing_support::DecoyFolder& d) { return HostSpelling(d, "", '/'); }},
        RefusedPlace{"LinkOnTheWay",
                     [](const testing_support::DecoyFolder&) { return std::string("C:\\Recent\\linked\\folder"); }},
        RefusedPlace{"LinkOnTheWayInAnotherCase",
                     [](const testing_support::DecoyFolder&) { return std::string("c:\\RECENT\\Linked\\folder"); }},
        RefusedPlace{"TheFolderIsALink",
                     [](const testing_support::DecoyFolder&) { return std::string("C:\\Recent\\folder link"); }}),
    [](const testing::TestParamInfo<RefusedPlace>& info) { return info.param.name; });

}  // namespace
