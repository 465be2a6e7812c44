// Scanners that record whole keys or walk enumerated keys.
#pragma once

#include "scan/scan_context.h"

namespace scan {

void ScanOutlookExpressIdentities(ScanContext& ctx);  // step 8
void ScanGoogleToolbar(ScanContext& ctx);             // step 11, "googletoolbar"
void ScanUserAssist(ScanContext& ctx);                // step 27, "userassist"
void ScanTrayNotify(ScanContext& ctx);                // step 28, "cleartraynotify"
void ScanUnreadMail(ScanContext& ctx);                // step 30, "unreadmail"

}  // namespace scan
