// The host on Win32, the counterpart of ui/qt/qt_host.h: the message loop,
// modal message boxes, and the program's windows, made by a factory when
// first shown and destroyed once unloaded and no handler runs any more.
// Views forward every click through Handle, so that a window unloaded by
// its own handler goes away only after that handler has returned, and
// every loaded window is rendered after each handler.
//
// The message loop (Run, and Yield inside long handlers) gives each
// message to IsDialogMessageW of the active window first, so Tab, Enter
// and Escape work as in a dialog.
#pragma once

#include "ui/win32/windows_api.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/host.h"

namespace ui::win32 {

class ModelWindow;

class Win32Host : public host::Host {
public:
    // Makes the window's view and model; null for a window this program
    // does not have (yet).
    using WindowFactory = std::function<std::unique_ptr<ModelWindow>(host::Window)>;
    // Shows a message box; tests replace the modal box with their own.
    using MessageBoxShower =
        std::function<void(const std::string& text, const std::string& title, host::MessageIcon icon)>;

    Win32Host();
    ~Win32Host() override;
    Win32Host(const Win32Host&) = delete;
    Win32Host& operator=(const Win32Host&) = delete;

    void SetWindowFactory(WindowFactory factory) { factory_ = std::move(factory); }
    void SetMessageBoxShower(MessageBoxShower shower) { messageBox_ = std::move(shower); }

    // Runs a handler of a window's model, then brings every view up to date.
    void Handle(const std::function<void()>& handler);

    // The loaded window, or null.
    ModelWindow* Loaded(host::Window window) const;
    // Loads the window without showing it (its load step runs).
    ModelWindow* Load(host::Window window);
    // The loaded window whose top-level window that is, or null.
    ModelWindow* ViewOf(HWND window) const;
    bool Ended() const { return ended_; }
    // Windows unloaded and not yet destroyed.
    std::size_t WaitingToGo() const { return unloaded_.size(); }

    // The message loop, until the program ends; returns its exit code.
    int Run();
    // Handles the messages waiting, without waiting for more (tests).
    void ProcessPending();

    void Yield() override;
    void MessageBox(const std::string& text, const std::string& title) override;
    void ShowWindow(host::Window window) override;
    void RestoreWindow(host::Window window) override;
    void UnloadWindow(host::Window window) override;
    void EndProgram() override;
    void HideWindow(host::Window window) override;
    void SetTopMost(host::Window window, bool on) override;
    void OpenWebAddress(const std::string& address) override;
    std::optional<host::Window> ActiveWindow() override;
    void MessageBoxWithIcon(const std::string& text, const std::string& title, host::MessageIcon icon) override;

private:
    static LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Dispatch(MSG& message);
    void RenderAll();
    void ScheduleReap();
    void Reap();

    WindowFactory factory_;
    MessageBoxShower messageBox_;
    std::map<host::Window, std::unique_ptr<ModelWindow>> loaded_;
    std::vector<std::unique_ptr<ModelWindow>> unloaded_;
    // A message-only window that receives the host's own messages (the reap).
    HWND messages_ = nullptr;
    int handlerDepth_ = 0;
    bool reapScheduled_ = false;
    bool ended_ = false;
    int exitCode_ = 0;
};

}  // namespace ui::win32
