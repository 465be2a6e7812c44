// The base of every window's Win32 view, the counterpart of the Qt views'
// ui/qt/model_window.h. A view derives from ModelWindow, makes its window
// with Create and its controls with the Add... members in its constructor,
// each at its rectangle of ui/window_layout.h, and brings them up to date
// with its model in Render. It decides nothing: every click goes to the
// model through the host (Win32Host::Handle), which renders every loaded
// window afterwards.
//
// What the base does for its views:
// - registers one window class for all of them and keeps the view's
//   pointer in the window (GWLP_USERDATA);
// - keeps a table of its controls: control id, object name (the Qt view's,
//   e.g. "ScanButton1"), rectangle, font and handlers; WM_COMMAND,
//   WM_NOTIFY and WM_DRAWITEM go to the control's entry;
// - names every control and the window itself with the property
//   kNameProperty (a global atom of the name), so that a test, also from
//   another process, finds "ScanButton1" with FindNamedControl;
// - makes the fonts of ui/window_fonts.h with CreateFontIndirectW at the
//   window's DPI, and lays out again when the DPI changes (WM_DPICHANGED);
// - colours the labels (WM_CTLCOLORSTATIC) from host::Label::colour;
// - turns the close box (WM_CLOSE) into OnCloseRequest, run through the
//   host; unloads by the program never reach it.
//
// Keyboard: the host's message loop runs IsDialogMessageW on the active
// window, so Tab moves between the WS_TABSTOP controls, Space presses the
// focused button, and Enter and Escape arrive as WM_COMMAND IDOK and
// IDCANCEL, which go to the handlers set with SetDefaultButton and
// SetCancelButton. Every button's caption passes through ButtonCaption,
// the one place where a caption gets its access key ("&").
#pragma once

#include "ui/win32/windows_api.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/control_state.h"
#include "host/host.h"
#include "ui/window_fonts.h"
#include "ui/window_layout.h"

namespace ui::win32 {

class Win32Host;

// The window property that names a control or a window: a global atom
// (GlobalAddAtomW) of its object name, readable from any process with
// GlobalGetAtomNameW.
inline constexpr const wchar_t* kNameProperty = L"Nimbrel.Name";
// The window class of every view.
inline constexpr const wchar_t* kWindowClass = L"NimbrelWindow";

// The object name of a window or control (kNameProperty), or "".
std::wstring ObjectName(HWND window);
// The descendant of top (or top itself) named so, or null.
HWND FindNamedControl(HWND top, std::wstring_view name);

// The fonts a control's text is set in.
enum class FontRole {
    kNormal,    // the system's message font
    kBold,      // the same, bold
    kTitle,     // ui::kTitleFont
    kSubtitle,  // ui::kSubtitleFont
    kHeading,   // the message font, bold, ui::layout::completion_window::kHeadingGrowth points larger
    kLink,      // the message font, underlined
};

class ModelWindow {
public:
    ModelWindow(Win32Host& host, host::Window id, const char* objectName);
    virtual ~ModelWindow();
    ModelWindow(const ModelWindow&) = delete;
    ModelWindow& operator=(const ModelWindow&) = delete;

    host::Window Id() const { return id_; }
    HWND Handle() const { return window_; }
    const std::string& Name() const { return name_; }
    // Brings every control up to date with the model.
    virtual void Render() = 0;
    // The host has just unloaded the window (and hidden it); it is
    // destroyed later, once no handler runs.
    virtual void OnUnload() {}

    // The control of that object name (the Qt view's), or null.
    HWND Control(std::string_view name) const;
    // The window's DPI: 96 is 100 %.
    UINT Dpi() const { return dpi_; }
    // A length at 96 DPI, at the window's DPI.
    int Scale(int length) const { return MulDiv(length, static_cast<int>(dpi_), 96); }

    // The caption a button shows for the model's caption: the one place
    // where a caption could get its access key ("&"). Today the caption as
    // it is.
    static std::wstring ButtonCaption(host::Window window, std::string_view controlName, std::string_view caption);

protected:
    // Makes the top-level window (hidden) with its caption and the size of
    // its client area at 96 DPI. A resizable window gets a sizing border
    // and a maximise box.
    void Create(const char* caption, layout::Size client, bool resizable = false);

