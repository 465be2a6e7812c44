// The window utility of the shell (stayontopmod) that the plug-in status
// window uses.
#pragma once

#include "scan/host.h"

namespace ui {

// Makes the window topmost (on) or an ordinary window; position and size
// stay as they are.
void SetTopMost(scan::Host& host, scan::Window window, bool on);

// Shows the window in its normal state, then makes it topmost.
void ShowTopMost(scan::Host& host, scan::Window window);

}  // namespace ui
