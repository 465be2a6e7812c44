// Clean all and clean selected over a store of rows that name a scratch key
// and a scratch folder: what is deleted, what is counted, what the windows
// are told, and the plug-ins' turn after the deleting.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "clean/clean_engine.h"
#include "clean/completion_window_model.h"
#include "clean/registry_backup.h"
#include "scan/registry_row.h"
#include "clean/results_window_model.h"
#include "platform/files.h"
#include "platform/system_info.h"
#include "registry/mod_registry.h"
#include "tests/support/recording_host.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scratch_key.h"

namespace {

using scan::DetectedItem;
using testing_support::WriteBytes;

// Loads nothing and notes when it was asked to, in the host's log, so that
// its turn can be told apart from the windows'.
class NotingLoader : public clean::PluginLoader {
public:
    explicit NotingLoader(std::vector<std::string>& log) : log_(log) {}
    clean::AutomaticPlugin& Load(clean::Plugin) override {
        log_.push_back("load plugin");
        throw std::logic_error("no plug-in switch is on in these tests");
    }

private:
    std::vector<std::string>& log_;
};

class CleanEngineTest : public ::testing::Test {
protected:
    CleanEngineTest() {
        for (const char* name : {"url1", "url2", "url3"}) {
            EXPECT_EQ(modRegistry::WriteValue(key.RootName(), key.Path("TypedURLs"), name, "S", "x"), 0);
        }
        WriteBytes(folder.Path("a.lnk"), "x");
        WriteBytes(folder.Path("b.lnk"), "x");
        Add({"Url1", key.RootName(), key.Path("TypedURLs"), "url1", "S", "Value"});
        Add({"Url2", key.RootName(), key.Path("TypedURLs"), "url2", "S", "Value"});
        Add({"Item 0", folder.Path("a.lnk"), " ", " ", " ", "File"});
        Add({"Item 1", folder.Path("b.lnk"), " ", " ", " ", "File"});
        Add({"Guarded", "C:\\", "", "", "", "Folder"});  // never deleted, never counted
        results.total = 5;
    }

    void Add(const DetectedItem& item) { results.store.Append(item); }
    bool ManyValueThere(const std::string& name) {
        modRegistry::ValueHolder result;
        modRegistry::ReadValue(key.RootName(), key.Path("Many"), name, "S", modRegistry::kNone, result);
        return !(result == modRegistry::kNone);
    }
    bool ValueThere(const std::string& name) {
        modRegistry::ValueHolder result;
        modRegistry::ReadValue(key.RootName(), key.Path("TypedURLs"), name, "S", modRegistry::kNone, result);
        return result.Text() != modRegistry::kNone;
    }
    bool FileThere(const std::string& name) { return platform::GetFileAttributes(folder.Path(name)).has_value(); }
    clean::CleanContext Context(bool silent) { return {host, results, state, &plugins, silent}; }

    testing_support::ScratchKey key;
    testing_support::ScratchFolder folder;
    testing_support::RecordingHost host;
    scan::ResultsModel results;
    clean::CleanState state{7, 3, false, 9};
    NotingLoader plugins{host.calls};
};

TEST_F(CleanEngineTest, CleanAllDeletesEveryRowCountsWhatIsGoneAndShowsTheCompletionWindow) {
    clean::CleanContext ctx = Context(false);
    clean::CleanAll(ctx, 5);
    EXPECT_FALSE(ValueThere("url1"));
    EXPECT_FALSE(ValueThere("url2"));
    EXPECT_TRUE(ValueThere("url3"));
    EXPECT_FALSE(FileThere("a.lnk"));
    EXPECT_FALSE(FileThere("b.lnk"));
    EXPECT_EQ(state.CleanedCount, 4);
    EXPECT_EQ(state.NotDeletedCount, 1);  // the guarded drive root is still there
    EXPECT_TRUE(state.AllCleaned);
    EXPECT_EQ(state.detected, 5);
    EXPECT_EQ(results.store.RowCount(), 0u);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"show completion", "unload scan"}));

    const clean::CompletionWindowModel completion(host, state);
    EXPECT_EQ(completion.totaldetected.caption, "5");
    EXPECT_EQ(completion.totalcleaned.caption, "4");
    EXPECT_EQ(completion.sysstatus.caption, "Some items not deleted.");
    EXPECT_EQ(completion.sysstatus.colour, clean::kOlive);
}

