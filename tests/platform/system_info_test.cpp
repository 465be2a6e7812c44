// What the platform tells about the machine: the same answers on Windows,
// under Wine and on the emulated machine.
#include <gtest/gtest.h>

#include "platform/file_listing.h"
#include "platform/platform.h"
#include "platform/system_info.h"
#include "tests/support/scratch_machine.h"

namespace {

class SystemInfoTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(platform::Start(), ""); }

    std::shared_ptr<void> machine_ = testing_support::FreshMachine();
};

TEST_F(SystemInfoTest, WindowsDirectoryIsAnExistingFolderOnDriveC) {
    const std::string windows = platform::WindowsDirectory();
    ASSERT_GE(windows.size(), 4u);
    EXPECT_EQ(windows.substr(0, 3), "C:\\");
    EXPECT_TRUE(platform::FindEntry(windows, 55).has_value());
    EXPECT_FALSE(platform::FindEntry(windows, 0).has_value());  // a folder, not a file
}

TEST_F(SystemInfoTest, UserNameNeedsRoomForItsTerminator) {
    const std::optional<std::string> name = platform::UserName(199);
    ASSERT_TRUE(name.has_value());
    ASSERT_FALSE(name->empty());
    EXPECT_EQ(platform::UserName(name->size() + 1), name);
    EXPECT_EQ(platform::UserName(name->size()), std::nullopt);
}

TEST_F(SystemInfoTest, DriveCIsFixed) {
    EXPECT_EQ(platform::DriveType("C:\\"), platform::kDriveFixed);
    EXPECT_EQ(platform::DriveType("c:\\"), platform::kDriveFixed);
}

}  // namespace
