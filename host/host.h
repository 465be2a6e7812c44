// What the core asks of the program around it: the message loop, message
// boxes, and showing and unloading windows. The windowed program, the
// command-line tool and the tests each provide one.
#pragma once

#include <optional>
#include <string>

namespace host {

enum class MessageIcon { kNone, kQuestion, kInformation };

enum class Window {
    kMain,                  // Form1
    kScan,                  // Form2
    kResults,               // Form3
    kCompletion,            // Form4
    kSettings,              // Form5
    kPluginPanel,           // Form6
    kAbout,                 // frmAbout
    kFaq,                   // FAQfrm
    kCookiePlugin,          // cookieplugin
    kCookieSecureDeletion,  // cookiesecuredeletion
    kIeTempFilesPlugin,     // ietempfilesplugin
    kPluginStatus,          // pluginstatus
};

class Host {
public:
    virtual ~Host() = default;

    // Lets the message loop handle what is pending (repaints, clicks,
    // timers), then returns. Click handlers run inside this call.
    virtual void Yield() = 0;
    // A modal message box with an OK button and no icon.
    virtual void MessageBox(const std::string& text, const std::string& title) = 0;

    virtual void ShowWindow(Window window) = 0;
    // Brings a minimised window back to its normal state.
    virtual void RestoreWindow(Window window) = 0;
    // Takes the window away once control is back in the message loop, so a
    // handler may unload the window whose code is still running.
    virtual void UnloadWindow(Window window) = 0;
    virtual void EndProgram() = 0;

    // The members below concern windows on screen only; a host without
    // windows (the command line, a silent run) has nothing to do for them.

    // Hides a window without unloading it.
    virtual void HideWindow(Window) {}
    // Makes a window topmost (on) or ordinary (off), keeping its position
    // and size.
    virtual void SetTopMost(Window, bool /*on*/) {}
    // Hands a web address to the shell's default action (the default
    // browser) in a normal window; the outcome is not looked at.
    virtual void OpenWebAddress(const std::string& /*address*/) {}
    // The program's window that is active (has the focus), if any.
    virtual std::optional<Window> ActiveWindow() { return std::nullopt; }
    // A modal message box with an OK button and an icon; without windows
    // there is no icon to show, and the text goes to MessageBox.
    virtual void MessageBoxWithIcon(const std::string& text, const std::string& title, MessageIcon /*icon*/) {
        MessageBox(text, title);
    }
};

}  // namespace host
