// These scanners land with their own change; until then each records
// nothing.
#include "scan/recent_folders.h"

namespace scan {

void ScanOfficeRecentFolders(ScanContext&) {}
void ScanWindowsRecentFolder(ScanContext&) {}

}  // namespace scan
