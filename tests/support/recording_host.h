// A host for tests: counts yields, runs a test's click at a chosen yield,
// and notes every other call as a line ("show main", "message Nimbrel: ...",
// "end").
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/host.h"

namespace testing_support {

class RecordingHost : public host::Host {
public:
    void Yield() override {
        ++yields;
        if (onYield) onYield(yields);
    }
    void MessageBox(const std::string& text, const std::string& title) override {
        calls.push_back("message " + title + ": " + text);
    }
    void ShowWindow(host::Window window) override { calls.push_back("show " + Name(window)); }
    void RestoreWindow(host::Window window) override { calls.push_back("restore " + Name(window)); }
    void UnloadWindow(host::Window window) override { calls.push_back("unload " + Name(window)); }
    void EndProgram() override { calls.push_back("end"); }
    void HideWindow(host::Window window) override { calls.push_back("hide " + Name(window)); }
    void SetTopMost(host::Window window, bool on) override {
        calls.push_back(std::string(on ? "topmost " : "not topmost ") + Name(window));
    }
    void OpenWebAddress(const std::string& address) override { calls.push_back("open " + address); }

    int yields = 0;
    // Runs inside the n-th yield, as a click handler would.
    std::function<void(int n)> onYield;
    std::vector<std::string> calls;

    static std::string Name(host::Window window) {
        switch (window) {
            case host::Window::kMain:
                return "main";
            case host::Window::kScan:
                return "scan";
            case host::Window::kResults:
                return "results";
            case host::Window::kCompletion:
                return "completion";
            case host::Window::kSettings:
                return "settings";
            case host::Window::kPluginPanel:
                return "plugin panel";
            case host::Window::kAbout:
                return "about";
            case host::Window::kFaq:
                return "faq";
            case host::Window::kCookiePlugin:
                return "cookie plugin";
            case host::Window::kCookieSecureDeletion:
                return "cookie secure deletion";
            case host::Window::kIeTempFilesPlugin:
                return "ie temp files plugin";
            case host::Window::kPluginStatus:
                return "plugin status";
        }
        return "?";
    }
};

}  // namespace testing_support
