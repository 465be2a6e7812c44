// The main window (Form1, "Nimbrel") as plain state and handlers: the
// program's menu, and its load step, which decides between the windows and
// the silent run.
#pragma once

#include <functional>
#include <string>

#include "host/host.h"
#include "ui/addresses.h"

namespace ui {

class MainWindowModel {
public:
    static constexpr const char* kCaption = "Nimbrel";
    static constexpr const char* kLabel4 = "Nimbrel";
    static constexpr const char* kScanButton1 = "Scan";
    static constexpr const char* kLabel1 =
        "-Scan your computer for MRU lists, and other lists that might store similar information.";
    static constexpr const char* kSettingsButton1 = "Settings";
    static constexpr const char* kLabel8 = "-Change program settings (including items to ignore when scanning).";
    static constexpr const char* kLabel3 = "-Enable/disable and run plugins and extra features.";
    static constexpr const char* kAboutButton1 = "About/FAQ";
    static constexpr const char* kLabel2 =
        "-Gain information about Nimbrel (including version number and date of database). Also, view the FAQ.";
    static constexpr const char* kExitButton1 = "Exit";
    static constexpr const char* kLabel5 = "Exit this program.";
    static constexpr const char* kLabel7 = "Database Version: 3.28.04 - approx. 30,345 MRU items";
    static constexpr const char* kQuestionButtonNumber = "?";
    static constexpr const char* kLabel6 = kWebSite;  // shown, and opened on a click
    static constexpr const char* kDatabaseTitle = "About Database";
    static constexpr const char* kDatabaseText =
        "The Nimbrel database has approx. 30,345 items in it, however it is HIGHLY unlikely that you will have "
        "all of those items present on your system.";

    // The scan of a silent start: on a scan window that is loaded but never
    // shown, and ending the program.
    using SilentScan = std::function<void()>;

    explicit MainWindowModel(host::Host& host) : host_(host) {}

    // The load step: with "-SILENT" it sets the silent flag and runs the
    // silent scan, and should that return, the main window is unloaded.
    // Otherwise the window is left to be shown.
    void Load(const std::string& commandLine, const SilentScan& silentScan);
    bool Silent() const { return silent_; }

    void OnScanClick();
    void OnSettingsClick();
    void OnAboutClick();
    void OnExitClick();
    void OnDatabaseInfoClick();
    void OnWebAddressClick();
    // The close box: the program ends, whatever else is open.
    void OnCloseRequest();

private:
    host::Host& host_;
    bool silent_ = false;
};

}  // namespace ui