TEST_F(CleanEngineTest, WhenEverythingGoesTheStatusIsGood) {
    results.store.Clear();
    Add({"Url1", key.RootName(), key.Path("TypedURLs"), "url1", "S", "Value"});
    Add({"Url9", key.RootName(), key.Path("TypedURLs"), "url9", "S", "Value"});  // gone already
    clean::CleanContext ctx = Context(false);
    clean::CleanAll(ctx, 2);
    EXPECT_EQ(state.CleanedCount, 2);
    const clean::CompletionWindowModel completion(host, state);
    EXPECT_EQ(completion.sysstatus.caption, "Good");
    EXPECT_EQ(completion.sysstatus.colour, clean::kGreen);
}

// What the user cannot see from the totals alone: an item that stays is
// neither counted nor reported as good, and every row is reported.
TEST_F(CleanEngineTest, ItemsThatStayAreNotCountedAndEveryRowIsReported) {
    EXPECT_EQ(modRegistry::WriteValue(key.RootName(), key.Path("Accounts\\anna\\Inner"), "n", "S", "1"), 0);
    Add({"Account", key.RootName(), key.Path("Accounts"), "anna", "", "Key"});  // has a subkey: stays
    namespace fs = std::filesystem;
    fs::permissions(testing_support::HostPath(folder.Path("b.lnk")),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    std::vector<std::string> reported;
    clean::CleanContext ctx = Context(false);
    ctx.report = [&](const DetectedItem& row, const clean::RowOutcome& outcome) {
        reported.push_back(row.label + " " + std::string(clean::RowResultName(outcome.result)));
    };
    clean::CleanAll(ctx, 6);
    fs::permissions(testing_support::HostPath(folder.Path("b.lnk")), fs::perms::owner_write, fs::perm_options::add);

    EXPECT_EQ(reported, (std::vector<std::string>{"Url1 deleted", "Url2 deleted", "Item 0 deleted", "Item 1 failed",
                                                  "Guarded skipped", "Account failed"}));
    EXPECT_TRUE(FileThere("b.lnk"));
    EXPECT_EQ(state.CleanedCount, 3);
    EXPECT_EQ(state.NotDeletedCount, 3);
    const clean::CompletionWindowModel completion(host, state);
    EXPECT_EQ(completion.totalcleaned.caption, "3");
    EXPECT_EQ(completion.sysstatus.caption, "Some items not deleted.");
}

// The scan lists the current user's hive twice, as HKCU and under its SID:
// unchecking one of the two rows keeps the item, and the results window
// shows the other row as kept before the clean.
TEST_F(CleanEngineTest, AnUncheckedRowKeepsItsTwinUnderTheUsersSid) {
    ASSERT_EQ(key.RootName(), "HKCU");
    const std::string sid = platform::CurrentUserSid();
    ASSERT_FALSE(sid.empty());
    Add({"Url1 {1}", "HKU", sid + "\\" + key.Path("TypedURLs"), "url1", "S", "Value"});
    Add({"Item 0 {1}", folder.Path("A.LNK"), " ", " ", " ", "File"});
    results.store.SetChecked(0, false);  // Url1 under HKCU
    results.store.SetChecked(2, false);  // a.lnk
    clean::ResultsWindowModel window(host, results);
    // The guarded row's C:\ holds the unchecked file too.
    EXPECT_EQ(window.RowsKeptForTwin(), (std::vector<bool>{false, false, false, false, true, true, true}));

    std::vector<std::string> reported;
    clean::CleanContext ctx = Context(false);
    ctx.report = [&](const DetectedItem& row, const clean::RowOutcome& outcome) {
        reported.push_back(row.label + " " + std::string(clean::RowResultName(outcome.result)));
    };
    clean::CleanSelected(ctx);
    EXPECT_TRUE(ValueThere("url1"));
    EXPECT_FALSE(ValueThere("url2"));
    EXPECT_TRUE(FileThere("a.lnk"));
    EXPECT_EQ(reported, (std::vector<std::string>{"Url1 kept-unchecked", "Url2 deleted", "Item 0 kept-unchecked",
                                                  "Item 1 deleted", "Guarded kept-twin", "Url1 {1} kept-twin",
                                                  "Item 0 {1} kept-twin"}));
    EXPECT_EQ(state.CleanedCount, 2);
    EXPECT_FALSE(state.AllCleaned);
}

TEST_F(CleanEngineTest, CleanAllInSilentModeShowsNothingAndEndsTheProgram) {
    clean::CleanContext ctx = Context(true);
    clean::CleanAll(ctx, 5);
    EXPECT_FALSE(FileThere("a.lnk"));
    EXPECT_EQ(state.CleanedCount, 4);
    EXPECT_EQ(host.calls, std::vector<std::string>{"end"});
}

TEST_F(CleanEngineTest, CleanSelectedKeepsUncheckedRowsOnDiskAndInTheRegistryButDropsThem) {
    results.store.SetChecked(1, false);  // url2
    results.store.SetChecked(3, false);  // b.lnk
    clean::CleanContext ctx = Context(false);
    clean::CleanSelected(ctx);
    EXPECT_FALSE(ValueThere("url1"));
    EXPECT_TRUE(ValueThere("url2"));
    EXPECT_FALSE(FileThere("a.lnk"));
    EXPECT_TRUE(FileThere("b.lnk"));
    EXPECT_EQ(state.CleanedCount, 2);
    EXPECT_FALSE(state.AllCleaned);
    EXPECT_EQ(state.detected, 5);
    EXPECT_EQ(results.store.RowCount(), 0u);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"show completion", "unload results"}));

    const clean::CompletionWindowModel completion(host, state);
    EXPECT_EQ(completion.totalcleaned.caption, "2");
    EXPECT_EQ(completion.sysstatus.caption, "Some items not deleted.");
    EXPECT_EQ(completion.sysstatus.colour, clean::kOlive);
}

