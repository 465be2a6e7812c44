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

// Form5, the settings window. The category boxes stand in two columns, each
// box with its "?" button (if it has one) at its right.
namespace settings_window {
inline constexpr Size kClient{620, 580};
inline constexpr Size kQuestionButton{22, 20};
inline constexpr int kRowHeight = 24;
inline constexpr int kBoxWidth = 250;
inline constexpr int kColumnStep = 290;  // from the left column's box to the right one's

inline constexpr Rect Frame1{8, 6, 604, 472};
inline constexpr Rect Label1{20, 24, 580, 30};
inline constexpr Rect Label2{20, 56, 580, 16};
inline constexpr Rect Boxes{20, 78, 580, 10 * kRowHeight};  // the twenty boxes
inline constexpr Rect Frame3{20, 322, 580, 124};
inline constexpr Rect NewerBoxes{32, 342, 556, 4 * kRowHeight};  // Frame3's boxes
inline constexpr Rect Label3{20, 452, 580, 18};
inline constexpr Rect Frame2{8, 484, 604, 52};
inline constexpr Rect Label4{20, 506, 440, 18};
inline constexpr Rect chameleonButton1{484, 500, 116, 26};
inline constexpr Rect SaveSettingsButton1{8, 546, 196, 26};
inline constexpr Rect DeleteSettingsButton1{212, 546, 196, 26};
inline constexpr Rect SettingsClose1{416, 546, 196, 26};

// The box in that column (0 left, 1 right) and row of an area of boxes.
constexpr Rect CheckBox(Rect area, int column, int row) {
    return {area.x + column * kColumnStep, area.y + row * kRowHeight, kBoxWidth, kRowHeight - 4};
}
// The "?" button beside that box.
constexpr Rect HelpButton(Rect area, int column, int row) {
    return {area.x + column * kColumnStep + kBoxWidth + 4, area.y + row * kRowHeight, kQuestionButton.width,
            kQuestionButton.height};
}
}  // namespace settings_window

// Form6, the plug-in control panel: a frame per plug-in, its name, version
// and description on the left and the button that opens it on the right.
namespace plugin_panel_window {
inline constexpr Size kClient{640, 456};

inline constexpr Rect Label5{10, 6, 620, 44};
inline constexpr Rect Label1{12, 50, 616, 22};
inline constexpr Rect Frame1{12, 80, 616, 162};
inline constexpr Rect Label2{24, 92, 360, 18};
inline constexpr Rect Label3{24, 114, 360, 18};
inline constexpr Rect Label4{24, 136, 360, 98};
inline constexpr Rect chameleonButton1{390, 148, 226, 26};
inline constexpr Rect Frame2{12, 252, 616, 162};
inline constexpr Rect Label8{24, 264, 360, 18};
inline constexpr Rect Label7{24, 286, 360, 18};
inline constexpr Rect Label6{24, 308, 360, 98};
inline constexpr Rect chameleonButton3{390, 320, 226, 26};
inline constexpr Rect chameleonButton2{490, 422, 138, 26};
}  // namespace plugin_panel_window

// frmAbout, the about window.
namespace about_window {
inline constexpr Size kClient{440, 270};

inline constexpr Rect lblTitle{10, 6, 420, 44};
inline constexpr Rect lblVersion{12, 52, 416, 18};
inline constexpr Rect lblDescription{12, 72, 416, 18};
inline constexpr Rect UpperLine1{12, 94, 416, 2};
inline constexpr Rect Label3{12, 102, 416, 18};
inline constexpr Rect Label1{12, 122, 416, 18};
inline constexpr Rect Label2{12, 142, 416, 18};
inline constexpr Rect LowerLine1{12, 166, 416, 2};
inline constexpr Rect lblDisclaimer{12, 208, 268, 34};
inline constexpr Rect cmdOK{288, 176, 140, 26};
inline constexpr Rect cmdSysInfo{288, 208, 140, 26};
inline constexpr Rect FAQbutton1{288, 240, 140, 26};
}  // namespace about_window

// FAQfrm, the quick FAQ window.
namespace faq_window {
inline constexpr Size kClient{420, 266};

inline constexpr Rect Frame1{12, 6, 396, 100};
inline constexpr Rect Label1{24, 28, 372, 70};
inline constexpr Rect Frame2{12, 114, 396, 110};
inline constexpr Rect Label2{24, 136, 372, 80};
inline constexpr Rect chameleonButton98{328, 232, 80, 26};
}  // namespace faq_window

