// The state of the few kinds of control that the core's windows set: labels,
// push buttons and the progress bar. Views render these; they hold no
// behaviour.
#pragma once

#include <cstdint>
#include <string>

namespace host {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kRed{255, 0, 0};

struct Label {
    std::string caption;
    bool visible = true;
    Rgb colour{};
};

struct Button {
    std::string caption;
    bool enabled = true;
};

struct ProgressBar {
    int Percent = 0;  // 0 to 100, shown as a filled share
};

}  // namespace host
