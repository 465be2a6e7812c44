// One row cleaned by its kind, on a scratch key and in a scratch folder of
// either platform: what goes, what stays, and what counts.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "clean/clean_item.h"
#include "platform/files.h"
#include "platform/system_info.h"
#include "registry/mod_registry.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scratch_key.h"

namespace {

using clean::CleanAction;
using clean::DetectedItem;
using testing_support::HostPath;
using testing_support::WriteBytes;

class CleanItemTest : public ::testing::Test {
protected:
    CleanItemTest() {
        Write("Lists", "url1", "http://a.example/");
        Write("Lists", "url2", "http://b.example/");
        Write("Lists\\Count", "HRZR_EHACNGU", "x");
        Write("Lists\\Count", "HRZR_HVFPPHG", "y");
        Write("Deep\\Account\\Inner", "n", "1");
        std::filesystem::create_directories(HostPath(folder.Path("Office\\Recent\\sub")));
        WriteBytes(folder.Path("Office\\Recent\\doc.lnk"), "x");
        WriteBytes(folder.Path("Office\\Recent\\sub\\old.lnk"), "x");
        WriteBytes(folder.Path("a.lnk"), "x");
        WriteBytes(folder.Path("b.lnk"), "x");
    }

    void Write(const std::string& below, const std::string& name, const std::string& data) {
        ASSERT_EQ(modRegistry::WriteValue(key.RootName(), key.Path(below), name, "S", data), 0);
    }
    bool ValueThere(const std::string& below, const std::string& name) {
        modRegistry::ValueHolder result;
        modRegistry::ReadValue(key.RootName(), key.Path(below), name, "S", modRegistry::kNone, result);
        return result.Text() != modRegistry::kNone;
    }
    bool KeyThere(const std::string& below) {
        std::string text;
        modRegistry::ReadSection(key.RootName(), key.Path(below), text);
        return !text.empty();
    }
    static bool FileThere(const std::string& path) { return platform::GetFileAttributes(path).has_value(); }

    DetectedItem ValueRow(const std::string& below, const std::string& name) {
        return {"label", key.RootName(), key.Path(below), name, "S", "Value"};
    }
    DetectedItem KeyRow(const std::string& parent, const std::string& name) {
        return {"label", key.RootName(), key.Path(parent) + "\\", name, "", "Key"};
    }
    static DetectedItem PathRow(const std::string& path, const char* kind) {
        return {"label", path, " ", " ", " ", kind};
    }

    testing_support::ScratchKey key;
    testing_support::ScratchFolder folder;
    const std::string windows = platform::WindowsDirectory();
};

TEST_F(CleanItemTest, ValueRowRemovesThatValueOnly) {
    EXPECT_TRUE(clean::CleanItem(ValueRow("Lists", "url1"), windows));
    EXPECT_FALSE(ValueThere("Lists", "url1"));
    EXPECT_TRUE(ValueThere("Lists", "url2"));
}

TEST_F(CleanItemTest, ValueRowWhoseValueOrKeyIsGoneStillCounts) {
    EXPECT_TRUE(clean::CleanItem(ValueRow("Lists", "url9"), windows));
    EXPECT_TRUE(clean::CleanItem(ValueRow("Nowhere", "url1"), windows));
    EXPECT_TRUE(ValueThere("Lists", "url1"));
}

TEST_F(CleanItemTest, KeyRowRemovesTheKeyWithItsValuesAndKeepsItsParent) {
    EXPECT_TRUE(clean::CleanItem(KeyRow("Lists", "Count"), windows));
    EXPECT_FALSE(KeyThere("Lists\\Count"));
    EXPECT_TRUE(ValueThere("Lists", "url1"));
}

TEST_F(CleanItemTest, KeyRowWhoseKeyHasSubkeysCountsButTheKeyStays) {
    EXPECT_TRUE(clean::CleanItem(KeyRow("Deep", "Account"), windows));
    EXPECT_TRUE(ValueThere("Deep\\Account\\Inner", "n"));
}

TEST_F(CleanItemTest, KeyRowWithoutAKeyNameLeavesTheParentAlone) {
    ASSERT_TRUE(clean::CleanItem(KeyRow("Lists", "Count"), windows));  // Lists has no subkey now
    EXPECT_TRUE(clean::CleanItem(KeyRow("Lists", ""), windows));
    EXPECT_TRUE(ValueThere("Lists", "url1"));
}

TEST_F(CleanItemTest, FolderRowDeletesTheFolderWithItsContents) {
    const DetectedItem row = {"MS Office 'Recent' Folder (User)", folder.Path("Office\\Recent"), "", "", "", "Folder"};
    EXPECT_EQ(clean::DecideClean(row, windows).action, CleanAction::kDeleteFolder);
    EXPECT_TRUE(clean::CleanItem(row, windows));
    EXPECT_FALSE(FileThere(folder.Path("Office\\Recent")));
    EXPECT_TRUE(FileThere(folder.Path("Office")));
    EXPECT_TRUE(FileThere(folder.Path("a.lnk")));
}

TEST_F(CleanItemTest, FileRowDeletesTheFileOnly) {
    EXPECT_TRUE(clean::CleanItem(PathRow(folder.Path("a.lnk"), "File"), windows));
    EXPECT_FALSE(FileThere(folder.Path("a.lnk")));
    EXPECT_TRUE(FileThere(folder.Path("b.lnk")));
}

TEST_F(CleanItemTest, FolderOrFileRowWhosePathIsGoneCountsAndDeletesNothing) {
    for (const char* kind : {"Folder", "File"}) {
        const DetectedItem row = PathRow(folder.Path("gone"), kind);
        EXPECT_EQ(clean::DecideClean(row, windows).action, CleanAction::kNothing) << kind;
        EXPECT_TRUE(clean::CleanItem(row, windows)) << kind;
    }
}

TEST_F(CleanItemTest, KindsAreComparedExactlyAndUnknownKindsCountWithoutDeleting) {
    for (const char* kind : {"value", "VALUE", "Value ", "Registry", ""}) {
        DetectedItem row = ValueRow("Lists", "url1");
        row.kind = kind;
        EXPECT_EQ(clean::DecideClean(row, windows).action, CleanAction::kNothing) << kind;
        EXPECT_TRUE(clean::CleanItem(row, windows)) << kind;
    }
    EXPECT_TRUE(clean::CleanItem(PathRow(folder.Path("a.lnk"), "file"), windows));
    EXPECT_TRUE(ValueThere("Lists", "url1"));
    EXPECT_TRUE(FileThere(folder.Path("a.lnk")));
}

// Only decided, never carried out: were the guard to fail, the machine's
// own Windows directory would go.
TEST_F(CleanItemTest, TheWindowsDirectoryAndTheDriveRootAreNeitherDeletedNorCounted) {
    ASSERT_FALSE(windows.empty());
    std::string lower = windows;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::string upper = windows;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const std::string& path : {windows, lower, upper, windows + "\\", lower + "\\", std::string("C:\\"),
                                    std::string("c:\\")}) {
        for (const char* kind : {"Folder", "File"}) {
            const clean::CleanDecision decision = clean::DecideClean(PathRow(path, kind), windows);
            EXPECT_EQ(decision.action, CleanAction::kNothing) << path << " " << kind;
            EXPECT_FALSE(decision.counted) << path << " " << kind;
        }
    }
}

}  // namespace
