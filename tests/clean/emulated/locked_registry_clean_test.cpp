// A registry that cannot be changed at all (here: held by a change of its
// own that never ends) is said once in a message box, nothing is deleted,
// not even the files, and the completion window does not call it good.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clean/clean_engine.h"
#include "clean/completion_window_model.h"
#include "platform/registry_api.h"
#include "registry/mod_registry.h"
#include "tests/support/recording_host.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scratch_key.h"

namespace {

TEST(LockedRegistryCleanTest, IsSaidOnceAndNothingIsDeleted) {
    testing_support::ScratchKey key;
    testing_support::ScratchFolder folder;
    ASSERT_EQ(modRegistry::WriteValue(key.RootName(), key.Path("TypedURLs"), "url1", "S", "x"), 0);
    testing_support::WriteBytes(folder.Path("a.lnk"), "x");
    scan::ResultsModel results;
    results.store.Append({"Url1", key.RootName(), key.Path("TypedURLs"), "url1", "S", "Value"});
    results.store.Append({"Url2", key.RootName(), key.Path("TypedURLs"), "url2", "S", "Value"});
    results.store.Append({"Item 0", folder.Path("a.lnk"), " ", " ", " ", "File"});
    results.total = 3;

    testing_support::RecordingHost host;
    clean::CleanState state;
    clean::CleanContext ctx{host, results, state, nullptr, false};
    {
        const platform::RegistryBatch holder;
        ASSERT_EQ(holder.Status(), platform::kErrorSuccess);
        clean::CleanSelected(ctx);
    }
    ASSERT_FALSE(host.calls.empty());
    EXPECT_EQ(host.calls.front().rfind("message Nimbrel: The registry of this machine cannot be changed (", 0), 0u)
        << host.calls.front();
    EXPECT_EQ(host.calls.size(), 3u);  // the message, the completion window, the results window unloaded
    EXPECT_EQ(state.CleanedCount, 0);
    EXPECT_EQ(state.NotDeletedCount, 3);
    EXPECT_TRUE(testing_support::ReadBytes(folder.Path("a.lnk")).has_value());
    modRegistry::ValueHolder value;
    modRegistry::ReadValue(key.RootName(), key.Path("TypedURLs"), "url1", "S", modRegistry::kNone, value);
    EXPECT_EQ(value.Text(), "x");

    const clean::CompletionWindowModel completion(host, state);
    EXPECT_EQ(completion.totalcleaned.caption, "0");
    EXPECT_EQ(completion.sysstatus.caption, "Some items not deleted.");
}

}  // namespace
