// The application lists of the current user, with the "regedit" switch inside.
#pragma once

#include "scan/scan_context.h"

namespace scan {

void ScanCurrentUserApplications(ScanContext& ctx);  // step 13

}  // namespace scan
