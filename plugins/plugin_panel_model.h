// The plug-in control panel (Form6) as plain state and handlers: the two
// plug-ins described, a button that opens each plug-in's window beside the
// panel, and the way back to the main window.
#pragma once

#include "host/host.h"

namespace plugins {

class PluginPanelModel {
public:
    static constexpr const char* kCaption = "Nimbrel Plug-in Control Panel";
    static constexpr const char* kLabel5 = "Nimbrel";
    static constexpr const char* kLabel1 = "Plug-in Control Panel";
    static constexpr const char* kChameleonButton1 = "Crumbex";
    static constexpr const char* kLabel2 = "Crumbex";
    static constexpr const char* kLabel3 = "Plug-in v1.01";
    static constexpr const char* kLabel4 =
        "The Crumbex plug-in provides Internet Explorer cookie-cleaning capabilities for Nimbrel. Configure a "
        "custom \"ignore\" or \"cookie keep list\" of cookies that you want to keep, and watch as all the others "
        "are removed. Secure file shredding is an option, along with the possibility of automatic cleaning on a "
        "normal Nimbrel \"clean\" (supports Nimbrel normal mode and silent mode).";
    static constexpr const char* kChameleonButton3 = "IE Temporary Internet File Cleaner";
    static constexpr const char* kLabel8 = "IE Temporary Internet File Cleaner";
    static constexpr const char* kLabel7 = "Plug-in v1.1";
    static constexpr const char* kLabel6 =
        "The IE Temporary Internet File Cleaner Plug-in provides Internet Explorer Temporary Internet File (cache) "
        "cleaning. Secure file shredding is supported. Also, whenever this plug-in is run, a supplementary file "
        "will be executed upon reboot to delete the index.dat file (which is normally locked and in use) using a "
        "2 pass secure file shredding process for even more security.";
    static constexpr const char* kChameleonButton2 = "Back to Main Menu";

    explicit PluginPanelModel(host::Host& host) : host_(host) {}

    // "Crumbex" and "IE Temporary Internet File Cleaner": the plug-in's
    // window opens beside the panel, which stays.
    void OnCookiePluginClick();
    void OnTempFilesPluginClick();
    // "Back to Main Menu": the main window comes back, the panel goes.
    void OnBackToMainMenuClick();

private:
    host::Host& host_;
};

}  // namespace plugins
