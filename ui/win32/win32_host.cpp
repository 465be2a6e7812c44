#include "ui/win32/win32_host.h"

#include <shellapi.h>

#include "ui/win32/model_window.h"
#include "ui/win32/text.h"

namespace ui::win32 {

namespace {

constexpr const wchar_t* kHostClass = L"NimbrelHost";
constexpr UINT kReapMessage = WM_APP + 1;

}  // namespace

Win32Host::Win32Host() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    static const bool registered = [instance] {
        WNDCLASSEXW type{};
        type.cbSize = sizeof(type);
        type.lpfnWndProc = HostProc;
        type.hInstance = instance;
        type.lpszClassName = kHostClass;
        return RegisterClassExW(&type) != 0;
    }();
    (void)registered;
    messages_ = CreateWindowExW(0, kHostClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    SetWindowLongPtrW(messages_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Host::~Win32Host() {
    loaded_.clear();
    unloaded_.clear();
    if (messages_) DestroyWindow(messages_);
}

LRESULT CALLBACK Win32Host::HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* host = reinterpret_cast<Win32Host*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (host && message == kReapMessage) {
        host->Reap();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Win32Host::Handle(const std::function<void()>& handler) {
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

ModelWindow* Win32Host::Loaded(host::Window window) const {
    const auto found = loaded_.find(window);
    return found == loaded_.end() ? nullptr : found->second.get();
}

ModelWindow* Win32Host::Load(host::Window window) {
    if (ModelWindow* loaded = Loaded(window)) return loaded;
    if (!factory_) return nullptr;
    std::unique_ptr<ModelWindow> made = factory_(window);
    if (!made) return nullptr;
    ModelWindow* view = made.get();
    loaded_[window] = std::move(made);
    view->Render();
    return view;
}

ModelWindow* Win32Host::ViewOf(HWND window) const {
    if (!window) return nullptr;
    for (const auto& [id, view] : loaded_) {
        if (view->Handle() == window) return view.get();
    }
    return nullptr;
}

void Win32Host::Dispatch(MSG& message) {
    HWND active = GetActiveWindow();
    if (active && ViewOf(active) && IsDialogMessageW(active, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int Win32Host::Run() {
    MSG message;
    while (!ended_) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            exitCode_ = static_cast<int>(message.wParam);
            break;
        }
        if (got < 0) return 1;
        Dispatch(message);
    }
    return exitCode_;
}

void Win32Host::ProcessPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Left for the loop that ends the program.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Dispatch(message);
        if (ended_) return;
    }
}

void Win32Host::Yield() {
    RenderAll();
    // Once the program is ending nothing more is handled: the loop that
    // ends it takes the quit message.
    if (!ended_) ProcessPending();
}

void Win32Host::MessageBox(const std::string& text, const std::string& title) {
    MessageBoxWithIcon(text, title, host::MessageIcon::kNone);
}

void Win32Host::MessageBoxWithIcon(const std::string& text, const std::string& title, host::MessageIcon icon) {
    if (messageBox_) {
        messageBox_(text, title, icon);
        return;
    }
    const UINT shown = icon == host::MessageIcon::kQuestion      ? MB_ICONQUESTION
                       : icon == host::MessageIcon::kInformation ? MB_ICONINFORMATION
                                                                 : 0;
    HWND active = GetActiveWindow();
    HWND owner = ViewOf(active) ? active : nullptr;
    MessageBoxW(owner, Wide(text).c_str(), Wide(title).c_str(), MB_OK | shown);
}

void Win32Host::ShowWindow(host::Window window) {
    ModelWindow* view = Load(window);
    if (!view || ended_) return;
    HWND shown = view->Handle();
    ::ShowWindow(shown, IsWindowVisible(shown) ? SW_SHOW : SW_SHOWNORMAL);
    BringWindowToTop(shown);
    SetForegroundWindow(shown);
}

void Win32Host::RestoreWindow(host::Window window) {
    if (ModelWindow* view = Loaded(window); view && IsIconic(view->Handle())) {
        ::ShowWindow(view->Handle(), SW_RESTORE);
    }
}

void Win32Host::HideWindow(host::Window window) {
    if (ModelWindow* view = Loaded(window)) ::ShowWindow(view->Handle(), SW_HIDE);
}

void Win32Host::UnloadWindow(host::Window window) {
    const auto found = loaded_.find(window);
    if (found == loaded_.end()) return;
    std::unique_ptr<ModelWindow> view = std::move(found->second);
    loaded_.erase(found);
    ::ShowWindow(view->Handle(), SW_HIDE);
    view->OnUnload();
    unloaded_.push_back(std::move(view));
    if (handlerDepth_ == 0) ScheduleReap();
}

void Win32Host::EndProgram() {
    ended_ = true;
    for (auto& [id, view] : loaded_) ::ShowWindow(view->Handle(), SW_HIDE);
    PostQuitMessage(0);
}

void Win32Host::SetTopMost(host::Window window, bool on) {
    if (ModelWindow* view = Loaded(window)) {
        SetWindowPos(view->Handle(), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void Win32Host::OpenWebAddress(const std::string& address) {
    ShellExecuteW(nullptr, L"open", Wide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::optional<host::Window> Win32Host::ActiveWindow() {
    if (ModelWindow* view = ViewOf(GetActiveWindow())) return view->Id();
    return std::nullopt;
}

void Win32Host::RenderAll() {
    for (auto& [id, view] : loaded_) view->Render();
}

void Win32Host::ScheduleReap() {
    if (reapScheduled_) return;
    reapScheduled_ = true;
    PostMessageW(messages_, kReapMessage, 0, 0);
}

void Win32Host::Reap() {
    reapScheduled_ = false;
    // A handler still on the stack may belong to a window waiting here; the
    // end of the outermost handler schedules the reap again.
    if (handlerDepth_ > 0) return;
    std::vector<std::unique_ptr<ModelWindow>> going;
    going.swap(unloaded_);
    going.clear();
    // As in a program whose last form unloads: nothing loaded, nothing to do.
    if (loaded_.empty() && !ended_) EndProgram();
}

}  // namespace ui::win32
