// The host of a silent run: no window is ever shown and nothing waits for
// a message loop. A message box, which only a plug-in's load step may still
// raise, goes to stderr, since nobody is there to click it away.
#pragma once

#include "host/host.h"

namespace ui {

class SilentHost : public host::Host {
public:
    void Yield() override {}
    void MessageBox(const std::string& text, const std::string& title) override;
    void ShowWindow(host::Window) override {}
    void RestoreWindow(host::Window) override {}
    void UnloadWindow(host::Window) override {}
    void EndProgram() override { ended_ = true; }

    bool Ended() const { return ended_; }

private:
    bool ended_ = false;
};

}  // namespace ui
