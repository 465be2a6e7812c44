// The Crumbex pass-count options window (cookiesecuredeletion) as plain
// state and handlers: the default count of 3 or a custom count from 1 to
// 200, kept as "WipePasses" under the plug-in's key.
#pragma once

#include "plugins/pass_options.h"
#include "host/host.h"

namespace plugins {

class CookieOptionsModel {
public:
    static constexpr const char* kCaption = "Crumbex Secure File Deletion Options";
    static constexpr const char* kOption1 = "Default number of passes (3)";
    static constexpr const char* kOption2 = PassOptions::kCustomCaption;
    static constexpr const char* kLabel1 = "Custom pass number:";
    static constexpr const char* kLabel2 = "These settings apply to the Crumbex plug-in only.";
    static constexpr const char* kSave = "Save Settings";
    static constexpr const char* kCancel = "Cancel";

    static constexpr const char* kMessageTitle = "Nimbrel";
    static constexpr PassCountMessages kMessages{"The number of passes must be no more than 200.",
                                                 "The number of passes must be greater than 0.",
                                                 "The number of passes must be a whole number."};
    static constexpr const char* kSavedMessage = "Crumbex Plug-in Secure File Deletion settings saved.";

    explicit CookieOptionsModel(host::Host& host) : host_(host) {}

    // The window is loaded: the stored count picks the option.
    void Load();

    // Option1, Option2, Text1 and Label1.
    const PassOptions& Passes() const { return passes_; }
    void OnDefaultPassesClick() { passes_.OnDefaultClick(); }
    void OnCustomPassesClick() { passes_.OnCustomClick(); }
    void SetText1(const std::string& text) { passes_.Type(text); }

    // "Save Settings": a refused count leaves the window open and saves
    // nothing.
    void OnSaveClick();
    // "Cancel": nothing is saved.
    void OnCancelClick();

private:
    host::Host& host_;
    PassOptions passes_{kOption1};
};

}  // namespace plugins
