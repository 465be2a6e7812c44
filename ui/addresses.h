// The web addresses the windows show. The project has no home of its own
// yet, so both are reserved example addresses.
#pragma once

namespace ui {

// The maker's web site: the main window's link label shows and opens it.
inline constexpr const char* kWebSite = "https://www.example.org/nimbrel/";
// The support forum the about window names (plain text, not a link).
inline constexpr const char* kForum = "https://forum.example.org/nimbrel/";

}  // namespace ui