// The row of buttons at the foot of both plug-in windows.
struct PluginButtonRow {
    Rect saveallsettings, chameleonButton3, chameleonButton4, chameleonButton1;
};

// The pass-count controls: the default and custom options, the label of
// the custom count and its box.
struct PassOptionRects {
    Rect defaultOption, customOption, label, box;
};

// cookieplugin, the Crumbex plug-in window.
namespace cookie_plugin_window {
inline constexpr Size kClient{600, 500};

inline constexpr Rect Label1{10, 8, 150, 24};
inline constexpr Rect Label2{162, 14, 60, 16};
inline constexpr Rect Frame1{10, 36, 580, 296};
inline constexpr Rect Label3{22, 58, 232, 18};
inline constexpr Rect Label4{346, 58, 232, 18};
inline constexpr Rect File1{22, 78, 232, 176};
inline constexpr Rect CookieIgnoreList{346, 78, 232, 176};
inline constexpr Rect movecookietoignore{260, 136, 80, 24};
inline constexpr Rect movealltoignore{260, 168, 80, 24};
inline constexpr Rect deletefromignore{196, 262, 226, 26};
inline constexpr Rect saveignorelist{428, 262, 120, 26};
inline constexpr Rect questionignorelist{556, 265, 22, 20};
inline constexpr Rect Text1{22, 298, 556, 22};
inline constexpr Rect Frame3{10, 340, 580, 64};
inline constexpr Rect CheckSecureDelete{22, 364, 300, 20};
inline constexpr Rect buttonsecuredeletionconfigcookie{338, 360, 110, 26};
inline constexpr Rect Button699{454, 360, 124, 26};
inline constexpr Rect Frame2{10, 412, 580, 80};
inline constexpr Rect CheckAutomaticClean{22, 428, 556, 20};
inline constexpr PluginButtonRow kButtons{
    {22, 456, 150, 26}, {180, 456, 170, 26}, {358, 456, 60, 26}, {524, 456, 54, 26}};
}  // namespace cookie_plugin_window

// cookiesecuredeletion, the Crumbex pass-count options window.
namespace cookie_options_window {
inline constexpr Size kClient{320, 148};

inline constexpr PassOptionRects kPasses{{10, 8, 300, 20}, {10, 34, 300, 20}, {10, 64, 134, 18}, {148, 62, 48, 22}};
inline constexpr Rect Label2{10, 92, 300, 18};
inline constexpr Rect savecookiesecuredeletesettings{126, 114, 104, 26};
inline constexpr Rect cookiesecuredeletecancel{236, 114, 74, 26};
}  // namespace cookie_options_window

// ietempfilesplugin, the temporary internet files plug-in window.
namespace cache_plugin_window {
inline constexpr Size kClient{560, 334};

inline constexpr Rect Label1{10, 8, 330, 24};
inline constexpr Rect Label2{342, 14, 60, 16};
inline constexpr Rect Frame1{10, 36, 540, 80};
inline constexpr Rect Label3{22, 56, 516, 18};
inline constexpr Rect Text1{22, 80, 516, 22};
inline constexpr Rect Frame3{10, 124, 540, 142};
inline constexpr Rect CheckSecureDelete{22, 144, 300, 20};
inline constexpr PassOptionRects kPasses{
    {42, 170, 300, 20}, {42, 196, 300, 20}, {42, 228, 134, 18}, {180, 226, 48, 22}};
inline constexpr Rect Button669{414, 228, 124, 26};
inline constexpr Rect CheckAutomaticClean{10, 274, 540, 20};
inline constexpr PluginButtonRow kButtons{
    {10, 300, 150, 26}, {168, 300, 170, 26}, {346, 300, 60, 26}, {496, 300, 54, 26}};
}  // namespace cache_plugin_window

// pluginstatus, the plug-in status window.
namespace plugin_status_window {
inline constexpr Size kClient{460, 158};

inline constexpr Rect Label1{10, 8, 440, 22};
inline constexpr Rect Line1{10, 34, 440, 2};
inline constexpr Rect Frame1{10, 44, 440, 104};
inline constexpr Rect Status{22, 66, 416, 18};
inline constexpr Rect Status2{22, 88, 416, 18};
inline constexpr Rect Progress{22, 114, 416, progress::kHeight};
}  // namespace plugin_status_window

}  // namespace ui::layout
