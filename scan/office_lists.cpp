// The catalogue rows of these scanners land with their own change; until
// then each scanner records nothing.
#include "scan/office_lists.h"

namespace scan {

void ScanMicrosoftOffice(ScanContext&) {}
void ScanWordPerfect(ScanContext&) {}
void ScanQuattroPro(ScanContext&) {}
void ScanCorelPresentations(ScanContext&) {}

}  // namespace scan
