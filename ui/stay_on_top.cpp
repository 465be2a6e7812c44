#include "ui/stay_on_top.h"

namespace ui {

void SetTopMost(host::Host& host, host::Window window, bool on) { host.SetTopMost(window, on); }

void ShowTopMost(host::Host& host, host::Window window) {
    host.ShowWindow(window);
    host.RestoreWindow(window);
    SetTopMost(host, window, true);
}

}  // namespace ui
