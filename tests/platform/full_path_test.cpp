#include "platform/full_path.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/scratch_folder.h"

namespace {

TEST(FullPath, KeepsAFullPathAsItIs) {
    testing_support::ScratchFolder folder;
    EXPECT_EQ(platform::FullPath(folder.Path("file.txt")), folder.Path("file.txt"));
}

TEST(FullPath, ResolvesDotAndDotDot) {
    testing_support::ScratchFolder folder;
    EXPECT_EQ(platform::FullPath(folder.Path("sub\\..\\.\\file.txt")), folder.Path("file.txt"));
}

TEST(FullPath, TakesARelativePathFromTheCurrentFolder) {
    testing_support::ScratchFolder machine;  // keeps the emulated platform off the user's prefix
    const std::string current = platform::FullPath(".");
    ASSERT_GE(current.size(), 3u);
    EXPECT_EQ(current.substr(1, 2), ":\\");
    const std::string separator = current.back() == '\\' ? "" : "\\";
    EXPECT_EQ(platform::FullPath("rel\\file.txt"), current + separator + "rel\\file.txt");
}

}  // namespace
