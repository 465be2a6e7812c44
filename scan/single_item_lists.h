// Single MRU items of many applications, archiver lists and peer-to-peer searches.
#pragma once

#include "scan/scan_context.h"

namespace scan {

void ScanSingleItems(ScanContext& ctx);         // step 12, "miscnotlists"
void ScanArchivers(ScanContext& ctx);           // step 15
void ScanPeerToPeerSearches(ScanContext& ctx);  // step 16

}  // namespace scan
