// The pass-count controls that both plug-ins show: a default option, a
// custom option and a three-character box for the custom count, with its
// label. The cookie plug-in shows them in its options window, the cache
// plug-in in its own window.
#pragma once

#include <cstddef>
#include <string>

#include "host/host.h"

namespace plugins {

struct OptionButton {
    std::string caption;
    bool enabled = true;
    bool checked = false;
};

struct TextBox {
    std::string text;
    bool enabled = true;
};

// The three refusals of a typed count, worded for the window.
struct PassCountMessages {
    const char* tooMany;
    const char* tooFew;
    const char* notWhole;
};

class PassOptions {
public:
    static constexpr const char* kCustomCaption = "Specify a custom number of passes";
    static constexpr std::size_t kMaxLength = 3;

    explicit PassOptions(std::string defaultCaption) : defaultOption_{std::move(defaultCaption)} {}

    const OptionButton& DefaultOption() const { return defaultOption_; }
    const OptionButton& CustomOption() const { return customOption_; }
    const TextBox& Count() const { return count_; }
    bool LabelEnabled() const { return labelEnabled_; }

    // Selects the option the stored count asks for, the custom count shown
    // in the box.
    void LoadStored(const std::string& key);
    // Disabled, the options take no clicks and the box and its label are
    // disabled too.
    void SetOptionsEnabled(bool enabled);

    // The default option empties and disables the box and its label; the
    // custom one enables them. A disabled option takes no click.
    void OnDefaultClick();
    void OnCustomClick();
    // Typing into the box: at most three characters stay.
    void Type(const std::string& text);

    // With the custom option: writes the count as typed, or shows the
    // matching message and returns false, writing nothing. With the default
    // option: removes the stored count. With neither, nothing changes.
    bool Save(host::Host& host, const std::string& key, const PassCountMessages& messages, const char* title) const;

private:
    void SelectDefault();
    void SelectCustom();

    OptionButton defaultOption_;
    OptionButton customOption_{kCustomCaption};
    TextBox count_{"", false};
    bool labelEnabled_ = false;
};

}  // namespace plugins
