// The windows a probe run checks: how each is reached from the program's
// start, and the controls it must show.
#pragma once

#include <string>
#include <vector>

namespace window_probe {

// Windows and controls go by their object names, the Qt views' ones.
struct ExpectedControl {
    const wchar_t* name;
    const wchar_t* className;
    const wchar_t* text;  // as shown, without an access key's "&"; nullptr: a count that varies
    bool enabled;
};

// A click on a control of a window, once the control is enabled.
struct Step {
    const wchar_t* window;
    const wchar_t* control;
};

struct ExpectedWindow {
    const wchar_t* name;  // also the picture's name, as the Qt build's pictures are named
    const wchar_t* caption;
    std::vector<Step> route;
    // The window is inspected once this control shows this text.
    const wchar_t* readyControl;
    const wchar_t* readyText;
    std::vector<ExpectedControl> controls;
};

// The program's windows that a route of clicks reaches, each after a scan
// of the test machine where a scan leads to it.
const std::vector<ExpectedWindow>& NimbrelWindows();
// The probe's own sample window, which checks the probe itself.
const std::vector<ExpectedWindow>& SampleWindows();

}  // namespace window_probe
