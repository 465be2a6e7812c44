// Where the cookie keep-list goes on Windows: beside the program while the
// program's folder can be written, else in the user's %LOCALAPPDATA%\Nimbrel.
#include "platform/settings_file_location.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/scratch_folder.h"

namespace {

using platform::LocateSettingsFile;
using testing_support::ScratchFolder;

TEST(SettingsFileLocation, AWritableProgramFolderHoldsTheFileAndKeepsNoTrace) {
    ScratchFolder folder;
    const platform::SettingsFileLocation location = LocateSettingsFile(folder.Path(), "cookieignore.ini");
    EXPECT_EQ(location.readPath, folder.Path("cookieignore.ini"));
    EXPECT_EQ(location.savePath, folder.Path("cookieignore.ini"));
    EXPECT_TRUE(std::filesystem::is_empty(testing_support::HostPath(folder.Path())));
}

TEST(SettingsFileLocation, AProgramFolderNoFileCanBeMadeInSendsItToTheUsersFolder) {
    const char* local = std::getenv("LOCALAPPDATA");
    if (local == nullptr || *local == '\0') GTEST_SKIP() << "LOCALAPPDATA is not set";
    ScratchFolder folder;
    const platform::SettingsFileLocation location = LocateSettingsFile(folder.Path("Not Made"), "cookieignore.ini");
    EXPECT_EQ(location.savePath, std::string(local) + "\\Nimbrel\\cookieignore.ini");
    EXPECT_EQ(location.readPath, location.savePath);
}

}  // namespace
