// The lists the shell keeps once per file extension: OpenSaveMRU, RecentDocs, OpenWith.
#pragma once

#include "scan/scan_context.h"

namespace scan {

void ScanOpenSaveMruCurrentUser(ScanContext& ctx);  // step 22
void ScanOpenSaveMruDefaultUser(ScanContext& ctx);  // step 23
void ScanRecentDocs(ScanContext& ctx);              // step 26
void ScanOpenWith(ScanContext& ctx);                // step 29, "winopenwith"

}  // namespace scan
