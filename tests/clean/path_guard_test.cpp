// The guard of folder and file deletions: the Windows directory however it
// is spelt, short paths and relative paths are never deleted.
#include <gtest/gtest.h>

#include <string>

#include "platform/path_guard.h"

namespace {

using namespace std::string_literals;

struct GuardRow {
    const char* name;
    const char* path;
    bool isProtected;
};

class PathGuardTest : public ::testing::TestWithParam<GuardRow> {};

TEST_P(PathGuardTest, AgainstWindowsDirectoryInCapitals) {
    EXPECT_EQ(platform::IsProtectedPath(GetParam().path, "C:\\WINDOWS"), GetParam().isProtected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PathGuardTest,
    ::testing::Values(
        GuardRow{"WindowsDirectoryExactly", "C:\\WINDOWS", true},
        GuardRow{"WindowsDirectoryInLowerCase", "c:\\windows", true},
        GuardRow{"WindowsDirectoryMixedCase", "C:\\Windows", true},
        GuardRow{"WindowsDirectoryWithFinalBackslash", "C:\\WINDOWS\\", true},
        GuardRow{"WindowsDirectoryWithSlashes", "C:/windows/", true},
        GuardRow{"WindowsDirectoryWithDotComponent", "C:\\.\\WINDOWS\\.", true},
        GuardRow{"WindowsDirectoryThroughDotDot", "C:\\WINDOWS\\system32\\..", true},
        GuardRow{"WindowsDirectoryWithDoubledSeparators", "C:\\\\WINDOWS", true}, GuardRow{"DriveRoot", "C:\\", true},
        GuardRow{"FiveCharacters", "C:\\ab", true}, GuardRow{"SixCharacters", "C:\\abc", false},
        GuardRow{"OfficeFolderInsideWindows", "C:\\WINDOWS\\Application Data\\Microsoft\\Office\\Recent", false},
        GuardRow{"SimilarName", "C:\\WINDOWS2", false},
        GuardRow{"RecentFile", "C:\\Documents and Settings\\anna\\Recent\\a.lnk", false},
        GuardRow{"RelativePath", "Recent\\a.lnk", true}, GuardRow{"DriveRelativePath", "C:Recent\\a.lnk", true},
        GuardRow{"RootedWithoutDrive", "\\Recent\\a.lnk", true},
        GuardRow{"UncPath", "\\\\server\\share\\Recent", false},
        GuardRow{"DotDotClimbingAboveTheDrive", "C:\\..\\..\\WINDOWS", true},
        GuardRow{"DotDotBackToTheDriveRoot", "C:\\WINDOWS\\..", true},
        GuardRow{"DotDotBackToTheDriveRootFromAProfile", "C:\\Documents and Settings\\..\\", true},
        GuardRow{"ShareRoot", "\\\\server\\share", true},
        GuardRow{"ShareRootThroughDotDot", "\\\\server\\share\\Recent\\..", true},
        // Paths that name something other than what they spell.
        GuardRow{"DotDotToASiblingFolder", "C:\\Documents and Settings\\anna\\Recent\\..\\Desktop", true},
        GuardRow{"DotComponentInside", "C:\\Documents and Settings\\anna\\.\\Recent", true},
        GuardRow{"WindowsDirectoryWithAFinalDot", "C:\\WINDOWS.", true},
        GuardRow{"WindowsDirectoryWithAFinalSpaceAndSeparator", "C:\\WINDOWS \\", true},
        GuardRow{"DevicePrefixWithQuestionMark", "\\\\?\\C:\\WINDOWS", true},
        GuardRow{"DevicePrefixWithDot", "\\\\.\\C:\\WINDOWS", true},
        GuardRow{"Wildcard", "C:\\Documents and Settings\\anna\\Recent\\*", true},
        GuardRow{"StreamName", "C:\\WINDOWS::$INDEX_ALLOCATION", true},
        GuardRow{"ControlCharacter", "C:\\Documents\tand Settings", true},
        GuardRow{"DotInsideAName", "C:\\Documents and Settings\\anna\\Recent\\a.b.lnk", false},
        GuardRow{"SpaceInsideAName", "C:\\Documents and Settings\\a b\\Recent", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PathGuardTest2, AnUnknownWindowsDirectoryProtectsOnlyShortAndRelativePaths) {
    EXPECT_FALSE(platform::IsProtectedPath("C:\\WINDOWS", ""));
    EXPECT_TRUE(platform::IsProtectedPath("C:\\", ""));
    EXPECT_TRUE(platform::IsProtectedPath("Recent\\x", ""));
}

TEST(PathGuardTest2, AWindowsDirectoryGivenWithAFinalBackslashStillMatches) {
    EXPECT_TRUE(platform::IsProtectedPath("c:\\winnt", "C:\\WINNT\\"));
    // A folder that holds the Windows directory goes with it.
    EXPECT_TRUE(platform::IsProtectedPath("C:\\OS", "C:\\OS\\WINDOWS"));
    EXPECT_TRUE(platform::IsProtectedPath("c:\\os\\Recent\\..", "C:\\OS\\WINDOWS"));
    EXPECT_FALSE(platform::IsProtectedPath("C:\\OS\\Recent", "C:\\OS\\WINDOWS"));
}

TEST(PathGuardTest2, APathCutShortByANulIsNeverDeleted) {
    // Every file call stops at the NUL: this would delete C:\WINDOWS.
    EXPECT_TRUE(platform::IsProtectedPath("C:\\WINDOWS\0\\Recent"s, "C:\\WINDOWS"));
    EXPECT_TRUE(platform::IsProtectedPath("C:\\Documents and Settings\\anna\\Recent\0C:\\"s, "C:\\WINDOWS"));
}

TEST(PathGuardTest2, SamePathComparesAccentedLettersWithoutRegardToCase) {
    EXPECT_TRUE(platform::SamePath("C:\\\xC9t\xE9", "c:\\\xE9T\xC9\\"));  // Été
    EXPECT_FALSE(platform::SamePath("C:\\a\\b", "C:\\a"));
    EXPECT_FALSE(platform::SamePath("\\\\a\\b", "C:\\a\\b"));
}

}  // namespace
