// The histories of Windows' own tools and of common applications on
// Windows Vista to 11: the Remote Desktop client's computers, Media
// Player's addresses, WordPad's files in other users' hives, the registry
// editor's favourites, Adobe Reader's and Acrobat's recent files and
// folders, and 7-Zip's histories. Each step walks the current user and
// then every hive of the hive list.
#pragma once

#include "scan/scan_context.h"

namespace scan {

void ScanRemoteDesktop(ScanContext& ctx);  // "remotedesktop"
void ScanMediaAndTools(ScanContext& ctx);  // "mediatools"

}  // namespace scan
