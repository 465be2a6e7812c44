#include "ui/keyboard_access.h"

#include <array>
#include <cctype>

namespace ui {

namespace {

using host::Window;

// Letters follow the caption's first letter unless that is taken in the
// window; "?" buttons have none.
constexpr std::array kAccessKeys = {
    AccessKey{Window::kMain, "ScanButton1", "Scan", 'S'},
    AccessKey{Window::kMain, "SettingsButton1", "Settings", 'T'},
    AccessKey{Window::kMain, "AboutButton1", "About/FAQ", 'A'},
    AccessKey{Window::kMain, "ExitButton1", "Exit", 'X'},

    AccessKey{Window::kScan, "chameleonButton2", "Abort", 'A'},
    AccessKey{Window::kScan, "chameleonButton2", "Main Menu", 'M'},
    AccessKey{Window::kScan, "resultsbutton", "Show Results", 'S'},
    AccessKey{Window::kScan, "cleanbutton1", "Clean Now", 'C'},

    AccessKey{Window::kResults, "cleanbutton2", "Clean Now", 'C'},
    AccessKey{Window::kResults, "chameleonButton22", "Main Menu", 'M'},

    AccessKey{Window::kCompletion, "cleanbutton", "Main Menu", 'M'},

    AccessKey{Window::kSettings, "chameleonButton1", "Go to Plugins", 'G'},
    AccessKey{Window::kSettings, "SaveSettingsButton1", "Save Settings", 'S'},
    AccessKey{Window::kSettings, "DeleteSettingsButton1", "Delete Settings from Registry", 'D'},
    AccessKey{Window::kSettings, "SettingsClose1", "Close", 'C'},

    AccessKey{Window::kPluginPanel, "chameleonButton1", "Crumbex", 'C'},
    AccessKey{Window::kPluginPanel, "chameleonButton3", "IE Temporary Internet File Cleaner", 'I'},
    AccessKey{Window::kPluginPanel, "chameleonButton2", "Back to Main Menu", 'B'},

    AccessKey{Window::kAbout, "cmdOK", "OK", 'O'},
    AccessKey{Window::kAbout, "cmdSysInfo", "System Information", 'S'},
    AccessKey{Window::kAbout, "FAQbutton1", "View FAQ", 'V'},

    AccessKey{Window::kFaq, "chameleonButton98", "Close", 'C'},

    AccessKey{Window::kCookiePlugin, "movecookietoignore", "Move >", 'M'},
    AccessKey{Window::kCookiePlugin, "movealltoignore", "Add All >", 'A'},
    AccessKey{Window::kCookiePlugin, "deletefromignore", "Delete Selected from Ignore List", 'D'},
    AccessKey{Window::kCookiePlugin, "saveignorelist", "Save Ignore List", 'L'},
    AccessKey{Window::kCookiePlugin, "buttonsecuredeletionconfigcookie", "Configuration", 'N'},
    AccessKey{Window::kCookiePlugin, "Button699", "More Information", 'I'},
    AccessKey{Window::kCookiePlugin, "saveallsettings", "Save Plug-in Settings", 'S'},
    AccessKey{Window::kCookiePlugin, "chameleonButton3", "Save Settings + Run Now", 'R'},
    AccessKey{Window::kCookiePlugin, "chameleonButton4", "Close", 'C'},
    AccessKey{Window::kCookiePlugin, "chameleonButton1", "Help", 'H'},

    AccessKey{Window::kCookieSecureDeletion, "savecookiesecuredeletesettings", "Save Settings", 'S'},
    AccessKey{Window::kCookieSecureDeletion, "cookiesecuredeletecancel", "Cancel", 'C'},

    AccessKey{Window::kIeTempFilesPlugin, "Button669", "More Information", 'I'},
    AccessKey{Window::kIeTempFilesPlugin, "saveallsettings", "Save Plug-in Settings", 'S'},
    AccessKey{Window::kIeTempFilesPlugin, "chameleonButton3", "Save Settings + Run Now", 'R'},
    AccessKey{Window::kIeTempFilesPlugin, "chameleonButton4", "Close", 'C'},
    AccessKey{Window::kIeTempFilesPlugin, "chameleonButton1", "Help", 'H'},
};

// The main, scan and results windows get no cancel button: their way back
// ends the program or discards the scan's results.
constexpr std::array kWindowKeys = {
    WindowKeys{Window::kMain, "ScanButton1", nullptr},
    WindowKeys{Window::kScan, "resultsbutton", nullptr},
    WindowKeys{Window::kResults, nullptr, nullptr},
    WindowKeys{Window::kCompletion, "cleanbutton", "cleanbutton"},
    WindowKeys{Window::kSettings, "SaveSettingsButton1", "SettingsClose1"},
    WindowKeys{Window::kPluginPanel, nullptr, "chameleonButton2"},
    WindowKeys{Window::kAbout, "cmdOK", "cmdOK"},
    WindowKeys{Window::kFaq, "chameleonButton98", "chameleonButton98"},
    WindowKeys{Window::kCookiePlugin, "saveallsettings", "chameleonButton4"},
    WindowKeys{Window::kCookieSecureDeletion, "savecookiesecuredeletesettings", "cookiesecuredeletecancel"},
    WindowKeys{Window::kIeTempFilesPlugin, "saveallsettings", "chameleonButton4"},
    WindowKeys{Window::kPluginStatus, nullptr, nullptr},
};

const WindowKeys* KeysOf(Window window) {
    for (const WindowKeys& keys : kWindowKeys) {
        if (keys.window == window) return &keys;
    }
    return nullptr;
}

}  // namespace

std::span<const AccessKey> AccessKeys() { return kAccessKeys; }

std::span<const WindowKeys> AllWindowKeys() { return kWindowKeys; }

const char* DefaultButton(Window window) {
    const WindowKeys* keys = KeysOf(window);
    return keys ? keys->defaultButton : nullptr;
}

const char* CancelButton(Window window) {
    const WindowKeys* keys = KeysOf(window);
    return keys ? keys->cancelButton : nullptr;
}

char AccessLetter(Window window, std::string_view control, std::string_view caption) {
    for (const AccessKey& key : kAccessKeys) {
        if (key.window == window && key.control == control && key.caption == caption) return key.letter;
    }
    return 0;
}

std::string WithAccessKey(Window window, std::string_view control, const std::string& caption) {
    const char letter = AccessLetter(window, control, caption);
    std::string shown;
    bool marked = false;
    for (const char c : caption) {
        if (c == '&') {
            shown += "&&";
            continue;
        }
        if (!marked && letter != 0 && std::toupper(static_cast<unsigned char>(c)) == letter) {
            shown += '&';
            marked = true;
        }
        shown += c;
    }
    return shown;
}

}  // namespace ui
