// A list view of another process. Its messages that carry a structure need
// the structure in the list's own process: it is written there and read
// back through a block of that process's memory.
#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>

namespace window_probe {

class RemoteListView {
public:
    explicit RemoteListView(HWND list);
    ~RemoteListView();
    RemoteListView(const RemoteListView&) = delete;
    RemoteListView& operator=(const RemoteListView&) = delete;

    int Rows() const;
    std::wstring RowText(int row) const;
    // The row's check box state: the state image 2 is "checked".
    bool Checked(int row) const;
    // Where the row's check box is, in the list's client coordinates.
    POINT CheckBoxPoint(int row) const;

private:
    template <typename T>
    T Call(UINT message, WPARAM wParam, const T& in) const;

    HWND list_;
    HANDLE process_ = nullptr;
    void* remote_ = nullptr;
};

}  // namespace window_probe
