#include "clean/clean_item.h"

#include "clean/path_guard.h"
#include "platform/file_delete.h"
#include "platform/file_listing.h"
#include "registry/mod_registry.h"

namespace clean {

CleanDecision DecideClean(const DetectedItem& item, const std::string& windowsDirectory) {
    if (item.kind == "Value") return {CleanAction::kRemoveValue, true};
    // A key row names the subkey to delete; without a name, RegDeleteKey
    // would take the parent key itself.
    if (item.kind == "Key") return {item.value.empty() ? CleanAction::kNothing : CleanAction::kRemoveKey, true};
    const bool folder = item.kind == "Folder";
    if (!folder && item.kind != "File") return {CleanAction::kNothing, true};
    if (IsProtectedPath(item.mainkey, windowsDirectory)) return {CleanAction::kNothing, false};
    if (!platform::FindEntry(item.mainkey, kExistsMask)) return {CleanAction::kNothing, true};
    return {folder ? CleanAction::kDeleteFolder : CleanAction::kDeleteFile, true};
}

void CarryOut(const DetectedItem& item, const CleanDecision& decision) {
    switch (decision.action) {
        case CleanAction::kNothing:
            break;
        case CleanAction::kRemoveValue:
            modRegistry::RemoveValue(item.mainkey, item.subkey, item.value);
            break;
        case CleanAction::kRemoveKey:
            modRegistry::RemoveKey(item.mainkey, item.subkey, item.value);
            break;
        case CleanAction::kDeleteFolder:
            platform::ShellDeleteFolder(item.mainkey);
            break;
        case CleanAction::kDeleteFile:
            platform::RemoveFile(item.mainkey);
            break;
    }
}

bool CleanItem(const DetectedItem& item, const std::string& windowsDirectory) {
    const CleanDecision decision = DecideClean(item, windowsDirectory);
    CarryOut(item, decision);
    return decision.counted;
}

}  // namespace clean
