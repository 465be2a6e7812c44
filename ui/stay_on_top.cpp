#include "ui/stay_on_top.h"

namespace ui {

void SetTopMost(scan::Host& host, scan::Window window, bool on) { host.SetTopMost(window, on); }

void ShowTopMost(scan::Host& host, scan::Window window) {
    host.ShowWindow(window);
    host.RestoreWindow(window);
    SetTopMost(host, window, true);
}

}  // namespace ui
