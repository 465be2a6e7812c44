#include "scan/jump_lists.h"

#include <optional>
#include <string>
#include <vector>

#include "platform/file_names.h"
#include "platform/subfolder_listing.h"
#include "scan/recent_folders.h"

namespace scan {

namespace {

struct JumpListFolder {
    const char* name;
    const char* label;
};

constexpr JumpListFolder kFolders[] = {
    {"AutomaticDestinations", "Windows Jump List - Automatic Destinations Item - "},
    {"CustomDestinations", "Windows Jump List - Custom Destinations Item - "},
};

}  // namespace

// The subfolders are taken only as the 'Recent' folder lists them: a link
// or junction of that name leads elsewhere and is passed over. Within
// them the 'Recent' folder's own rules hold (every file, "Desktop.ini"
// aside).
void ScanJumpLists(ScanContext& ctx) {
    const std::optional<std::string> recent = WindowsRecentFolder();
    if (!recent) return;
    std::vector<std::string> subfolders;
    if (platform::ListSubfolders(*recent, subfolders) != 0) return;
    for (const JumpListFolder& folder : kFolders) {
        for (const std::string& subfolder : subfolders) {
            if (platform::FileNamesEqual(subfolder, folder.name)) {
                RecordFolderFiles(ctx, *recent + "\\" + subfolder, folder.label);
            }
        }
    }
}

}  // namespace scan
