#include "ui/win32/model_window.h"

#include <algorithm>

#include "ui/win32/chameleon_button.h"
#include "ui/win32/cool_progress.h"
#include "ui/win32/dpi.h"
#include "ui/win32/splitter_bar.h"
#include "ui/win32/text.h"
#include "ui/win32/win32_host.h"

namespace ui::win32 {

namespace {

// Control ids start above IDOK, IDCANCEL and the other dialog ids.
constexpr int kFirstControlId = 100;

void RegisterWindowClass(WNDPROC procedure) {
    static const bool registered = [procedure] {
        HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSEXW type{};
        type.cbSize = sizeof(type);
        type.style = CS_HREDRAW | CS_VREDRAW;
        type.lpfnWndProc = procedure;
        type.hInstance = instance;
        type.hIcon =
            static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
        type.hIconSm =
            static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                          GetSystemMetrics(SM_CYSMICON), LR_SHARED));
        type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        type.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        type.lpszClassName = kWindowClass;
        return RegisterClassExW(&type) != 0;
    }();
    (void)registered;
}

LOGFONTW FontFor(FontRole role, UINT dpi) {
    LOGFONTW font = MessageFont(dpi);
    const auto fromUiFont = [&](const ui::Font& wanted) {
        LOGFONTW made{};
        made.lfHeight = -MulDiv(wanted.pointSize, static_cast<int>(dpi), 72);
        made.lfWeight = wanted.bold ? FW_BOLD : FW_NORMAL;
        made.lfCharSet = DEFAULT_CHARSET;
        made.lfQuality = font.lfQuality;
        const std::wstring family = Wide(wanted.family);
        lstrcpynW(made.lfFaceName, family.c_str(), LF_FACESIZE);
        return made;
    };
    switch (role) {
        case FontRole::kNormal:
            break;
        case FontRole::kBold:
            font.lfWeight = FW_BOLD;
            break;
        case FontRole::kTitle:
            return fromUiFont(kTitleFont);
        case FontRole::kSubtitle:
            return fromUiFont(kSubtitleFont);
        case FontRole::kHeading: {
            // The message font's size in points, and larger.
            const int points = MulDiv(font.lfHeight < 0 ? -font.lfHeight : font.lfHeight, 72, static_cast<int>(dpi));
            font.lfHeight = -MulDiv(points + layout::completion_window::kHeadingGrowth, static_cast<int>(dpi), 72);
            font.lfWeight = FW_BOLD;
            break;
        }
        case FontRole::kLink:
            font.lfUnderline = TRUE;
            break;
    }
    return font;
}

bool IsFrame(HWND control) {
    wchar_t type[16] = {};
    GetClassNameW(control, type, 16);
    return lstrcmpiW(type, L"BUTTON") == 0 &&
           (GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK) == static_cast<LONG_PTR>(BS_GROUPBOX);
}

struct FindByName {
    std::wstring_view name;
    HWND found = nullptr;
};

BOOL CALLBACK FindChild(HWND child, LPARAM data) {
    auto* search = reinterpret_cast<FindByName*>(data);
    if (ObjectName(child) == search->name) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::wstring ObjectName(HWND window) {
    const auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(window, kNameProperty)));
    if (atom == 0) return {};
    wchar_t name[256];
    const UINT length = GlobalGetAtomNameW(atom, name, 256);
    return std::wstring(name, length);
}

HWND FindNamedControl(HWND top, std::wstring_view name) {
    if (!top) return nullptr;
    if (ObjectName(top) == name) return top;
    FindByName search{name};
    EnumChildWindows(top, FindChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

ModelWindow::ModelWindow(Win32Host& host, host::Window id, const char* objectName)
    : host_(host), id_(id), name_(objectName) {}

ModelWindow::~ModelWindow() {
    if (window_) {
        // From here on the window's messages no longer reach this view.
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcW));
        for (Entry& entry : controls_) {
            RemovePropW(entry.control, kNameProperty);
            if (entry.nameAtom) GlobalDeleteAtom(entry.nameAtom);
        }
        RemovePropW(window_, kNameProperty);
        DestroyWindow(window_);
    }
    if (nameAtom_) GlobalDeleteAtom(nameAtom_);
    FreeFonts();
}

