// The host on Qt: the message loop, modal message boxes, and the program's
// windows, created when first shown and destroyed when unloaded. Views
// forward every click through Handle, so that a window unloaded by its own
// handler goes away only once no handler is running any more.
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/host.h"

namespace ui::qt {

class ModelWindow;

class QtHost : public QObject, public host::Host {
    Q_OBJECT
public:
    // Makes the window's view and model; null for a window this program
    // does not have.
    using WindowFactory = std::function<ModelWindow*(host::Window)>;
    // Shows a message box; tests replace the modal box with their own.
    using MessageBoxShower =
        std::function<void(const std::string& text, const std::string& title, host::MessageIcon icon)>;

    QtHost();
    ~QtHost() override;

    void SetWindowFactory(WindowFactory factory) { factory_ = std::move(factory); }
    void SetMessageBoxShower(MessageBoxShower shower) { messageBox_ = std::move(shower); }

    // Runs a handler of a window's model, then brings every view up to date.
    void Handle(const std::function<void()>& handler);

    // The loaded window, or null.
    ModelWindow* Loaded(host::Window window) const;
    // Loads the window without showing it (its load step runs).
    ModelWindow* Load(host::Window window);
    bool Ended() const { return ended_; }

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
    void RenderAll();
    void ScheduleReap();
    void Reap();

    WindowFactory factory_;
    MessageBoxShower messageBox_;
    std::map<host::Window, ModelWindow*> loaded_;
    std::vector<ModelWindow*> unloaded_;
    int handlerDepth_ = 0;
    bool reapScheduled_ = false;
    bool ended_ = false;
};

}  // namespace ui::qt
