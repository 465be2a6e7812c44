// The quick FAQ window (FAQfrm): two answers and a "Close" button.
#pragma once

#include "host/host.h"

namespace ui {

class FaqWindowModel {
public:
    static constexpr const char* kCaption = "Quick FAQ";
    static constexpr const char* kFrame1 = "What is a MRU list?";
    static constexpr const char* kAnswer1 =
        "MRU stands for \"most recently used\", however we use it to apply to any list or item that "
        "stores data such as the names and/or locations of files you have previously saved, opened, "
        "etc.";
    static constexpr const char* kFrame2 = "Why should I delete them?";
    static constexpr const char* kAnswer2 =
        "These lists can (and almost always) contain names and locations of files you have "
        "previously saved and/or opened with certain programs. By cleaning your system, Nimbrel "
        "deletes these lists (it should be noted that this does not delete the actual files those "
        "MRU lists point to).";
    static constexpr const char* kchameleonButton98 = "Close";

    explicit FaqWindowModel(host::Host& host) : host_(host) {}

    void OnCloseClick() { host_.UnloadWindow(host::Window::kFaq); }

private:
    host::Host& host_;
};

}  // namespace ui
