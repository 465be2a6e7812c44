// The settings window (Form5, "Program Settings") as plain state and
// handlers: a check box for each scan category of the ignore store, their
// save and delete, the way to the plug-in control panel, and the "?"
// buttons. A view renders the boxes and forwards the clicks.
#pragma once

#include <array>
#include <cstddef>

#include "host/host.h"
#include "settings/scan_categories.h"

namespace settings {

class SettingsWindowModel {
public:
    static constexpr const char* kCaption = "Program Settings";
    static constexpr const char* kFrame1 = "Scan Options";
    static constexpr const char* kIntroLabel =
        "The following items (at user request) have been added in this section to allow you to "
        "permanently ignore them in scanning. Any item that is checked below will be scanned.";
    static constexpr const char* kUncheckLabel = "Uncheck any items you wish to be ignored in scanning.";
    static constexpr const char* kBottomLabel = "Any items not on this list can be found on the scan results screen.";
    static constexpr const char* kFrame2 = "Plugins";
    static constexpr const char* kPluginsLabel =
        "Nimbrel plug-ins provide additional cleaning support for other items on disk.";
    static constexpr const char* kGoToPlugins = "Go to Plugins";                     // chameleonButton1
    static constexpr const char* kSaveSettings = "Save Settings";                    // SaveSettingsButton1
    static constexpr const char* kDeleteSettings = "Delete Settings from Registry";  // DeleteSettingsButton1
    static constexpr const char* kClose = "Close";                                   // SettingsClose1

    static constexpr const char* kSavedMessage = "Scan Option Settings Saved";
    static constexpr const char* kDeletedMessage =
        "All Nimbrel Settings deleted from registry.\n\n"
        "This means that all ignore options are removed - Nimbrel will default to scanning all items.";
    static constexpr const char* kMessageTitle = "Nimbrel";

    // The two columns of check boxes, top to bottom, by category id.
    static constexpr std::array<const char*, 10> kLeftColumn = {
        "IETypedURL", "WinRun",      "googletoolbar",      "OfficeFolder", "userassist",
        "regedit",    "wordperfect", "corelpresentations", "unreadmail",   "vs6"};
    static constexpr std::array<const char*, 10> kRightColumn = {
        "MSOffice",       "WinStream",  "WinFind",          "WinRecent",       "miscnotlists",
        "windowsnetwork", "quattropro", "installlocations", "cleartraynotify", "winopenwith"};

    // Frame3, inside Frame1 under the twenty boxes: the categories of the
    // newer Windows and Office versions, in two columns of their own.
    static constexpr const char* kFrame3 = "Windows Vista to 11, Office 2007 to 365";
    static constexpr std::array<const char*, 4> kNewerLeftColumn = {"WinExplorer", "userassist7", "WinJumpLists",
                                                                    "shellbags"};
    static constexpr std::array<const char*, 3> kNewerRightColumn = {"MSOffice2007", "remotedesktop", "mediatools"};

    explicit SettingsWindowModel(host::Host& host);

    // The window is loaded: every box starts checked and those whose
    // category reads as false are unchecked.
    void Load();

    // The boxes, by index in kScanCategories.
    bool Checked(std::size_t category) const { return checked_[category]; }
    // The user clicks a box.
    void SetChecked(std::size_t category, bool checked) { checked_[category] = checked; }

    void OnSaveSettingsClick();
    void OnDeleteSettingsClick();
    void OnGoToPluginsClick();  // "Go to Plugins"
    void OnCloseClick();
    // One of the "?" buttons, by index in kCategoryHelp.
    void OnHelpButtonClick(std::size_t help);

private:
    void SaveSwitches();

    host::Host& host_;
    std::array<bool, kCategoryCount> checked_;
};

}  // namespace settings
