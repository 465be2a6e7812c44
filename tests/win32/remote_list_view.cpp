#include "tests/win32/remote_list_view.h"

#include <commctrl.h>

#include "tests/win32/probe_failure.h"

namespace window_probe {

namespace {

constexpr SIZE_T kRemoteBytes = 4096;
constexpr int kTextChars = 512;

}  // namespace

RemoteListView::RemoteListView(HWND list) : list_(list) {
    DWORD owner = 0;
    GetWindowThreadProcessId(list, &owner);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, owner);
    if (process_) remote_ = VirtualAllocEx(process_, nullptr, kRemoteBytes, MEM_COMMIT, PAGE_READWRITE);
    if (!remote_) throw ProbeFailure(L"cannot reach the memory of the list view's process");
}

RemoteListView::~RemoteListView() {
    VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
    CloseHandle(process_);
}

// Sends message with a copy of in in the list's process, and returns the
// structure as the list left it.
template <typename T>
T RemoteListView::Call(UINT message, WPARAM wParam, const T& in) const {
    static_assert(sizeof(T) + kTextChars * sizeof(wchar_t) <= kRemoteBytes);
    WriteProcessMemory(process_, remote_, &in, sizeof in, nullptr);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(list_, message, wParam, reinterpret_cast<LPARAM>(remote_), SMTO_ABORTIFHUNG, 5000, &result);
    T out{};
    ReadProcessMemory(process_, remote_, &out, sizeof out, nullptr);
    return out;
}

int RemoteListView::Rows() const { return int(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0)); }

std::wstring RemoteListView::RowText(int row) const {
    // The text goes to the same block, after the structure.
    auto* remoteText = static_cast<wchar_t*>(remote_) + (sizeof(LVITEMW) + sizeof(wchar_t) - 1) / sizeof(wchar_t);
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = remoteText;
    item.cchTextMax = kTextChars;
    Call(LVM_GETITEMTEXTW, row, item);
    wchar_t text[kTextChars] = L"";
    ReadProcessMemory(process_, remoteText, text, sizeof text, nullptr);
    text[kTextChars - 1] = L'\0';
    return text;
}

bool RemoteListView::Checked(int row) const {
    const auto state = SendMessageW(list_, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK);
    return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

POINT RemoteListView::CheckBoxPoint(int row) const {
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    bounds = Call(LVM_GETITEMRECT, row, bounds);
    // The state image comes first in the row, before the icon and the label.
    RECT icon{};
    icon.left = LVIR_ICON;
    icon = Call(LVM_GETITEMRECT, row, icon);
    return POINT{(bounds.left + icon.left) / 2, (bounds.top + bounds.bottom) / 2};
}

}  // namespace window_probe
