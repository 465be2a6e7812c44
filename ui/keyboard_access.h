// Keyboard use of the windows, shared by every toolkit's views: the access
// key (Alt + letter) of each button, and per window the button that Enter
// presses and the one that Escape presses. Buttons are named by their
// control names, which are the views' object names.
//
// A button whose caption changes while it is shown (the scan window's
// "Abort", later "Main Menu") has one row per caption, so the key always
// follows the caption on screen. A caption without a row, or without a
// letter (the "?" buttons), has no access key; the button is still reached
// with Tab.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "host/host.h"

namespace ui {

struct AccessKey {
    host::Window window;
    const char* control;  // the button's control name
    const char* caption;  // the caption it shows, letter for letter
    char letter;          // upper case; the caption holds it in either case
};

// Enter presses the default button (unless the focus is on a button, which
// Enter then presses itself); Escape presses the cancel button. A window
// gets a cancel button only when it has one that closes it and nothing
// more, and Enter never starts a clean or a plug-in run.
struct WindowKeys {
    host::Window window;
    const char* defaultButton;  // control name, or null for none
    const char* cancelButton;   // control name, or null for none
};

std::span<const AccessKey> AccessKeys();
std::span<const WindowKeys> AllWindowKeys();

// The control names of the window's default and cancel buttons; null for none.
const char* DefaultButton(host::Window window);
const char* CancelButton(host::Window window);

// The access letter of the control while it shows this caption; 0 for none.
char AccessLetter(host::Window window, std::string_view control, std::string_view caption);

// The caption as a button shows it: a literal "&" doubled, and "&" put
// before the first occurrence of the access letter (either case). Without
// an access key only the doubling is done.
std::string WithAccessKey(host::Window window, std::string_view control, const std::string& caption);

}  // namespace ui
