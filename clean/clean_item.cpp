#include "clean/clean_item.h"

#include <optional>

#include "platform/path_guard.h"
#include "scan/registry_row.h"
#include "platform/file_delete.h"
#include "platform/file_listing.h"
#include "platform/files.h"
#include "platform/registry_api.h"
#include "registry/mod_registry.h"
#include "registry/win32_error_text.h"

namespace clean {

namespace {

constexpr const char* kProtectedReason =
    "a protected path (the Windows directory, a root, or a path that does not plainly name one place)";
constexpr const char* kHasSubkeysReason = "the key has subkeys of its own, which the registry does not delete";

RowOutcome Skipped(std::string reason) { return {RowResult::kSkipped, std::move(reason)}; }

bool PathPresent(const scan::DetectedItem& item) {
    return platform::FindEntry(item.mainkey, platform::kExistsMask).has_value();
}

CleanDecision DecidePath(const scan::DetectedItem& item, const std::string& windowsDirectory) {
    const bool folder = item.Kind() == scan::ItemKind::kFolder;
    if (platform::IsProtectedPath(item.mainkey, windowsDirectory))
        return {CleanAction::kNothing, true, Skipped(kProtectedReason)};
    if (!PathPresent(item)) return {CleanAction::kNothing, false, {RowResult::kAbsent, {}}};
    // Outside the machine's drives, or through a link or a mount point: the
    // deletion would be refused, and a dry run says so too.
    if (const long reach = platform::CheckDeletionReach(item.mainkey); reach == platform::kErrorAccessDenied) {
        return {
            CleanAction::kNothing,
            true,
            {RowResult::kFailed, registry::Win32ErrorText(reach) +
                                     ": outside the machine's own drives, or reached through a link or mount point"}};
    }
    if (!folder) return {CleanAction::kDeleteFile, true, {}};
    // The shell's delete takes a file as readily as a folder; a folder row
    // whose path now names a file does not name what was recorded.
    const auto attributes = platform::GetFileAttributes(item.mainkey);
    if (attributes && (*attributes & platform::kFileAttributeDirectory) != 0) {
        return {CleanAction::kDeleteFolder, true, {}};
    }
    return {CleanAction::kNothing, true, Skipped("a file is where the folder was")};
}

// The registry routine that deletes a value or key row, and its status.
long RemoveRegistryItem(const scan::DetectedItem& item, CleanAction action) {
    return action == CleanAction::kRemoveValue ? modRegistry::RemoveValue(item.mainkey, item.subkey, item.value)
                                               : modRegistry::RemoveKey(item.mainkey, item.subkey, item.value);
}

// Looks and deletes in one registry change: a value written, or a key
// changed, by another program after the scan (or after the backup) is left.
// inChange: the caller holds a registry change open, and this is part of it.
RowOutcome RemoveIfUnchanged(const scan::DetectedItem& item, const CleanDecision& decision, const std::string& snapshot,
                             bool inChange) {
    std::optional<platform::RegistryBatch> batch;
    if (!inChange) {
        batch.emplace();
        if (batch->Status() != platform::kErrorSuccess)
            return {RowResult::kFailed, registry::Win32ErrorText(batch->Status())};
    }
    const std::string now = scan::ItemSnapshot(item);
    if (now.empty()) return {RowResult::kAbsent, {}};
    if (now != snapshot) return {RowResult::kChanged, "it changed after it was found, so it is left as it is"};
    long status = RemoveRegistryItem(item, decision.action);
    if (status == platform::kErrorSuccess && batch) status = batch->Commit();
    if (status == platform::kErrorSuccess) return {RowResult::kDeleted, {}};
    if (decision.action == CleanAction::kRemoveKey && scan::KeyRowStays(item))
        return {RowResult::kFailed, kHasSubkeysReason};
    return {RowResult::kFailed, registry::Win32ErrorText(status)};
}

bool IsRegistryRow(const scan::DetectedItem& item) {
    return item.Kind() == scan::ItemKind::kValue || item.Kind() == scan::ItemKind::kKey;
}

// A value or key row; look: whether to find out now if its item is there
// (a deletion against a snapshot looks as it deletes).
CleanDecision DecideRegistryRow(const scan::DetectedItem& item, bool look) {
    // The A functions end a name at its NUL: such a row would name, and
    // delete, another value or key than the one found.
    if (item.subkey.find('\0') != std::string::npos || item.value.find('\0') != std::string::npos) {
        return {CleanAction::kNothing, true, Skipped("its name holds a NUL, which the registry calls cannot name")};
    }
    // A key row names the subkey to delete; without a name, RegDeleteKey
    // would take the parent key itself.
    const bool key = item.Kind() == scan::ItemKind::kKey;
    if (key && item.value.empty()) return {CleanAction::kNothing, true, Skipped("the row names no subkey")};
    return {key ? CleanAction::kRemoveKey : CleanAction::kRemoveValue, !look || scan::RegistryItemPresent(item), {}};
}

}  // namespace

std::string_view RowResultName(RowResult result) {
    switch (result) {
        case RowResult::kDeleted:
            return "deleted";
        case RowResult::kAbsent:
            return "absent";
        case RowResult::kKeptUnchecked:
            return "kept-unchecked";
        case RowResult::kKeptTwin:
            return "kept-twin";
        case RowResult::kFailed:
            return "failed";
        case RowResult::kSkipped:
            return "skipped";
        case RowResult::kChanged:
            return "changed";
        case RowResult::kWouldDelete:
            return "would-delete";
        case RowResult::kWouldFail:
            return "would-fail";
    }
    return "skipped";
}

CleanDecision DecideClean(const scan::DetectedItem& item, const std::string& windowsDirectory) {
    if (IsRegistryRow(item)) return DecideRegistryRow(item, true);
    if (item.Kind() == scan::ItemKind::kFolder || item.Kind() == scan::ItemKind::kFile)
        return DecidePath(item, windowsDirectory);
    return {CleanAction::kNothing, true, Skipped("no known kind of item: \"" + item.kind + "\"")};
}

namespace {

RowOutcome CarryOut(const scan::DetectedItem& item, const CleanDecision& decision, const std::string& snapshot,
                    bool inChange) {
    const bool registryRow = decision.action == CleanAction::kRemoveValue || decision.action == CleanAction::kRemoveKey;
    if (registryRow && !snapshot.empty()) return RemoveIfUnchanged(item, decision, snapshot, inChange);
    long status = 0;
    switch (decision.action) {
        case CleanAction::kNothing:
            return decision.outcome;
        case CleanAction::kRemoveValue:
            status = RemoveRegistryItem(item, decision.action);
            break;
        case CleanAction::kRemoveKey:
            status = RemoveRegistryItem(item, decision.action);
            if (status != 0 && scan::KeyRowStays(item)) return {RowResult::kFailed, kHasSubkeysReason};
            break;
        case CleanAction::kDeleteFolder:
            status = platform::ShellDeleteFolder(item.mainkey);
            // What could be deleted is gone; the row is cleaned only when the
            // folder itself is.
            if (!PathPresent(item)) return {RowResult::kDeleted, {}};
            if (status == 0) status = platform::kErrorAccessDenied;
            break;
        case CleanAction::kDeleteFile:
            status = platform::RemoveFile(item.mainkey);
            if (status != 0 && !PathPresent(item)) return {RowResult::kAbsent, {}};
            break;
    }
    if (status != 0) {
        if (!decision.present) return {RowResult::kAbsent, {}};
        return {RowResult::kFailed, registry::Win32ErrorText(status)};
    }
    return {decision.present ? RowResult::kDeleted : RowResult::kAbsent, {}};
}

RowOutcome Clean(const scan::DetectedItem& item, const std::string& windowsDirectory, const std::string& snapshot,
                 bool inChange) {
    if (IsRegistryRow(item) && !snapshot.empty())
        return CarryOut(item, DecideRegistryRow(item, false), snapshot, inChange);
    return CarryOut(item, DecideClean(item, windowsDirectory), snapshot, inChange);
}

}  // namespace

RowOutcome CarryOut(const scan::DetectedItem& item, const CleanDecision& decision, const std::string& snapshot) {
    return CarryOut(item, decision, snapshot, false);
}

RowOutcome Preview(const scan::DetectedItem& item, const CleanDecision& decision) {
    if (decision.action == CleanAction::kNothing) {
        if (decision.outcome.result == RowResult::kFailed) return {RowResult::kWouldFail, decision.outcome.reason};
        return decision.outcome;
    }
    if (!decision.present) return {RowResult::kAbsent, {}};
    if (decision.action == CleanAction::kRemoveKey && scan::KeyRowStays(item))
        return {RowResult::kWouldFail, kHasSubkeysReason};
    return {RowResult::kWouldDelete, {}};
}

RowOutcome CleanItem(const scan::DetectedItem& item, const std::string& windowsDirectory, const std::string& snapshot) {
    return Clean(item, windowsDirectory, snapshot, false);
}

RowOutcome CleanItemInChange(const scan::DetectedItem& item, const std::string& windowsDirectory,
                             const std::string& snapshot) {
    return Clean(item, windowsDirectory, snapshot, true);
}

}  // namespace clean
