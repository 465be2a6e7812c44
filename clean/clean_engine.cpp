#include "clean/clean_engine.h"

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "clean/item_place.h"
#include "platform/offline_machine.h"
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

// A row done, whose outcome is told once it is final.
struct DoneRow {
    scan::DetectedItem item;
    RowOutcome outcome;
};

// Registry rows deleted in a change that did not last are failed after all.
void FailDeletedRegistryRows(std::span<DoneRow> rows, const std::string& why) {
    for (auto& [item, outcome] : rows) {
        const scan::ItemKind kind = item.Kind();
        if ((kind == scan::ItemKind::kValue || kind == scan::ItemKind::kKey) && outcome.result == RowResult::kDeleted) {
            outcome = {RowResult::kFailed, why};
        }
    }
}

// A registry whose changes the platform writes out as a whole (the hive
// files of an installation that is not running) is written once the rows
// are done; when it cannot be, none of its changes was made.
void SaveRegistry(CleanContext& ctx, std::vector<DoneRow>& done) {
    std::string problem;
    if (platform::SaveRegistryChanges(problem) == platform::kErrorSuccess) return;
    ctx.host.MessageBox("The registry could not be saved (" + problem + "), so nothing was removed from it.",
                        kRegistryLockedTitle);
    FailDeletedRegistryRows(done, "the registry could not be saved: " + problem);
}

void CountAndReport(CleanContext& ctx, std::vector<DoneRow>& done) {
    for (const auto& [item, outcome] : done) {
        if (outcome.result == RowResult::kKeptUnchecked || outcome.result == RowResult::kKeptTwin) {
            ctx.state.AllCleaned = false;
        }
        if (outcome.Cleaned()) ++ctx.state.CleanedCount;
        if (outcome.Stays()) ++ctx.state.NotDeletedCount;
        if (ctx.report) ctx.report(item, outcome);
    }
    done.clear();
}

// Registry rows next to each other are deleted this many to one registry
// change (a transaction of the emulated machine's store, which costs far
// more than a row's deletion): a clean killed half-way has kept every
// change it made whole and left the rest as it was.
constexpr std::size_t kRowsPerChange = 256;

// Cleans every row, or only the checked ones, and empties the store. A row
// is counted and reported once its deletion lasts: as its change ends, or
// on an installation that is not running once the registry is saved.
void CleanRows(CleanContext& ctx, bool checkedOnly) {
    const std::string windowsDirectory = platform::WindowsDirectory();
    scan::DetectedItems& store = ctx.results.store;
    const std::size_t rows = store.RowCount();
    const std::vector<bool> twin =
        checkedOnly ? RowsKeptForUncheckedTwin(store, platform::CurrentUserSid()) : std::vector<bool>(rows, false);
    const long locked = RegistryLockStatus(store);
    if (locked != platform::kErrorSuccess) ctx.host.MessageBox(RegistryLockedText(locked), kRegistryLockedTitle);
    const RowOutcome lockedOutcome{RowResult::kFailed,
                                   "the registry cannot be changed: " + registry::Win32ErrorText(locked)};
    const bool savedAtEnd = platform::OfflineMachineInUse();

    std::vector<DoneRow> done;
    std::optional<platform::RegistryBatch> change;
    std::size_t changeStart = 0;  // the change's first row in done
    auto endChange = [&] {
        if (change) {
            if (change->Status() == platform::kErrorSuccess) {
                if (const long status = change->Commit(); status != platform::kErrorSuccess) {
                    FailDeletedRegistryRows(std::span(done).subspan(changeStart),
                                            "the registry change failed: " + registry::Win32ErrorText(status));
                }
            }
            change.reset();
        }
        if (!savedAtEnd) CountAndReport(ctx, done);
    };
    for (std::size_t row = 0; row < rows; ++row) {
        scan::DetectedItem item = store.TakeRow(row);
        RowOutcome outcome;
        if (checkedOnly && !store.Checked(row)) {
            outcome = {RowResult::kKeptUnchecked, {}};
        } else if (twin[row]) {
            outcome = {RowResult::kKeptTwin, "an unchecked row names the same item"};
        } else if (locked != platform::kErrorSuccess) {
            outcome = lockedOutcome;
        } else {
            const scan::ItemKind kind = item.Kind();
            if (kind != scan::ItemKind::kValue && kind != scan::ItemKind::kKey) {
                endChange();
            } else if (!change) {
                changeStart = done.size();
                change.emplace();
            }
            outcome = change && change->Status() == platform::kErrorSuccess
                          ? CleanItemInChange(item, windowsDirectory, store.Snapshot(row))
                          : CleanItem(item, windowsDirectory, store.Snapshot(row));
        }
        done.push_back({std::move(item), std::move(outcome)});
        if (!change || done.size() - changeStart == kRowsPerChange) endChange();
    }
    endChange();
    if (savedAtEnd) {
        SaveRegistry(ctx, done);
        CountAndReport(ctx, done);
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
