// The program's own windows on the test machine: each checked and pictured,
// a scan and clean worked by clicks and by the keyboard alone, and the
// program of the release zip.
#pragma once

#include <string>

namespace window_probe {

// program: the command line that starts nimbrel.
void RenderWindows(const std::wstring& program, const std::wstring& folder);
// Scan, Show Results, one row unchecked by a click, Clean Now: the totals
// and the registry afterwards.
void CleanByClicks(const std::wstring& program);
// With the keys alone: Alt+S Scan, Alt+S Show Results, Alt+C Clean Now,
// Enter Main Menu, Enter Scan, Alt+C Clean Now (from the scan window).
void CleanByKeys(const std::wstring& program);
// The program as unpacked from the release zip: its main window opens and
// shows its controls, and "-SILENT" cleans every trace and ends with 0.
void RunRelease(const std::wstring& program);
// A cookie put on the Crumbex ignore list by clicks, the settings saved
// (their message box answered), Run Now: the other cookie files gone, that
// one kept, and the window opened again lists it.
void CookieRunByClicks(const std::wstring& program);

}  // namespace window_probe
