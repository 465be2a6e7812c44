// The host path of a Windows path names the file that the platform's own
// calls find under that Windows path.
#include "platform/host_path.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/files.h"
#include "tests/support/scratch_folder.h"

namespace {

TEST(HostPath, NamesTheFileThePlatformFinds) {
    testing_support::ScratchFolder folder;
    const std::string path = folder.Path("plain.txt");
    std::ofstream(platform::HostPath(path)) << "x";
    EXPECT_TRUE(platform::GetFileAttributes(path).has_value());
}

// 0x80 is the euro sign in Windows-1252 and a control character in
// Latin-1: the name must go through the ANSI code page, as the A calls do.
TEST(HostPath, ReadsTheNameInTheAnsiCodePage) {
    testing_support::ScratchFolder folder;
    const std::string path = folder.Path("price \x80 caf\xE9.txt");
    std::ofstream(platform::HostPath(path)) << "x";
    EXPECT_TRUE(platform::GetFileAttributes(path).has_value());
}

TEST(HostPath, OfAFolderIsThatFolder) {
    testing_support::ScratchFolder folder;
    EXPECT_TRUE(std::filesystem::is_directory(platform::HostPath(folder.Path())));
}

}  // namespace
