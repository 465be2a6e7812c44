// The window utility of the shell (stayontopmod) that the plug-in status
// window uses.
#pragma once

#include "host/host.h"

namespace ui {

// Makes the window topmost (on) or an ordinary window; position and size
// stay as they are.
void SetTopMost(host::Host& host, host::Window window, bool on);

// Shows the window in its normal state, then makes it topmost.
void ShowTopMost(host::Host& host, host::Window window);

}  // namespace ui
