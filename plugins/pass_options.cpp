#include "plugins/pass_options.h"

#include "plugins/pass_count.h"
#include "registry/mod_registry.h"

namespace plugins {

void PassOptions::SelectDefault() {
    defaultOption_.checked = true;
    customOption_.checked = false;
    count_ = {"", false};
    labelEnabled_ = false;
}

void PassOptions::SelectCustom() {
    defaultOption_.checked = false;
    customOption_.checked = true;
    count_.enabled = true;
    labelEnabled_ = true;
}

void PassOptions::LoadStored(const std::string& key) {
    if (const std::optional<std::string> custom = StoredCustomPasses(key)) {
        SelectCustom();
        count_.text = *custom;
    } else {
        SelectDefault();
    }
}

void PassOptions::SetOptionsEnabled(bool enabled) {
    defaultOption_.enabled = enabled;
    customOption_.enabled = enabled;
    if (!enabled) {
        count_.enabled = false;
        labelEnabled_ = false;
    }
}

void PassOptions::OnDefaultClick() {
    if (defaultOption_.enabled) SelectDefault();
}

void PassOptions::OnCustomClick() {
    if (customOption_.enabled) SelectCustom();
}

void PassOptions::Type(const std::string& text) {
    if (count_.enabled) count_.text = text.substr(0, kMaxLength);
}

bool PassOptions::Save(host::Host& host, const std::string& key, const PassCountMessages& messages,
                       const char* title) const {
    if (customOption_.checked) {
        switch (CheckCustomPasses(count_.text)) {
            case CustomPassesCheck::kNotWhole:
                host.MessageBox(messages.notWhole, title);
                return false;
            case CustomPassesCheck::kTooMany:
                host.MessageBox(messages.tooMany, title);
                return false;
            case CustomPassesCheck::kTooFew:
                host.MessageBox(messages.tooFew, title);
                return false;
            case CustomPassesCheck::kAccepted:
                modRegistry::WriteValue("HKCU", key, kWipePassesValue, "S", count_.text);
                return true;
        }
    }
    if (defaultOption_.checked) modRegistry::RemoveValue("HKCU", key, kWipePassesValue);
    return true;
}

}  // namespace plugins
