#include "clean/clean_engine.h"

#include <vector>

#include "clean/item_place.h"
#include "platform/registry_api.h"
#include "platform/system_info.h"
#include "registry/win32_error_text.h"

namespace clean {

namespace {

bool HasRegistryRows(const scan::DetectedItems& store) {
    for (const std::string& column : store.Kinds()) {
        const scan::ItemKind kind = scan::KindOf(column);
        if (kind == scan::ItemKind::kValue || kind == scan::ItemKind::kKey) return true;
    }
    return false;
}

// A registry that cannot be changed at all (a read-only machine) is said
// once, and nothing is deleted: each row is reported as failed with why.
long RegistryLockStatus(const scan::DetectedItems& store) {
    if (!HasRegistryRows(store)) return platform::kErrorSuccess;
    return platform::RegistryBatch().Status();
}

// Cleans every row, or only the checked ones, and empties the store.
void CleanRows(CleanContext& ctx, bool checkedOnly) {
    const std::string windowsDirectory = platform::WindowsDirectory();
    scan::DetectedItems& store = ctx.results.store;
    const std::size_t rows = store.RowCount();
    const std::vector<bool> twin =
        checkedOnly ? RowsKeptForUncheckedTwin(store, platform::CurrentUserSid()) : std::vector<bool>(rows, false);
    const long locked = RegistryLockStatus(store);
    if (locked != platform::kErrorSuccess) ctx.host.MessageBox(RegistryLockedText(locked), kRegistryLockedTitle);
    const RowOutcome lockedOutcome{RowResult::kFailed, "the registry cannot be changed: " + registry::Win32ErrorText(locked)};

    for (std::size_t row = 0; row < rows; ++row) {
        const scan::DetectedItem item = store.Row(row);
        RowOutcome outcome;
        if (checkedOnly && !store.Checked(row)) {
            outcome = {RowResult::kKeptUnchecked, {}};
        } else if (twin[row]) {
            outcome = {RowResult::kKeptTwin, "an unchecked row names the same item"};
        } else if (locked != platform::kErrorSuccess) {
            outcome = lockedOutcome;
        } else {
            outcome = CleanItem(item, windowsDirectory, store.Snapshot(row));
        }
        if (outcome.result == RowResult::kKeptUnchecked || outcome.result == RowResult::kKeptTwin) {
            ctx.state.AllCleaned = false;
        }
        if (outcome.Cleaned()) ++ctx.state.CleanedCount;
        if (outcome.Stays()) ++ctx.state.NotDeletedCount;
        if (ctx.report) ctx.report(item, outcome);
    }
    store.Clear();
}

}  // namespace

std::string RegistryLockedText(long status) {
    return "The registry of this machine cannot be changed (" + registry::Win32ErrorText(status) +
           "), so nothing was cleaned.";
}

void CleanAll(CleanContext& ctx, long scanTotal) {
    ctx.state = CleanState{};
    CleanRows(ctx, false);
    if (ctx.silent) {
        RunAutomaticPlugins(ctx.plugins, true);
        ctx.host.EndProgram();
        return;
    }
    ctx.state.detected = scanTotal;
    ctx.host.ShowWindow(host::Window::kCompletion);
    ctx.host.UnloadWindow(host::Window::kScan);
    RunAutomaticPlugins(ctx.plugins, false);
}

void CleanSelected(CleanContext& ctx) {
    ctx.state = CleanState{};
    CleanRows(ctx, true);
    ctx.state.detected = ctx.results.total.value_or(0);
    ctx.host.ShowWindow(host::Window::kCompletion);
    ctx.host.UnloadWindow(host::Window::kResults);
    RunAutomaticPlugins(ctx.plugins, false);
}

}  // namespace clean
