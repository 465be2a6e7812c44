// Entry look-up and folder listings, in a scratch folder of either
// platform.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/file_listing.h"
#include "platform/files.h"
#include "tests/support/scratch_folder.h"

namespace {

using testing_support::HostPath;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;

constexpr std::uint32_t kEverything = 55;
constexpr std::uint32_t kFilesOnly = 0;

class FileListingTest : public ::testing::Test {
protected:
    void MakeFolder(const std::string& name) { std::filesystem::create_directories(HostPath(folder.Path(name))); }

    ScratchFolder folder;
};

TEST_F(FileListingTest, FindEntryGivesTheNameOfAFileOrFolderAdmittedByTheMask) {
    WriteBytes(folder.Path("Note.txt"), "x");
    MakeFolder("Sub");
    EXPECT_EQ(platform::FindEntry(folder.Path("Note.txt"), kEverything), "Note.txt");
    EXPECT_EQ(platform::FindEntry(folder.Path("note.TXT"), kEverything), "Note.txt");
    EXPECT_EQ(platform::FindEntry(folder.Path("Sub"), kEverything), "Sub");
    EXPECT_EQ(platform::FindEntry(folder.Path("Note.txt"), kFilesOnly), "Note.txt");
    // A folder needs the directory bit of the mask.
    EXPECT_EQ(platform::FindEntry(folder.Path("Sub"), kFilesOnly), std::nullopt);
}

TEST_F(FileListingTest, FindEntryExpandsNoWildcardAndNamesNoRoot) {
    WriteBytes(folder.Path("a.txt"), "x");
    MakeFolder("Sub");
    EXPECT_EQ(platform::FindEntry(folder.Path("missing"), kEverything), std::nullopt);
    EXPECT_EQ(platform::FindEntry(folder.Path("*.txt"), kEverything), std::nullopt);
    EXPECT_EQ(platform::FindEntry(folder.Path("?.txt"), kEverything), std::nullopt);
    EXPECT_EQ(platform::FindEntry(folder.Path("Sub") + "\\", kEverything), std::nullopt);
    EXPECT_EQ(platform::FindEntry(folder.Path("Sub") + "\\..", kEverything), std::nullopt);
    EXPECT_EQ(platform::FindEntry("C:\\", kEverything), std::nullopt);
    EXPECT_EQ(platform::FindEntry("", kEverything), std::nullopt);
}

TEST_F(FileListingTest, ListFilesSortsWithoutRegardToCaseAndLeavesFoldersOut) {
    for (const char* name : {"b.lnk", "Desktop.ini", "A.lnk", "c.LNK"}) WriteBytes(folder.Path(name), "x");
    MakeFolder("a folder");
    std::vector<std::string> names;
    ASSERT_EQ(platform::ListFiles(folder.Path(), "*.*", true, names), 0);
    EXPECT_EQ(names, (std::vector<std::string>{"A.lnk", "b.lnk", "c.LNK", "Desktop.ini"}));
}

TEST_F(FileListingTest, ListFilesKeepsToThePattern) {
    for (const char* name : {"anna@site[1].txt", "Cookie.TXT", "index.dat", "a.txt.bak"})
        WriteBytes(folder.Path(name), "x");
    std::vector<std::string> names;
    ASSERT_EQ(platform::ListFiles(folder.Path() + "\\", "*.txt", false, names), 0);
    EXPECT_EQ(names, (std::vector<std::string>{"anna@site[1].txt", "Cookie.TXT"}));
}

TEST_F(FileListingTest, ListFilesOfAnEmptyFolderIsEmpty) {
    std::vector<std::string> names{"stale"};
    EXPECT_EQ(platform::ListFiles(folder.Path(), "*.*", true, names), 0);
    EXPECT_TRUE(names.empty());
}

TEST_F(FileListingTest, ListFilesRefusesWhatIsNoFolder) {
    WriteBytes(folder.Path("file"), "x");
    std::vector<std::string> names{"stale"};
    EXPECT_EQ(platform::ListFiles(folder.Path("missing"), "*.*", true, names), platform::kErrorPathNotFound);
    EXPECT_TRUE(names.empty());
    EXPECT_NE(platform::ListFiles(folder.Path("file"), "*.*", true, names), 0);
    EXPECT_TRUE(names.empty());
}

}  // namespace