TEST_F(CleanEngineTest, CleanSelectedWithEveryRowCheckedLeavesAllCleanedTrue) {
    clean::CleanContext ctx = Context(false);
    clean::CleanSelected(ctx);
    EXPECT_EQ(state.CleanedCount, 4);
    EXPECT_TRUE(state.AllCleaned);
}

TEST_F(CleanEngineTest, CleanSelectedWithEveryRowUncheckedDeletesNothing) {
    for (std::size_t row = 0; row < results.store.RowCount(); ++row) results.store.SetChecked(row, false);
    clean::CleanContext ctx = Context(false);
    clean::CleanSelected(ctx);
    EXPECT_TRUE(ValueThere("url1"));
    EXPECT_TRUE(FileThere("a.lnk"));
    EXPECT_EQ(state.CleanedCount, 0);
    EXPECT_FALSE(state.AllCleaned);
    EXPECT_EQ(results.store.RowCount(), 0u);
}

// Another program may write between the scan (or the backup) and the clean:
// a value that holds other data now is not the trace that was found, and a
// key that gained a value since its backup would lose it unsaved. Both stay.
TEST_F(CleanEngineTest, WhatChangedAfterItWasFoundIsLeftAndReportedSo) {
    results.store.Clear();
    EXPECT_EQ(modRegistry::WriteValue(key.RootName(), key.Path("Lists\\Count"), "a", "S", "1"), 0);
    const DetectedItem url1{"Url1", key.RootName(), key.Path("TypedURLs"), "url1", "S", "Value"};
    const DetectedItem url2{"Url2", key.RootName(), key.Path("TypedURLs"), "url2", "S", "Value"};
    const DetectedItem url3{"Url3", key.RootName(), key.Path("TypedURLs"), "url3", "S", "Value"};
    const DetectedItem count{"Count", key.RootName(), key.Path("Lists"), "Count", "", "Key"};
    for (const DetectedItem& row : {url1, url2, url3}) results.store.Append(row, scan::ItemSnapshot(row));
    results.store.Append(count);
    std::string backup;
    ASSERT_EQ(clean::BackUpRegistryRows(results.store, backup), "");

    EXPECT_EQ(modRegistry::WriteValue(key.RootName(), key.Path("TypedURLs"), "url2", "S", "typed later"), 0);
    EXPECT_EQ(modRegistry::RemoveValue(key.RootName(), key.Path("TypedURLs"), "url3"), 0);
    EXPECT_EQ(modRegistry::WriteValue(key.RootName(), key.Path("Lists\\Count"), "b", "S", "2"), 0);
    std::vector<std::string> reported;
    clean::CleanContext ctx = Context(false);
    ctx.report = [&](const DetectedItem& row, const clean::RowOutcome& outcome) {
        reported.push_back(row.label + " " + std::string(clean::RowResultName(outcome.result)));
    };
    clean::CleanAll(ctx, 4);
    EXPECT_EQ(reported, (std::vector<std::string>{"Url1 deleted", "Url2 changed", "Url3 absent", "Count changed"}));
    EXPECT_FALSE(ValueThere("url1"));
    EXPECT_TRUE(ValueThere("url2"));
    std::string section;
    modRegistry::ReadSection(key.RootName(), key.Path("Lists\\Count"), section);
    EXPECT_EQ(section, std::string("a=1\0b=2\0\0", 9));
    EXPECT_EQ(state.CleanedCount, 2);
    EXPECT_EQ(state.NotDeletedCount, 2);
}

