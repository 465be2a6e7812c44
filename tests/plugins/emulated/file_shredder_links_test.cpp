// The shredder on the emulated machine's own kinds of entry: a symbolic
// link is deleted as a link and its target left whole; a FIFO is refused at
// once instead of blocking the open.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "plugins/file_shredder.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using testing_support::HostPath;
using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;

class ShredLinks : public testing::Test {
protected:
    ScratchFolder folder;
    ScratchFolder elsewhere;
};

TEST_F(ShredLinks, ALinkToAFileIsDeletedAndItsTargetKept) {
    WriteBytes(elsewhere.Path("precious.txt"), "keep me");
    fs::create_symlink(HostPath(elsewhere.Path("precious.txt")), HostPath(folder.Path("link.txt")));
    fileshredder::ShredFile(folder.Path("link.txt"), 3);
    EXPECT_FALSE(fs::is_symlink(HostPath(folder.Path("link.txt"))));
    EXPECT_TRUE(fs::is_empty(HostPath(folder.Path())));
    EXPECT_EQ(ReadBytes(elsewhere.Path("precious.txt")), "keep me");
}

TEST_F(ShredLinks, ALinkToAFolderIsDeletedAndTheFolderKept) {
    WriteBytes(elsewhere.Path("inside.txt"), "keep me");
    fs::create_directory_symlink(HostPath(elsewhere.Path()), HostPath(folder.Path("dirlink")));
    fileshredder::ShredFile(folder.Path("dirlink"), 1);
    EXPECT_TRUE(fs::is_empty(HostPath(folder.Path())));
    EXPECT_EQ(ReadBytes(elsewhere.Path("inside.txt")), "keep me");
}

TEST_F(ShredLinks, ADanglingLinkIsDeleted) {
    fs::create_symlink("/nonexistent/nimbrel-target", HostPath(folder.Path("dangling.txt")));
    fileshredder::ShredFile(folder.Path("dangling.txt"), 1);
    EXPECT_TRUE(fs::is_empty(HostPath(folder.Path())));
}

TEST_F(ShredLinks, AFifoIsLeftAloneWithoutBlocking) {
    ASSERT_EQ(mkfifo(HostPath(folder.Path("pipe")).c_str(), 0644), 0);
    fileshredder::ShredFile(folder.Path("pipe"), 1);
    EXPECT_TRUE(fs::is_fifo(HostPath(folder.Path("pipe"))));
}

}  // namespace
