#include "clean/clean_item.h"

#include "clean/path_guard.h"
#include "platform/file_delete.h"
#include "platform/file_listing.h"
#include "platform/files.h"
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
    if (!folder) return {CleanAction::kDeleteFile, true};
    // The shell's delete takes a file as readily as a folder; a folder row
    // whose path now names a file does not name what was recorded.
    const auto attributes = platform::GetFileAttributes(item.mainkey);
    const bool isFolder = attributes && (*attributes & platform::kFileAttributeDirectory) != 0;
    return {isFolder ? CleanAction::kDeleteFolder : CleanAction::kNothing, true};
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
