// The Office 'Recent' folders and the files of the Windows 'Recent' folder
// on a scratch machine whose Windows directory is C:\WINDOWS.
#include "scan/recent_folders.h"

#include <gtest/gtest.h>
#include <sys/xattr.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/emulated/paths.h"
#include "platform/platform.h"
#include "registry/mod_registry.h"
#include "scan/drive_type_name.h"
#include "tests/scan/scan_fixture.h"

namespace {

namespace fs = std::filesystem;
using platform::emulated::ToHostPath;
using scan::DetectedItem;

constexpr const char* kTail = "\\Application Data\\Microsoft\\Office\\Recent";
constexpr const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The logon name of the emulated user while it lives.
class LogonName {
public:
    explicit LogonName(const std::string& name) {
        if (const char* old = std::getenv("USER")) old_ = old;
        setenv("USER", name.c_str(), 1);
    }
    ~LogonName() {
        if (old_)
            setenv("USER", old_->c_str(), 1);
        else
            unsetenv("USER");
    }

private:
    std::optional<std::string> old_;
};

void MakeFolder(const std::string& path) { fs::create_directories(ToHostPath(path)); }
void MakeFile(const std::string& path) { std::ofstream(ToHostPath(path)) << "x"; }

class RecentFoldersTest : public scan_testing::ScanTest {
protected:
    void SetUp() override { ASSERT_EQ(platform::Start(), ""); }

    static void SetRecent(const std::string& path) {
        ASSERT_EQ(modRegistry::WriteValue("HKCU", kShellFolders, "Recent", "S", path), 0);
    }
    static void SetDriveC(const char* type) {
        ASSERT_EQ(modRegistry::WriteValue("HKLM", "Software\\Wine\\Drives", "c:", "S", type), 0);
    }
    std::vector<DetectedItem> Rows() const {
        std::vector<DetectedItem> rows;
        for (std::size_t row = 0; row < results.store.RowCount(); ++row) rows.push_back(results.store.Row(row));
        return rows;
    }
    static DetectedItem FolderRow(const char* label, const std::string& path) {
        return {label, path, "", "", "", "Folder"};
    }
    static DetectedItem FileRow(int index, const std::string& path) {
        return {"Windows 'Recent' Folder Item - " + std::to_string(index), path, " ", " ", " ", "File"};
    }