    // The user closes the window through its close box or system menu. By
    // default the window is unloaded; the main, scan, results and
    // completion windows end the program instead.
    virtual void OnCloseRequest();
    // Messages the table does not handle; nullopt passes them on to
    // DefWindowProcW.
    virtual std::optional<LRESULT> OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {
        return std::nullopt;
    }
    // The window's size has changed (and its DPI, perhaps): views whose
    // controls follow the size move them here with Place. The client size
    // is in pixels; a minimised window's is 0 by 0.
    virtual void OnResize(int /*clientWidth*/, int /*clientHeight*/) {}
    // Moves a control to a rectangle at 96 DPI, for the size of the moment
    // (its rectangle in the table stays).
    void Place(HWND control, layout::Rect rect);

    // Controls. Each gets the next control id, its object name, its
    // rectangle (96-DPI client coordinates, scaled to the DPI) and its
    // font. Texts are the core's (ANSI code page).
    HWND AddLabel(const char* name, layout::Rect rect, const char* text, FontRole font = FontRole::kNormal,
                  DWORD align = SS_LEFT);
    // A static that is clicked (SS_NOTIFY): the link label, as wide as its
    // text, at the left (SS_LEFT) or the right (SS_RIGHT) of the rectangle.
    HWND AddLink(const char* name, layout::Rect rect, const char* text, std::function<void()> onClick,
                 DWORD align = SS_LEFT);
    HWND AddGroup(const char* name, layout::Rect rect, const char* caption = "");
    // An owner-drawn button (chameleon_button.h); onClick runs through the
    // host when the user clicks it.
    HWND AddButton(const char* name, layout::Rect rect, const char* caption, std::function<void()> onClick);
    HWND AddProgress(const char* name, layout::Rect rect);
    HWND AddSplitter(const char* name, layout::Rect rect);
    // Any other control, of a window class and styles of the caller's;
    // WS_CHILD and WS_VISIBLE are added.
    HWND AddControl(const char* name, const wchar_t* windowClass, DWORD style, DWORD exStyle, layout::Rect rect,
                    FontRole font = FontRole::kNormal, const wchar_t* text = L"");

    // Handlers of a control's WM_COMMAND (with its notification code) and
    // WM_NOTIFY. They run as the message comes; a handler that reaches the
    // model goes through host_.Handle.
    void OnCommand(HWND control, std::function<void(WORD code)> handler);
    void OnNotify(HWND control, std::function<LRESULT(NMHDR& header)> handler);
    // Enter (IDOK) and Escape (IDCANCEL) press these buttons when they are
    // enabled and visible.
    void SetDefaultButton(HWND button) { defaultButton_ = button; }
    void SetCancelButton(HWND button) { cancelButton_ = button; }

    // Rendering of the control state the models hold.
    void RenderLabel(HWND label, const host::Label& state);
    void RenderButton(HWND button, const host::Button& state);
    void RenderProgress(HWND progress, const host::ProgressBar& state);
    // Sets a control's text (the core's) when it differs.
    void SetText(HWND control, std::string_view text);
    // The text colour of a static control (WM_CTLCOLORSTATIC).
    void SetTextColour(HWND control, host::Rgb colour);

    HFONT Font(FontRole role) const { return fonts_[static_cast<int>(role)]; }

    Win32Host& host_;

private:
    struct Entry {
        HWND control = nullptr;
        int id = 0;
        std::string name;
        layout::Rect rect;
        FontRole font = FontRole::kNormal;
        std::function<void(WORD)> command;
        std::function<LRESULT(NMHDR&)> notify;
        std::optional<host::Rgb> colour;
        ATOM nameAtom = 0;
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    Entry* Find(HWND control);
    Entry* FindId(int id);
    HWND Add(const char* name, HWND control, layout::Rect rect, FontRole font);
    void MakeFonts();
    void FreeFonts();
    void LayOut();
    void PressIfUsable(HWND button);

    host::Window id_;
    std::string name_;
    HWND window_ = nullptr;
    ATOM nameAtom_ = 0;
    UINT dpi_ = 96;
    layout::Size client_;
    bool resizable_ = false;
    std::vector<Entry> controls_;
    HFONT fonts_[6] = {};
    HWND focus_ = nullptr;  // the control that had the focus when the window was last active
    HWND defaultButton_ = nullptr;
    HWND cancelButton_ = nullptr;
};

}  // namespace ui::win32
