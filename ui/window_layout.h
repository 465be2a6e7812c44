// What the Qt and the Win32 views of the windows share, in one place: each
// window's size, the colours of the custom controls and, for the Win32
// views (which have no layout engine), the rectangle of every control.
//
// Sizes and rectangles are in pixels at 96 dots per inch, in the window's
// client area; the Win32 views scale them to the monitor's DPI. The Qt
// views lay their controls out with Qt's layouts and take only the window
// sizes, widths and colours from here.
#pragma once

#include "host/control_state.h"

namespace ui::layout {

struct Size {
    int width = 0, height = 0;
};

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
};

// The owner-drawn push button (ChameleonButton): its face, text and border
// colours, and how its face changes, in percent as QColor::lighter and
// darker take them (a factor on the HSV value).
namespace button {
inline constexpr host::Rgb kFace{214, 222, 236};
inline constexpr host::Rgb kText{0, 0, 0};
inline constexpr host::Rgb kDisabledText{128, 128, 128};
inline constexpr host::Rgb kBorder{64, 80, 112};
inline constexpr int kHoverLighter = 112;     // the face while the mouse is over it
inline constexpr int kDisabledLighter = 108;  // the face of a disabled button
inline constexpr int kPressedDarker = 115;    // the face while pressed
inline constexpr int kTopLighter = 118;       // the gradient's top, from the face
inline constexpr int kBottomDarker = 108;     // the gradient's bottom, from the face
inline constexpr int kPressedBottomLighter = 110;
inline constexpr int kCornerRadius = 3;
}  // namespace button

// The gradient progress bar (CoolProgress): a white trough with a grey
// border, filled from the left with a gradient from dark to light blue.
namespace progress {
inline constexpr host::Rgb kTrough{255, 255, 255};
inline constexpr host::Rgb kTroughBorder{128, 128, 128};
inline constexpr host::Rgb kFrom{0, 0, 128};
inline constexpr host::Rgb kTo{96, 160, 255};
inline constexpr int kHeight = 22;
}  // namespace progress

// Form1, the main window.
namespace main_window {
inline constexpr Size kClient{640, 250};
inline constexpr int kButtonWidth = 110;  // the four menu buttons, at least
inline constexpr Size kQuestionButton{22, 20};

inline constexpr Rect Label4{10, 6, 620, 44};
inline constexpr Rect Frame1{12, 56, 616, 154};
inline constexpr Rect ScanButton1{24, 68, kButtonWidth, 24};
inline constexpr Rect Label1{142, 66, 478, 32};
inline constexpr Rect SettingsButton1{24, 102, kButtonWidth, 24};
inline constexpr Rect Label8{142, 102, 478, 18};
inline constexpr Rect Label3{142, 122, 478, 18};
inline constexpr Rect AboutButton1{24, 142, kButtonWidth, 24};
inline constexpr Rect Label2{142, 140, 478, 32};
inline constexpr Rect ExitButton1{24, 176, kButtonWidth, 24};
inline constexpr Rect Label5{142, 180, 478, 18};
inline constexpr Rect Label7{12, 224, 330, 18};
inline constexpr Rect QuestionButtonNumber{346, 221, kQuestionButton.width, kQuestionButton.height};
inline constexpr Rect Label6{380, 224, 248, 18};
}  // namespace main_window

// Form2, the scan window.
namespace scan_window {
inline constexpr Size kClient{420, 312};

inline constexpr Rect Label5{10, 6, 400, 44};
inline constexpr Rect Label6{12, 50, 396, 22};
inline constexpr Rect Frame2{12, 78, 396, 66};
inline constexpr Rect Label4{24, 90, 372, 18};
inline constexpr Rect CoolProgress1{24, 112, 372, progress::kHeight};
inline constexpr Rect Frame1{12, 152, 396, 110};
inline constexpr Rect Label1{24, 164, 136, 18};
inline constexpr Rect listsdetected{162, 164, 234, 18};
inline constexpr Rect Label2{24, 184, 136, 18};
inline constexpr Rect itemsdetected{162, 184, 234, 18};
inline constexpr Rect Label3{24, 204, 136, 18};
inline constexpr Rect totaldetected{162, 204, 234, 18};
inline constexpr Rect chameleonButton2{24, 228, 118, 26};
inline constexpr Rect resultsbutton{150, 228, 120, 26};
inline constexpr Rect cleanbutton1{278, 228, 118, 26};
inline constexpr Rect notice{12, 268, 396, 36};
}  // namespace scan_window

// Form3, the results window.
namespace results_window {
inline constexpr Size kClient{560, 420};

inline constexpr Rect Frame1{12, 6, 536, 362};
inline constexpr Rect List1{22, 26, 516, 332};
inline constexpr Rect Label1{12, 384, 140, 18};
inline constexpr Rect totaldetected{154, 384, 120, 18};
inline constexpr Rect cleanbutton2{318, 378, 112, 26};
inline constexpr Rect chameleonButton22{436, 378, 112, 26};
}  // namespace results_window

// Form4, the completion window.
namespace completion_window {
inline constexpr Size kClient{380, 200};
// The heading "Congratulations!": the window's font, bold and this much
// larger, in points.
inline constexpr int kHeadingGrowth = 4;

inline constexpr Rect Frame1{12, 6, 356, 148};
inline constexpr Rect Label1{24, 20, 332, 30};
inline constexpr Rect Label2{24, 60, 150, 18};
inline constexpr Rect totaldetected{180, 60, 176, 18};
inline constexpr Rect Label3{24, 86, 150, 18};
inline constexpr Rect totalcleaned{180, 86, 176, 18};
inline constexpr Rect Label4{24, 112, 150, 18};
inline constexpr Rect sysstatus{180, 112, 176, 18};
inline constexpr Rect cleanbutton{134, 164, 112, 26};
}  // namespace completion_window

}  // namespace ui::layout
