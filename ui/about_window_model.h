// The about window (frmAbout): fixed texts, and three buttons that close
// it, open the FAQ window beside it and start the System Information tool.
#pragma once

#include "host/host.h"
#include "ui/addresses.h"
#include "ui/program_version.h"

namespace ui {

class AboutWindowModel {
public:
    static constexpr const char* kCaption = "About Nimbrel";
    static constexpr const char* klblTitle = "Nimbrel";
    static constexpr const char* klblVersion = "Version " NIMBREL_VERSION;
    static constexpr const char* klblDescription =
        "Scan for and clean MRU lists in the registry - enhance your privacy.";
    static constexpr const char* kLabel3 = "Database Version: 3.28.04 - approx. 30,345 MRU items";
    static constexpr const char* kLabel1 = "The author can be contacted at the following forums:";
    static constexpr const char* kLabel2 = kForum;
    static constexpr const char* klblDisclaimer =
        "Nimbrel is provided as it is, without warranty of any kind: you use it at your own risk.";
    static constexpr const char* kcmdOK = "OK";
    static constexpr const char* kcmdSysInfo = "System Information";
    static constexpr const char* kFAQbutton1 = "View FAQ";

    explicit AboutWindowModel(host::Host& host) : host_(host) {}

    void OnOkClick();          // unloads the window
    void OnFaqClick();         // shows FAQfrm; this window stays
    void OnSystemInfoClick();  // StartSysInfo

private:
    host::Host& host_;
};

}  // namespace ui
