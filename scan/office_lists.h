// The Microsoft Office lists (with the Open Find tables) and the three Corel lists.
#pragma once

#include "scan/scan_context.h"

namespace scan {

void ScanMicrosoftOffice(ScanContext& ctx);     // step 1, "MSOffice"
void ScanWordPerfect(ScanContext& ctx);         // step 3, "wordperfect"
void ScanQuattroPro(ScanContext& ctx);          // step 4, "quattropro"
void ScanCorelPresentations(ScanContext& ctx);  // step 5, "corelpresentations"

}  // namespace scan
