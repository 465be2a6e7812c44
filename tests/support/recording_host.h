// A host for tests: counts yields, runs a test's click at a chosen yield,
// and notes every other call as a line ("show main", "message Nimbrel: ...",
// "end").
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "scan/host.h"

namespace testing_support {

class RecordingHost : public scan::Host {
public:
    void Yield() override {
        ++yields;
        if (onYield) onYield(yields);
    }
    void MessageBox(const std::string& text, const std::string& title) override {
        calls.push_back("message " + title + ": " + text);
    }
    void ShowWindow(scan::Window window) override { calls.push_back("show " + Name(window)); }
    void RestoreWindow(scan::Window window) override { calls.push_back("restore " + Name(window)); }
    void UnloadWindow(scan::Window window) override { calls.push_back("unload " + Name(window)); }
    void EndProgram() override { calls.push_back("end"); }
    void HideWindow(scan::Window window) override { calls.push_back("hide " + Name(window)); }
    void SetTopMost(scan::Window window, bool on) override {
        calls.push_back(std::string(on ? "topmost " : "not topmost ") + Name(window));
    }
    void OpenWebAddress(const std::string& address) override { calls.push_back("open " + address); }

    int yields = 0;
    // Runs inside the n-th yield, as a click handler would.
    std::function<void(int n)> onYield;
    std::vector<std::string> calls;

    static std::string Name(scan::Window window) {
        switch (window) {
            case scan::Window::kMain: return "main";
            case scan::Window::kScan: return "scan";
            case scan::Window::kResults: return "results";
            case scan::Window::kCompletion: return "completion";
            case scan::Window::kSettings: return "settings";
            case scan::Window::kPluginPanel: return "plugin panel";
            case scan::Window::kAbout: return "about";
            case scan::Window::kFaq: return "faq";
            case scan::Window::kCookiePlugin: return "cookie plugin";
            case scan::Window::kCookieSecureDeletion: return "cookie secure deletion";
            case scan::Window::kIeTempFilesPlugin: return "ie temp files plugin";
            case scan::Window::kPluginStatus: return "plugin status";
        }
        return "?";
    }
};

}  // namespace testing_support
