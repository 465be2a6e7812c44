// A recording host for the plug-in windows: message boxes with an icon are
// noted with it ("message question Title: text"), and the active window is
// what the test sets.
#pragma once

#include <optional>
#include <string>

#include "tests/support/recording_host.h"

namespace testing_support {

class PluginHost : public RecordingHost {
public:
    void MessageBoxWithIcon(const std::string& text, const std::string& title, host::MessageIcon icon) override {
        const char* name = icon == host::MessageIcon::kQuestion      ? "question"
                           : icon == host::MessageIcon::kInformation ? "information"
                                                                     : "no icon";
        calls.push_back(std::string("message ") + name + " " + title + ": " + text);
    }
    std::optional<host::Window> ActiveWindow() override { return active; }

    std::optional<host::Window> active;
};

}  // namespace testing_support
