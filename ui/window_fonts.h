// The fonts the windows' texts are set in, where they differ from the
// window's own.
#pragma once

namespace ui {

struct Font {
    const char* family;
    int pointSize;
    bool bold;
};

// The program's name at the top of the main and scan windows.
inline constexpr Font kTitleFont{"Arial", 24, true};
// The window's name under that title.
inline constexpr Font kSubtitleFont{"Arial", 12, true};

}  // namespace ui