std::wstring ModelWindow::ButtonCaption(host::Window, std::string_view, std::string_view caption) {
    return Wide(caption);
}

void ModelWindow::Create(const char* caption, layout::Size client, bool resizable) {
    RegisterWindowClass(WindowProc);
    client_ = client;
    resizable_ = resizable;
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    if (resizable) style |= WS_THICKFRAME | WS_MAXIMIZEBOX;
    const DWORD exStyle = WS_EX_CONTROLPARENT;
    dpi_ = SystemDpi();
    RECT frame{0, 0, Scale(client.width), Scale(client.height)};
    AdjustWindowRectForDpi(frame, style, exStyle, dpi_);
    window_ = CreateWindowExW(exStyle, kWindowClass, Wide(caption).c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                              frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                              GetModuleHandleW(nullptr), this);
    if (!window_) return;
    // The monitor the window lands on may have another DPI than the system.
    if (const UINT dpi = WindowDpi(window_); dpi != dpi_) {
        dpi_ = dpi;
        frame = {0, 0, Scale(client.width), Scale(client.height)};
        AdjustWindowRectForDpi(frame, style, exStyle, dpi_);
        SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    nameAtom_ = GlobalAddAtomW(Wide(name_).c_str());
    SetPropW(window_, kNameProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(nameAtom_)));
    MakeFonts();
}

void ModelWindow::OnCloseRequest() { host_.UnloadWindow(id_); }

HWND ModelWindow::Control(std::string_view name) const {
    for (const Entry& entry : controls_) {
        if (entry.name == name) return entry.control;
    }
    return nullptr;
}

