// The application lists of every user hive, with the "vs6" switch inside.
#pragma once

#include "scan/scan_context.h"

namespace scan {

void ScanHiveApplications(ScanContext& ctx);  // step 14

}  // namespace scan
