// The recent files and places of Microsoft Office 2007 to 2021 and 365
// (versions 12.0 to 16.0), for every application that keeps them and, from
// Office 2013 on, for every account signed in to it.
#pragma once

#include "scan/scan_context.h"

namespace scan {

void ScanOfficeFileMru(ScanContext& ctx);  // "MSOffice2007"

}  // namespace scan
