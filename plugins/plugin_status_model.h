// The plug-in status window (pluginstatus) as plain state: the frame
// caption, two status lines and the progress bar that a plug-in run sets,
// and its 1000 ms timer that keeps it on top of the window that was active
// when it was loaded. It exists for one run: loaded by the first caption
// the run sets, shown unless the run is silent, unloaded at the end.
#pragma once

#include <optional>
#include <string>

#include "host/control_state.h"
#include "host/host.h"

namespace plugins {

class PluginStatusModel {
public:
    static constexpr const char* kCaption = "Plug-in Cleaning Status";
    static constexpr const char* kLabel1 = "Nimbrel Plug-in Status";
    static constexpr int kTimer1IntervalMs = 1000;

    explicit PluginStatusModel(host::Host& host) : host_(host) {}

    // Each loads the window first when it is not loaded.
    void SetFrameCaption(const std::string& text);
    void SetStatus(const std::string& text);
    void SetStatus2(const std::string& text);
    void SetProgress(int percent);

    // Not modal. The timer runs only while the window is shown: a hidden
    // window of a silent run must not bring any window forward.
    void Show();
    void HideAndUnload();

    // Timer1 fired: on top again, and the kept window shown again when
    // another window has become active.
    void OnKeepOnTopTimer();

    bool Loaded() const { return loaded_; }
    bool Visible() const { return visible_; }
    bool Timer1Enabled() const { return visible_; }
    const host::Label& Frame1() const { return frame1_; }
    const host::Label& Status() const { return status_; }
    const host::Label& Status2() const { return status2_; }
    const host::ProgressBar& Progress() const { return progress_; }

private:
    void EnsureLoaded();

    host::Host& host_;
    bool loaded_ = false;
    bool visible_ = false;
    std::optional<host::Window> kept_;
    host::Label frame1_;
    host::Label status_;
    host::Label status2_;
    host::ProgressBar progress_;
};

}  // namespace plugins
