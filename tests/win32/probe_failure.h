// A failed check of the window probe: the message names the window, the
// control and what was expected, and is all that the test prints.
#pragma once

#include <stdexcept>
#include <string>

namespace window_probe {

class ProbeFailure : public std::runtime_error {
public:
    explicit ProbeFailure(const std::wstring& what);
};

// UTF-8, for the console.
std::string Utf8(const std::wstring& text);

}  // namespace window_probe
