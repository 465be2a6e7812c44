// These scanners land with their own change; until then each records
// nothing.
#include "scan/key_scanners.h"

namespace scan {

void ScanOutlookExpressIdentities(ScanContext&) {}
void ScanGoogleToolbar(ScanContext&) {}
void ScanUserAssist(ScanContext&) {}
void ScanTrayNotify(ScanContext&) {}
void ScanUnreadMail(ScanContext&) {}

}  // namespace scan
