// Deleting files and folders, in a scratch folder of either platform.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/file_delete.h"
#include "platform/files.h"
#include "platform/registry_api.h"
#include "tests/support/scratch_folder.h"

namespace {

using testing_support::HostPath;
using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;

bool Exists(const std::string& path) { return platform::GetFileAttributes(path).has_value(); }

class FileDeleteTest : public ::testing::Test {
protected:
    void MakeFolder(const std::string& name) { std::filesystem::create_directories(HostPath(folder.Path(name))); }

    ScratchFolder folder;
};

TEST_F(FileDeleteTest, RemoveFileDeletesOneFileAndNothingBeside) {
    WriteBytes(folder.Path("a.lnk"), "a");
    WriteBytes(folder.Path("b.lnk"), "b");
    EXPECT_EQ(platform::RemoveFile(folder.Path("A.LNK")), 0);
    EXPECT_FALSE(Exists(folder.Path("a.lnk")));
    EXPECT_EQ(ReadBytes(folder.Path("b.lnk")), "b");
}

TEST_F(FileDeleteTest, RemoveFileRefusesAMissingFileAndAFolder) {
    MakeFolder("Sub");
    EXPECT_EQ(platform::RemoveFile(folder.Path("missing")), platform::kErrorFileNotFound);
    EXPECT_NE(platform::RemoveFile(folder.Path("Sub")), 0);
    EXPECT_TRUE(Exists(folder.Path("Sub")));
}

TEST_F(FileDeleteTest, ShellDeleteFolderTakesTheFolderWithEverythingInIt) {
    MakeFolder("Recent\\deep\\deeper");
    WriteBytes(folder.Path("Recent\\a.lnk"), "a");
    WriteBytes(folder.Path("Recent\\deep\\deeper\\b.lnk"), "b");
    WriteBytes(folder.Path("Recent2.lnk"), "stays");
    EXPECT_EQ(platform::ShellDeleteFolder(folder.Path("RECENT")), 0);
    EXPECT_FALSE(Exists(folder.Path("Recent")));
    EXPECT_EQ(ReadBytes(folder.Path("Recent2.lnk")), "stays");
}

TEST_F(FileDeleteTest, ShellDeleteFolderOfAMissingPathFails) {
    EXPECT_NE(platform::ShellDeleteFolder(folder.Path("missing")), 0);
    EXPECT_TRUE(Exists(folder.Path()));
}

}  // namespace
