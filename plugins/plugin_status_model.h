// The plug-in status window (pluginstatus) as plain state: the frame
// caption, two status lines and the progress bar that a plug-in run sets,
// and its 1000 ms timer that keeps it on top of the window that was active
// when it was loaded. It exists for one run: loaded by the first caption
// the run sets, shown unless the run is silent, unloaded at the end.
#pragma once

#include <optional>
#include <string>

#include "scan/control_state.h"
#include "scan/host.h"

namespace plugins {

class PluginStatusModel {
public:
    static constexpr const char* kCaption = "Plug-in Cleaning Status";
    static constexpr const char* kLabel1 = "Nimbrel Plug-in Status";
    static constexpr int kTimer1IntervalMs = 1000;

    explicit PluginStatusModel(scan::Host& host) : host_(host) {}

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
    void OnTimer1();

    bool Loaded() const { return loaded_; }
    bool Visible() const { return visible_; }
    bool Timer1Enabled() const { return visible_; }
    const scan::Label& Frame1() const { return frame1_; }
    const scan::Label& Status() const { return status_; }
    const scan::Label& Status2() const { return status2_; }
    const scan::ProgressBar& Progress() const { return progress_; }

private:
    void EnsureLoaded();

    scan::Host& host_;
    bool loaded_ = false;
    bool visible_ = false;
    std::optional<scan::Window> kept_;
    scan::Label frame1_;
    scan::Label status_;
    scan::Label status2_;
    scan::ProgressBar progress_;
};

}  // namespace plugins