HWND ModelWindow::Add(const char* name, HWND control, layout::Rect rect, FontRole font) {
    if (!control) return nullptr;
    Entry entry;
    entry.control = control;
    entry.id = GetDlgCtrlID(control);
    entry.name = name;
    entry.rect = rect;
    entry.font = font;
    entry.nameAtom = GlobalAddAtomW(Wide(name).c_str());
    SetPropW(control, kNameProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(entry.nameAtom)));
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(Font(font)), FALSE);
    controls_.push_back(std::move(entry));
    // The frames (group boxes) stay below the controls inside them, so that
    // they never paint over them; below is also last in the tab order,
    // where a frame, never a tab stop, changes nothing.
    for (const Entry& frame : controls_) {
        if (frame.control != control && IsFrame(frame.control)) {
            SetWindowPos(frame.control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
    return control;
}

HWND ModelWindow::AddControl(const char* name, const wchar_t* windowClass, DWORD style, DWORD exStyle,
                             layout::Rect rect, FontRole font, const wchar_t* text) {
    const int id = kFirstControlId + static_cast<int>(controls_.size());
    HWND control =
        CreateWindowExW(exStyle, windowClass, text, WS_CHILD | WS_VISIBLE | style, Scale(rect.x), Scale(rect.y),
                        Scale(rect.width), Scale(rect.height), window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    return Add(name, control, rect, font);
}

HWND ModelWindow::AddLabel(const char* name, layout::Rect rect, const char* text, FontRole font, DWORD align) {
    // SS_NOPREFIX: an "&" in a label is a character, as in the Qt view.
    return AddControl(name, L"STATIC", align | SS_NOPREFIX, 0, rect, font, Wide(text).c_str());
}

HWND ModelWindow::AddLink(const char* name, layout::Rect rect, const char* text, std::function<void()> onClick,
                          DWORD align) {
    // The link is as wide as its text, so that only the text takes the
    // click, as on the Qt view; a right-aligned one ends where its rectangle
    // ends. (Wine's right-aligned statics drop a final "/".)
    const std::wstring shown = Wide(text);
    HDC dc = GetDC(window_);
    HGDIOBJ old = SelectObject(dc, Font(FontRole::kLink));
    SIZE extent{};
    GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(window_, dc);
    const int width = std::min(rect.width, MulDiv(extent.cx, 96, static_cast<int>(dpi_)) + 2);
    if (align == SS_RIGHT) rect.x += rect.width - width;
    rect.width = width;
    HWND link = AddControl(name, L"STATIC", SS_LEFT | SS_NOPREFIX | SS_NOTIFY, 0, rect, FontRole::kLink, shown.c_str());
    SetTextColour(link, host::kBlue);
    OnCommand(link, [this, onClick = std::move(onClick)](WORD code) {
        if (code == STN_CLICKED) host_.Handle(onClick);
    });
    return link;
}

HWND ModelWindow::AddGroup(const char* name, layout::Rect rect, const char* caption) {
    return AddControl(name, L"BUTTON", BS_GROUPBOX, 0, rect, FontRole::kNormal, Wide(caption).c_str());
}

HWND ModelWindow::AddButton(const char* name, layout::Rect rect, const char* caption, std::function<void()> onClick) {
    const int id = kFirstControlId + static_cast<int>(controls_.size());
    HWND button = CreateChameleonButton(window_, id, ButtonCaption(id_, name, caption).c_str(), Scale(rect.x),
                                        Scale(rect.y), Scale(rect.width), Scale(rect.height));
    Add(name, button, rect, FontRole::kNormal);
    OnCommand(button, [this, onClick = std::move(onClick)](WORD code) {
        if (code == BN_CLICKED) host_.Handle(onClick);
    });
    return button;
}

HWND ModelWindow::AddProgress(const char* name, layout::Rect rect) {
    const int id = kFirstControlId + static_cast<int>(controls_.size());
    return Add(name,
               CreateCoolProgress(window_, id, Scale(rect.x), Scale(rect.y), Scale(rect.width), Scale(rect.height)),
               rect, FontRole::kNormal);
}

HWND ModelWindow::AddSplitter(const char* name, layout::Rect rect) {
    const int id = kFirstControlId + static_cast<int>(controls_.size());
    return Add(name,
               CreateSplitterBar(window_, id, Scale(rect.x), Scale(rect.y), Scale(rect.width), Scale(rect.height)),
               rect, FontRole::kNormal);
}

void ModelWindow::OnCommand(HWND control, std::function<void(WORD)> handler) {
    if (Entry* entry = Find(control)) entry->command = std::move(handler);
}

void ModelWindow::OnNotify(HWND control, std::function<LRESULT(NMHDR&)> handler) {
    if (Entry* entry = Find(control)) entry->notify = std::move(handler);
}

void ModelWindow::SetText(HWND control, std::string_view text) {
    const std::wstring wide = Wide(text);
    if (WindowText(control) != wide) SetWindowTextW(control, wide.c_str());
}

void ModelWindow::SetTextColour(HWND control, host::Rgb colour) {
    Entry* entry = Find(control);
    if (!entry || entry->colour == colour) return;
    entry->colour = colour;
    InvalidateRect(control, nullptr, TRUE);
}

void ModelWindow::RenderLabel(HWND label, const host::Label& state) {
    SetText(label, state.caption);
    SetTextColour(label, state.colour);
    if ((IsWindowVisible(label) != FALSE) != state.visible) ShowWindow(label, state.visible ? SW_SHOWNA : SW_HIDE);
}

void ModelWindow::RenderButton(HWND button, const host::Button& state) {
    const Entry* entry = Find(button);
    const std::wstring caption = ButtonCaption(id_, entry ? entry->name : std::string(), state.caption);
    if (WindowText(button) != caption) SetWindowTextW(button, caption.c_str());
    if ((IsWindowEnabled(button) != FALSE) == state.enabled) return;
    if (!state.enabled && GetFocus() == button) {
        // The focus goes on to the next control rather than nowhere.
        if (HWND next = GetNextDlgTabItem(window_, button, FALSE); next && next != button) SetFocus(next);
    }
    EnableWindow(button, state.enabled ? TRUE : FALSE);
}

void ModelWindow::RenderProgress(HWND progress, const host::ProgressBar& state) {
    SetCoolProgressPercent(progress, state.Percent);
}

ModelWindow::Entry* ModelWindow::Find(HWND control) {
    for (Entry& entry : controls_) {
        if (entry.control == control) return &entry;
    }
    return nullptr;
}

ModelWindow::Entry* ModelWindow::FindId(int id) {
    for (Entry& entry : controls_) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

void ModelWindow::MakeFonts() {
    FreeFonts();
    for (int role = 0; role < 6; ++role) {
        const LOGFONTW font = FontFor(static_cast<FontRole>(role), dpi_);
        fonts_[role] = CreateFontIndirectW(&font);
    }
}

void ModelWindow::FreeFonts() {
    for (HFONT& font : fonts_) {
        if (font) DeleteObject(font);
        font = nullptr;
    }
}

void ModelWindow::LayOut() {
    for (const Entry& entry : controls_) {
        SetWindowPos(entry.control, nullptr, Scale(entry.rect.x), Scale(entry.rect.y), Scale(entry.rect.width),
                     Scale(entry.rect.height), SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(entry.control, WM_SETFONT, reinterpret_cast<WPARAM>(Font(entry.font)), TRUE);
    }
    RECT client;
    GetClientRect(window_, &client);
    OnResize(client.right, client.bottom);
}

void ModelWindow::Place(HWND control, layout::Rect rect) {
    SetWindowPos(control, nullptr, Scale(rect.x), Scale(rect.y), Scale(rect.width), Scale(rect.height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void ModelWindow::PressIfUsable(HWND button) {
    if (!button || !IsWindowEnabled(button) || !IsWindowVisible(button)) return;
    if (Entry* entry = Find(button); entry && entry->command) entry->command(BN_CLICKED);
}

LRESULT CALLBACK ModelWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        // CreateWindowExW's last argument: the view that makes the window.
        auto* made = static_cast<ModelWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        made->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(made));
    }
    auto* view = reinterpret_cast<ModelWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!view) return DefWindowProcW(window, message, wParam, lParam);
    return view->Dispatch(message, wParam, lParam);
}

LRESULT ModelWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            HWND control = reinterpret_cast<HWND>(lParam);
            const WORD id = LOWORD(wParam), code = HIWORD(wParam);
            if (!control && (id == IDOK || id == IDCANCEL)) {
                PressIfUsable(id == IDOK ? defaultButton_ : cancelButton_);
                return 0;
            }
            Entry* entry = control ? Find(control) : FindId(id);
            if (entry && entry->command) {
                // The handler may add or drop table entries: run a copy.
                const auto handler = entry->command;
                handler(code);
                return 0;
            }
            break;
        }
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (Entry* entry = Find(header->hwndFrom); entry && entry->notify) {
                const auto handler = entry->notify;
                return handler(*header);
            }
            break;
        }
        case WM_DRAWITEM:
            if (DrawChameleonButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case WM_CTLCOLORSTATIC: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            const Entry* entry = Find(reinterpret_cast<HWND>(lParam));
            SetTextColor(dc, entry && entry->colour ? ColourRef(*entry->colour) : GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        case WM_SETCURSOR:
            // The hand over a link label, as on the Qt view.
            if (const Entry* entry = Find(reinterpret_cast<HWND>(wParam));
                entry && entry->font == FontRole::kLink && LOWORD(lParam) == HTCLIENT) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case WM_CLOSE:
            host_.Handle([this] { OnCloseRequest(); });
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                if (HWND focus = GetFocus(); focus && IsChild(window_, focus)) focus_ = focus;
            } else {
                HWND focus = focus_ && IsChild(window_, focus_) && IsWindowEnabled(focus_) && IsWindowVisible(focus_)
                                 ? focus_
                                 : GetNextDlgTabItem(window_, nullptr, FALSE);
                if (focus) SetFocus(focus);
            }
            return 0;
        case WM_GETMINMAXINFO:
            // A window that can be resized is never smaller than it starts.
            if (resizable_ && window_) {
                RECT frame{0, 0, Scale(client_.width), Scale(client_.height)};
                AdjustWindowRectForDpi(frame, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)),
                                       static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)), dpi_);
                auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
                limits->ptMinTrackSize = {frame.right - frame.left, frame.bottom - frame.top};
                return 0;
            }
            break;
        case WM_SIZE:
            OnResize(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_DPICHANGED: {
            dpi_ = HIWORD(wParam);
            MakeFonts();
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                         suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
            LayOut();
            return 0;
        }
        default:
            break;
    }
    if (const std::optional<LRESULT> result = OnMessage(message, wParam, lParam)) return *result;
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace ui::win32
