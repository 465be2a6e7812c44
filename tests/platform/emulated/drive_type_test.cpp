// Drive types on the emulated machine: a drive folder is a fixed drive, Z:
// (the host) too, and Wine's per-drive setting gives any other type.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/emulated/prefix.h"
#include "platform/platform.h"
#include "platform/system_info.h"
#include "registry/mod_registry.h"
#include "tests/support/scratch_prefix.h"

namespace {

class DriveTypeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(platform::Start(), ""); }
    static void Configure(const std::string& drive, const std::string& type) {
        ASSERT_EQ(modRegistry::WriteValue("HKLM", "Software\\Wine\\Drives", drive, "S", type), 0);
    }

    testing_support::ScratchPrefix prefix;
};

TEST_F(DriveTypeTest, ADriveFolderIsFixedAndAMissingOneHasNoRoot) {
    EXPECT_EQ(platform::DriveType("C:\\"), platform::kDriveFixed);
    EXPECT_EQ(platform::DriveType("C:"), platform::kDriveFixed);
    EXPECT_EQ(platform::DriveType("Z:\\"), platform::kDriveFixed);
    EXPECT_EQ(platform::DriveType("Q:\\"), platform::kDriveNoRootDir);
    std::filesystem::create_directories(prefix.Home() / "drive_q");
    EXPECT_EQ(platform::DriveType("q:\\"), platform::kDriveFixed);
}

struct ConfiguredRow {
    const char* name;
    const char* type;
    std::uint32_t expected;
};

class ConfiguredDriveTest : public DriveTypeTest, public ::testing::WithParamInterface<ConfiguredRow> {};

TEST_P(ConfiguredDriveTest, WineSettingWins) {
    Configure("c:", GetParam().type);
    EXPECT_EQ(platform::DriveType("C:\\"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Types, ConfiguredDriveTest,
                         ::testing::Values(ConfiguredRow{"Floppy", "floppy", platform::kDriveRemovable},
                                           ConfiguredRow{"Hd", "hd", platform::kDriveFixed},
                                           ConfiguredRow{"Network", "network", platform::kDriveRemote},
                                           ConfiguredRow{"Cdrom", "cdrom", platform::kDriveCdrom},
                                           ConfiguredRow{"Ramdisk", "ramdisk", platform::kDriveRamdisk},
                                           ConfiguredRow{"UnknownTextIsIgnored", "tape", platform::kDriveFixed}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DriveTypeTest, SomethingElseIsNoDriveRoot) {
    for (const char* root : {"", "C", "1:\\", "C:\\x", "C:x"}) {
        EXPECT_EQ(platform::DriveType(root), platform::kDriveNoRootDir) << root;
    }
}

}  // namespace
