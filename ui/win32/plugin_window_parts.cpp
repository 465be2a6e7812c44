#include "ui/win32/plugin_window_parts.h"

#include "ui/win32/text.h"
#include "ui/win32/win32_host.h"

namespace ui::win32 {

void NameList::Render(const std::vector<std::string>& names, std::optional<std::size_t> selected) {
    if (shown_ != names) {
        SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
        SendMessageW(list_, LB_RESETCONTENT, 0, 0);
        for (const std::string& name : names) {
            SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(name).c_str()));
        }
        SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list_, nullptr, TRUE);
        shown_ = names;
    }
    const WPARAM row = selected ? static_cast<WPARAM>(*selected) : static_cast<WPARAM>(-1);
    if (SendMessageW(list_, LB_GETCURSEL, 0, 0) != static_cast<LRESULT>(row)) SendMessageW(list_, LB_SETCURSEL, row, 0);
}

std::optional<std::size_t> NameList::Selected() const {
    const LRESULT row = SendMessageW(list_, LB_GETCURSEL, 0, 0);
    if (row == LB_ERR) return std::nullopt;
    return static_cast<std::size_t>(row);
}

void PluginWindow::AddHeading(layout::Rect nameRect, const char* name, layout::Rect versionRect, const char* version) {
    AddLabel("Label1", nameRect, name, FontRole::kSubtitle);
    AddLabel("Label2", versionRect, version);
}

HWND PluginWindow::AddFolderBox(layout::Rect rect) {
    return AddControl("Text1", L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY, WS_EX_CLIENTEDGE, rect);
}

HWND PluginWindow::AddSwitch(const char* name, layout::Rect rect, const char* caption,
                             std::function<void(bool)> onClick) {
    HWND box =
        AddControl(name, L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0, rect, FontRole::kNormal, Wide(caption).c_str());
    OnCommand(box, [this, box, onClick = std::move(onClick)](WORD code) {
        if (code != BN_CLICKED) return;
        const bool checked = SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
        host_.Handle([&] { onClick(checked); });
    });
    return box;
}

void PluginWindow::RenderSwitch(HWND box, bool checked) {
    const WPARAM state = checked ? BST_CHECKED : BST_UNCHECKED;
    if (static_cast<WPARAM>(SendMessageW(box, BM_GETCHECK, 0, 0)) != state) SendMessageW(box, BM_SETCHECK, state, 0);
}

NameList PluginWindow::AddNameList(const char* name, layout::Rect rect,
                                   std::function<void(std::optional<std::size_t>)> onSelect) {
    // No LBS_SORT: the rows keep the model's order, which the handlers'
    // row numbers refer to.
    HWND list = AddControl(name, L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                           WS_EX_CLIENTEDGE, rect);
    OnCommand(list, [this, list, onSelect = std::move(onSelect)](WORD code) {
        if (code != LBN_SELCHANGE) return;
        const std::optional<std::size_t> row = NameList(list).Selected();
        host_.Handle([&] { onSelect(row); });
    });
    return NameList(list);
}

void PluginWindow::AddButtonRow(const layout::PluginButtonRow& rects, const char* saveAll,
                                std::function<void()> onSaveAll, const char* runNow, std::function<void()> onRunNow,
                                const char* close, std::function<void()> onClose, const char* help,
                                std::function<void()> onHelp) {
    AddButton("saveallsettings", rects.saveallsettings, saveAll, std::move(onSaveAll));
    AddButton("chameleonButton3", rects.chameleonButton3, runNow, std::move(onRunNow));
    AddButton("chameleonButton4", rects.chameleonButton4, close, std::move(onClose));
    AddButton("chameleonButton1", rects.chameleonButton1, help, std::move(onHelp));
}

}  // namespace ui::win32
