// The jump lists of Windows 7 and later: the files that Windows keeps per
// program in the "AutomaticDestinations" and "CustomDestinations"
// subfolders of the user's 'Recent' folder.
#pragma once

#include "scan/scan_context.h"

namespace scan {

void ScanJumpLists(ScanContext& ctx);  // "WinJumpLists"

}  // namespace scan
