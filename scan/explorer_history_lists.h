// What Explorer of Windows Vista to 11 remembers of each user: typed paths,
// search terms, the common dialogs' folders and files, mapped drives,
// taskbar use, recent apps, the UserAssist counters and the shell bags.
// Each step walks the current user and then every hive of the hive list.
#pragma once

#include "scan/scan_context.h"

namespace scan {

void ScanExplorerHistory(ScanContext& ctx);  // "WinExplorer"
void ScanUserAssistSeven(ScanContext& ctx);  // "userassist7"
void ScanShellBags(ScanContext& ctx);        // "shellbags", off unless switched on

}  // namespace scan
