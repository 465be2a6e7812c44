// The Office 'Recent' folders and the files of the Windows 'Recent' folder.
#pragma once

#include <optional>
#include <string>

#include "scan/scan_context.h"

namespace scan {

void ScanOfficeRecentFolders(ScanContext& ctx);  // step 2, "OfficeFolder"
void ScanWindowsRecentFolder(ScanContext& ctx);  // step 6, "WinRecent"

// The folder that the current user's "Recent" shell folder value names,
// when it is one whose files may be listed for deleting: stored as a
// string, fully qualified, plainly spelt, not the Windows directory nor a
// root, and there.
std::optional<std::string> WindowsRecentFolder();

// Records each file directly in folder, hidden and system files too, but
// "Desktop.ini", as a "File" item labelled label and the file's index in
// the sorted listing.
void RecordFolderFiles(ScanContext& ctx, const std::string& folder, const std::string& label);

}  // namespace scan
