// The catalogue rows of these scanners land with their own change; until
// then each scanner records nothing.
#include "scan/extension_lists.h"

namespace scan {

void ScanOpenSaveMruCurrentUser(ScanContext&) {}
void ScanOpenSaveMruDefaultUser(ScanContext&) {}
void ScanRecentDocs(ScanContext&) {}
void ScanOpenWith(ScanContext&) {}

}  // namespace scan
