// The results window: row check boxes over the store, "Main Menu" dropping
// the results, and the close box.
#include "clean/results_window_model.h"

#include <gtest/gtest.h>

#include "tests/support/recording_host.h"

namespace {

using Calls = std::vector<std::string>;

class ResultsWindowModelTest : public ::testing::Test {
protected:
    ResultsWindowModelTest() {
        results.store.Append({"Run MRU - a", "HKCU", "Software\\Run", "a", "S", "Value"});
        results.store.Append({"Run MRU - b", "HKCU", "Software\\Run", "b", "S", "Value"});
        results.total = 2;
    }

    testing_support::RecordingHost host;
    scan::ResultsModel results;
    clean::ResultsWindowModel model{host, results};
};

TEST_F(ResultsWindowModelTest, RowsOpenCheckedAndToggleOneByOne) {
    EXPECT_TRUE(results.store.Checked(0));
    EXPECT_TRUE(results.store.Checked(1));
    model.OnRowCheck(1, false);
    EXPECT_TRUE(results.store.Checked(0));
    EXPECT_FALSE(results.store.Checked(1));
    model.OnRowCheck(1, true);
    EXPECT_TRUE(results.store.Checked(1));
}

TEST_F(ResultsWindowModelTest, ACheckBeyondTheLastRowChangesNothing) {
    model.OnRowCheck(2, false);
    EXPECT_EQ(results.store.RowCount(), 2u);
    EXPECT_TRUE(results.store.Checked(0));
    EXPECT_TRUE(results.store.Checked(1));
}

TEST_F(ResultsWindowModelTest, MainMenuEmptiesTheStoreAndGoesBack) {
    model.OnMainMenuClick();
    EXPECT_EQ(results.store.RowCount(), 0u);
    for (const auto* column : {&results.store.Labels(), &results.store.Mainkey(), &results.store.Subkey(),
                               &results.store.Value(), &results.store.ValueType(), &results.store.Kinds()}) {
        EXPECT_TRUE(column->empty());
    }
    EXPECT_EQ(host.calls, (Calls{"show main", "restore main", "unload results"}));
}

TEST_F(ResultsWindowModelTest, CloseBoxEndsTheProgramAndKeepsTheRows) {
    model.OnCloseRequest();
    EXPECT_EQ(host.calls, (Calls{"end"}));
    EXPECT_EQ(results.store.RowCount(), 2u);
}

}  // namespace
