// The lists that Windows itself and its accessories keep: typed addresses,
// the media player, Paint and WordPad, the common dialogs' last-visited
// folders, the Run dialog, Find and Search, the network neighbourhood,
// install locations and the shell's stream list.
#pragma once

#include "scan/scan_context.h"

namespace scan {

void ScanTypedUrls(ScanContext& ctx);            // step 7, "IETypedURL"
void ScanMediaPlayer(ScanContext& ctx);          // step 9
void ScanPaintAndWordPad(ScanContext& ctx);      // step 10
void ScanLastVisitedMru(ScanContext& ctx);       // step 17, current and default user
void ScanRunMru(ScanContext& ctx);               // step 18, "WinRun"
void ScanFindMrus(ScanContext& ctx);             // step 19, "WinFind"
void ScanNetworkMrus(ScanContext& ctx);          // step 20, "windowsnetwork"
void ScanInstallLocations(ScanContext& ctx);     // step 21, "installlocations"
void ScanLastVisitedMruHives(ScanContext& ctx);  // step 24, every user hive
void ScanStreamMru(ScanContext& ctx);            // step 25, "WinStream"

}  // namespace scan
