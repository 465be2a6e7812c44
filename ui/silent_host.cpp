#include "ui/silent_host.h"

#include <cstdio>

namespace ui {

void SilentHost::MessageBox(const std::string& text, const std::string& title) {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
}

}  // namespace ui
