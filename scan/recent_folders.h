// The Office 'Recent' folders and the files of the Windows 'Recent' folder.
#pragma once

#include "scan/scan_context.h"

namespace scan {

void ScanOfficeRecentFolders(ScanContext& ctx);   // step 2, "OfficeFolder"
void ScanWindowsRecentFolder(ScanContext& ctx);   // step 6, "WinRecent"

}  // namespace scan