// Many registry rows are deleted a group to one registry change; each row
// is reported in store order once its change lasts, the first long before
// the last is deleted, and a file row between them ends a change early.
TEST_F(CleanEngineTest, ManyRowsAreReportedInOrderAsTheirChangesLast) {
    results.store.Clear();
    constexpr int kRows = 700;
    for (int row = 0; row < kRows; ++row) {
        const std::string name = "v" + std::to_string(row);
        ASSERT_EQ(modRegistry::WriteValue(key.RootName(), key.Path("Many"), name, "S", "x"), 0);
        Add({name, key.RootName(), key.Path("Many"), name, "S", "Value"});
        if (row == 300) Add({"Item 0", folder.Path("a.lnk"), " ", " ", " ", "File"});
    }
    std::vector<std::string> reported;
    bool lastThereAtFirstReport = false;
    clean::CleanContext ctx = Context(false);
    ctx.report = [&](const DetectedItem& row, const clean::RowOutcome& outcome) {
        if (reported.empty()) lastThereAtFirstReport = ManyValueThere("v" + std::to_string(kRows - 1));
        reported.push_back(row.label + " " + std::string(clean::RowResultName(outcome.result)));
    };
    clean::CleanAll(ctx, kRows + 1);

    std::vector<std::string> expected;
    for (int row = 0; row < kRows; ++row) {
        expected.push_back("v" + std::to_string(row) + " deleted");
        if (row == 300) expected.push_back("Item 0 deleted");
    }
    EXPECT_EQ(reported, expected);
    EXPECT_TRUE(lastThereAtFirstReport);
    EXPECT_FALSE(ManyValueThere("v0"));
    EXPECT_FALSE(ManyValueThere("v" + std::to_string(kRows - 1)));
    EXPECT_EQ(state.CleanedCount, kRows + 1);
}

TEST_F(CleanEngineTest, AnEmptyStoreCleansNothingAndReportsGood) {
    results.store.Clear();
    clean::CleanContext ctx = Context(false);
    clean::CleanAll(ctx, 0);
    EXPECT_EQ(state.CleanedCount, 0);
    EXPECT_TRUE(state.AllCleaned);
    EXPECT_EQ(state.detected, 0);
}

}  // namespace
