// One row cleaned by its kind, on a scratch key and in a scratch folder of
// either platform: what goes, what stays, and what is reported of each.
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
using scan::DetectedItem;
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

// Each row once, on the same fixture, with what became of its item; the
// rows run in this order, so a later row sees what the earlier ones did.
TEST_F(CleanItemTest, EachKindReportsWhatBecameOfItsItem) {
    using clean::RowResult;
    struct Case {
        DetectedItem row;
        RowResult result;
    };
    auto kinded = [](DetectedItem row, const char* kind) {
        row.kind = kind;
        return row;
    };
    const Case cases[] = {
        {ValueRow("Lists", "url1"), RowResult::kDeleted},
        {ValueRow("Lists", "url9"), RowResult::kAbsent},
        {ValueRow("Nowhere", "url1"), RowResult::kAbsent},
        {KeyRow("Lists", "Count"), RowResult::kDeleted},
        // The registry refuses a key with subkeys: it stays, and says so.
        {KeyRow("Deep", "Account"), RowResult::kFailed},
        // Without a name, RegDeleteKey would take the parent key itself.
        {KeyRow("Lists", ""), RowResult::kSkipped},
        {{"MS Office 'Recent' Folder (User)", folder.Path("Office\\Recent"), "", "", "", "Folder"},
         RowResult::kDeleted},
        {PathRow(folder.Path("a.lnk"), "File"), RowResult::kDeleted},
        {PathRow(folder.Path("gone"), "Folder"), RowResult::kAbsent},
        {PathRow(folder.Path("gone"), "File"), RowResult::kAbsent},
        // A folder row whose path names a file does not name what was found.
        {PathRow(folder.Path("b.lnk"), "Folder"), RowResult::kSkipped},
        // Kinds compare exactly.
        {kinded(ValueRow("Lists", "url2"), "value"), RowResult::kSkipped},
        {kinded(ValueRow("Lists", "url2"), "Value "), RowResult::kSkipped},
        {kinded(ValueRow("Lists", "url2"), ""), RowResult::kSkipped},
        {PathRow(folder.Path("b.lnk"), "file"), RowResult::kSkipped},
        // The registry calls would stop at the NUL and take url2 instead.
        {ValueRow("Lists", std::string("url2\0x", 6)), RowResult::kSkipped},
        {KeyRow("Deep", std::string("Account\0", 8)), RowResult::kSkipped},
    };
    for (const Case& c : cases) {
        const clean::RowOutcome outcome = clean::CleanItem(c.row, windows);
        EXPECT_EQ(clean::RowResultName(outcome.result), clean::RowResultName(c.result))
            << c.row.mainkey << " " << c.row.subkey << " " << c.row.value << " " << c.row.kind;
        EXPECT_EQ(outcome.Cleaned(), c.result == RowResult::kDeleted || c.result == RowResult::kAbsent);
        EXPECT_EQ(outcome.reason.empty(), !outcome.Stays()) << outcome.reason;
    }
    EXPECT_FALSE(ValueThere("Lists", "url1"));
    EXPECT_TRUE(ValueThere("Lists", "url2"));
    EXPECT_FALSE(KeyThere("Lists\\Count"));
    EXPECT_TRUE(ValueThere("Deep\\Account\\Inner", "n"));
    EXPECT_FALSE(FileThere(folder.Path("Office\\Recent")));
    EXPECT_TRUE(FileThere(folder.Path("Office")));
    EXPECT_FALSE(FileThere(folder.Path("a.lnk")));
    EXPECT_TRUE(FileThere(folder.Path("b.lnk")));
}

TEST_F(CleanItemTest, AFileThatCannotBeDeletedIsReportedAsFailedWithTheError) {
    namespace fs = std::filesystem;
    const fs::path host = HostPath(folder.Path("a.lnk"));
    fs::permissions(host, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const DetectedItem row = PathRow(folder.Path("a.lnk"), "File");
    EXPECT_EQ(clean::Preview(row, clean::DecideClean(row, windows)).result, clean::RowResult::kWouldDelete);
    const clean::RowOutcome outcome = clean::CleanItem(row, windows);
    EXPECT_EQ(outcome.result, clean::RowResult::kFailed);
    EXPECT_NE(outcome.reason.find("5"), std::string::npos) << outcome.reason;
    EXPECT_TRUE(FileThere(folder.Path("a.lnk")));
    fs::permissions(host, fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(CleanItemTest, PreviewChangesNothingAndForeseesAKeyThatStays) {
    const DetectedItem stays = KeyRow("Deep", "Account");
    EXPECT_EQ(clean::Preview(stays, clean::DecideClean(stays, windows)).result, clean::RowResult::kWouldFail);
    const DetectedItem value = ValueRow("Lists", "url1");
    EXPECT_EQ(clean::Preview(value, clean::DecideClean(value, windows)).result, clean::RowResult::kWouldDelete);
    const DetectedItem gone = ValueRow("Lists", "url9");
    EXPECT_EQ(clean::Preview(gone, clean::DecideClean(gone, windows)).result, clean::RowResult::kAbsent);
    EXPECT_TRUE(ValueThere("Lists", "url1"));
}

// Only decided, never carried out: were the guard to fail, the machine's
// own Windows directory would go.
TEST_F(CleanItemTest, TheWindowsDirectoryAndTheDriveRootAreSkipped) {
    ASSERT_FALSE(windows.empty());
    std::string lower = windows;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::string upper = windows;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const std::string& path :
         {windows, lower, upper, windows + "\\", lower + "\\", std::string("C:\\"), std::string("c:\\")}) {
        for (const char* kind : {"Folder", "File"}) {
            const clean::CleanDecision decision = clean::DecideClean(PathRow(path, kind), windows);
            EXPECT_EQ(decision.action, CleanAction::kNothing) << path << " " << kind;
            EXPECT_EQ(decision.outcome.result, clean::RowResult::kSkipped) << path << " " << kind;
        }
    }
}

}  // namespace
