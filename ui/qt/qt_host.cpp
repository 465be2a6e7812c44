#include "ui/qt/qt_host.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

#include "ui/qt/model_window.h"
#include "ui/qt/rendering.h"

namespace ui::qt {

QtHost::QtHost() = default;

QtHost::~QtHost() {
    for (auto& [id, window] : loaded_) delete window;
    for (ModelWindow* window : unloaded_) delete window;
}

void QtHost::Handle(const std::function<void()>& handler) {
    ++handlerDepth_;
    try {
        handler();
    } catch (...) {
        --handlerDepth_;
        throw;
    }
    --handlerDepth_;
    RenderAll();
    if (handlerDepth_ == 0 && !unloaded_.empty()) ScheduleReap();
}

ModelWindow* QtHost::Loaded(host::Window window) const {
    const auto found = loaded_.find(window);
    return found == loaded_.end() ? nullptr : found->second;
}

ModelWindow* QtHost::Load(host::Window window) {
    if (ModelWindow* loaded = Loaded(window)) return loaded;
    if (!factory_) return nullptr;
    ModelWindow* made = factory_(window);
    if (made) {
        loaded_[window] = made;
        made->Render();
    }
    return made;
}

void QtHost::Yield() {
    RenderAll();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtHost::MessageBox(const std::string& text, const std::string& title) {
    MessageBoxWithIcon(text, title, host::MessageIcon::kNone);
}

void QtHost::MessageBoxWithIcon(const std::string& text, const std::string& title, host::MessageIcon icon) {
    if (messageBox_) {
        messageBox_(text, title, icon);
        return;
    }
    const QMessageBox::Icon shown = icon == host::MessageIcon::kQuestion      ? QMessageBox::Question
                                    : icon == host::MessageIcon::kInformation ? QMessageBox::Information
                                                                              : QMessageBox::NoIcon;
    QMessageBox box(shown, Text(title), Text(text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void QtHost::ShowWindow(host::Window window) {
    ModelWindow* view = Load(window);
    if (!view || ended_) return;
    view->show();
    view->raise();
    view->activateWindow();
}

void QtHost::RestoreWindow(host::Window window) {
    if (ModelWindow* view = Loaded(window)) {
        view->setWindowState(view->windowState() & ~Qt::WindowMinimized);
    }
}

void QtHost::HideWindow(host::Window window) {
    if (ModelWindow* view = Loaded(window)) view->hide();
}

void QtHost::UnloadWindow(host::Window window) {
    const auto found = loaded_.find(window);
    if (found == loaded_.end()) return;
    ModelWindow* view = found->second;
    loaded_.erase(found);
    view->hide();
    view->OnUnload();
    unloaded_.push_back(view);
    if (handlerDepth_ == 0) ScheduleReap();
}

void QtHost::EndProgram() {
    ended_ = true;
    for (auto& [id, window] : loaded_) window->hide();
    QCoreApplication::exit(0);
}

void QtHost::SetTopMost(host::Window window, bool on) {
    ModelWindow* view = Loaded(window);
    if (!view) return;
    const bool visible = view->isVisible();
    const QRect geometry = view->geometry();
    view->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    // Changing a window's flags hides it; put it back where it was.
    view->setGeometry(geometry);
    if (visible) view->show();
}

void QtHost::OpenWebAddress(const std::string& address) { QDesktopServices::openUrl(QUrl(Text(address))); }

std::optional<host::Window> QtHost::ActiveWindow() {
    for (auto& [id, window] : loaded_) {
        if (window->isActiveWindow()) return id;
    }
    return std::nullopt;
}

void QtHost::RenderAll() {
    for (auto& [id, window] : loaded_) window->Render();
}

void QtHost::ScheduleReap() {
    if (reapScheduled_) return;
    reapScheduled_ = true;
    QTimer::singleShot(0, this, &QtHost::Reap);
}

void QtHost::Reap() {
    reapScheduled_ = false;
    // A handler still on the stack may belong to a window waiting here; the
    // end of the outermost handler schedules the reap again.
    if (handlerDepth_ > 0) return;
    std::vector<ModelWindow*> going;
    going.swap(unloaded_);
    for (ModelWindow* window : going) delete window;
    // As in a program whose last form unloads: nothing loaded, nothing to do.
    if (loaded_.empty() && !ended_) EndProgram();
}

}  // namespace ui::qt