    LogonName anna{"anna"};
    const std::string recent = "C:\\Documents and Settings\\anna\\Recent";
};

TEST_F(RecentFoldersTest, OfficeFindsTheThreeCandidatesInOrder) {
    const std::string main = std::string("C:\\WINDOWS") + kTail;
    const std::string user = std::string("C:\\Documents and Settings\\anna") + kTail;
    const std::string profiles = std::string("C:\\WINDOWS\\Profiles\\anna") + kTail;
    for (const std::string& folder : {main, user, profiles}) MakeFolder(folder);
    scan::ScanOfficeRecentFolders(ctx);
    EXPECT_EQ(Rows(), (std::vector<DetectedItem>{FolderRow("MS Office 'Recent' Folder (Main)", main),
                                                 FolderRow("MS Office 'Recent' Folder (User)", user),
                                                 FolderRow("MS Office 'Recent' Folder (User)", profiles)}));
    EXPECT_EQ(window.listsdetected.caption, "3");
    EXPECT_EQ(window.itemsdetected.caption, "0");
}

TEST_F(RecentFoldersTest, OfficeRecordsOnlyFoldersThatExist) {
    MakeFolder(std::string("C:\\WINDOWS\\Profiles\\anna") + kTail);
    scan::ScanOfficeRecentFolders(ctx);
    EXPECT_EQ(Labels(), std::vector<std::string>{"MS Office 'Recent' Folder (User)"});
}

TEST_F(RecentFoldersTest, OfficeLooksOnlyForTheMainFolderWhenDriveCIsNotFixed) {
    for (const char* folder : {"C:\\WINDOWS", "C:\\Documents and Settings\\anna", "C:\\WINDOWS\\Profiles\\anna"})
        MakeFolder(folder + std::string(kTail));
    SetDriveC("cdrom");
    scan::ScanOfficeRecentFolders(ctx);
    EXPECT_EQ(Labels(), std::vector<std::string>{"MS Office 'Recent' Folder (Main)"});
}

TEST_F(RecentFoldersTest, OfficeLooksOnlyForTheMainFolderWhenTheLogonNameDoesNotFit) {
    const std::string longName(199, 'n');  // 199 characters and the NUL exceed the 199 offered
    LogonName tooLong(longName);
    MakeFolder(std::string("C:\\WINDOWS") + kTail);
    MakeFolder("C:\\Documents and Settings\\" + longName + kTail);
    scan::ScanOfficeRecentFolders(ctx);
    EXPECT_EQ(Labels(), std::vector<std::string>{"MS Office 'Recent' Folder (Main)"});
}

struct DriveRow {
    const char* name;
    const char* wineType;
    const char* text;
};

class DriveTypeNameTest : public RecentFoldersTest, public ::testing::WithParamInterface<DriveRow> {};

TEST_P(DriveTypeNameTest, NamesTheType) {
    SetDriveC(GetParam().wineType);
    EXPECT_EQ(scan::DriveTypeName("C"), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Types, DriveTypeNameTest,
                         ::testing::Values(DriveRow{"Removable", "floppy", "Removable"},
                                           DriveRow{"Fixed", "hd", "Drive Fixed"},
                                           DriveRow{"Remote", "network", "Remote"},
                                           DriveRow{"CdRom", "cdrom", "CD-Rom"},
                                           DriveRow{"RamDisk", "ramdisk", "Ram disk"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RecentFoldersTest, ADriveWithoutRootIsUnrecognized) { EXPECT_EQ(scan::DriveTypeName("Q"), "Unrecognized"); }

TEST_F(RecentFoldersTest, WindowsRecentListsEveryFileSortedAndSkipsDesktopIniWithAGap) {
    for (const char* name : {"z.lnk", "Desktop.ini", "a.lnk"}) MakeFile(recent + "\\" + name);
    MakeFolder(recent + "\\sub");
    MakeFile(recent + "\\sub\\inner.lnk");
    scan::ScanWindowsRecentFolder(ctx);
    EXPECT_EQ(Rows(), (std::vector<DetectedItem>{FileRow(0, recent + "\\a.lnk"), FileRow(2, recent + "\\z.lnk")}));
    EXPECT_EQ(window.itemsdetected.caption, "2");
    EXPECT_EQ(window.listsdetected.caption, "0");
}

TEST_F(RecentFoldersTest, OnlyDesktopIniYieldsNothingButLowerCaseDesktopIniIsAFile) {
    MakeFile(recent + "\\Desktop.ini");
    scan::ScanWindowsRecentFolder(ctx);
    EXPECT_TRUE(Labels().empty());
    fs::remove(ToHostPath(recent + "\\Desktop.ini"));
    MakeFile(recent + "\\desktop.ini");
    scan::ScanWindowsRecentFolder(ctx);
    EXPECT_EQ(Rows(), std::vector<DetectedItem>{FileRow(0, recent + "\\desktop.ini")});
}

TEST_F(RecentFoldersTest, HiddenAndSystemFilesAreListedToo) {
    MakeFile(recent + "\\.hidden.lnk");
    MakeFile(recent + "\\system.lnk");
    const std::string system = "0x4";
    ASSERT_EQ(setxattr(ToHostPath(recent + "\\system.lnk").c_str(), "user.DOSATTRIB", system.data(), system.size(), 0),
              0);
    scan::ScanWindowsRecentFolder(ctx);
    EXPECT_EQ(Rows(),
              (std::vector<DetectedItem>{FileRow(0, recent + "\\.hidden.lnk"), FileRow(1, recent + "\\system.lnk")}));
}

TEST_F(RecentFoldersTest, AFinalBackslashInTheValueNamesTheSameFolder) {
    SetRecent(recent + "\\");
    MakeFile(recent + "\\a.lnk");
    scan::ScanWindowsRecentFolder(ctx);
    EXPECT_EQ(Rows(), std::vector<DetectedItem>{FileRow(0, recent + "\\a.lnk")});
}

struct RefusedRow {
    const char* name;
    const char* recent;  // nullptr: the value is missing
};

class RefusedRecentTest : public RecentFoldersTest, public ::testing::WithParamInterface<RefusedRow> {};

TEST_P(RefusedRecentTest, YieldsNoRow) {
    MakeFile("C:\\WINDOWS\\win.ini");
    MakeFile("C:\\x.lnk");
    if (GetParam().recent == nullptr) {
        ASSERT_EQ(modRegistry::RemoveValue("HKCU", kShellFolders, "Recent"), 0);
    } else {
        SetRecent(GetParam().recent);
    }
    scan::ScanWindowsRecentFolder(ctx);
    EXPECT_TRUE(Labels().empty());
    EXPECT_EQ(window.itemsdetected.caption, "0");
}

INSTANTIATE_TEST_SUITE_P(Values, RefusedRecentTest,
                         ::testing::Values(RefusedRow{"Missing", nullptr},
                                           RefusedRow{"WindowsDirectory", "C:\\WINDOWS"},
                                           RefusedRow{"WindowsDirectoryInLowerCase", "c:\\windows"},
                                           RefusedRow{"WindowsDirectoryWithBackslash", "C:\\Windows\\"},
                                           RefusedRow{"DriveRoot", "C:\\"}, RefusedRow{"Relative", "WINDOWS"},
                                           RefusedRow{"NoSuchFolder", "C:\\Nowhere\\Recent"},
                                           RefusedRow{"AbsenceMarker", "<none>"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
