#include "ui/win32/results_window.h"

#include <algorithm>

#include "ui/win32/text.h"
#include "ui/win32/win32_host.h"

namespace ui::win32 {

namespace {

constexpr UINT_PTR kListSubclass = 0x4E4C;  // "NL"

// The list keeps Space for the check boxes: without this it would also
// start an incremental search for a row beginning with a space.
LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_CHAR && wParam == L' ') return 0;
    if (message == WM_NCDESTROY) RemoveWindowSubclass(list, ListProc, kListSubclass);
    return DefSubclassProc(list, message, wParam, lParam);
}

}  // namespace

ResultsWindow::ResultsWindow(Win32Host& host, scan::ResultsModel& results, std::function<void()> cleanSelected)
    : ModelWindow(host, host::Window::kResults, "Form3"),
      model_(host, results),
      cleanSelected_(std::move(cleanSelected)) {
    using M = clean::ResultsWindowModel;
    namespace at = layout::results_window;
    Create(M::kCaption, at::kClient, true);

    Frame1_ = AddGroup("Frame1", at::Frame1, M::kFrame1);
    List1_ = AddControl(
        "List1", WC_LISTVIEWW,
        WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_OWNERDATA | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 0,
        at::List1);
    ListView_SetExtendedListViewStyle(List1_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_INFOTIP);
    ListView_SetCallbackMask(List1_, LVIS_STATEIMAGEMASK);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    ListView_InsertColumn(List1_, 0, &column);
    SetWindowSubclass(List1_, ListProc, kListSubclass, 0);
    OnNotify(List1_, [this](NMHDR& header) { return OnListNotify(header); });

    Label1_ = AddLabel("Label1", at::Label1, M::kTotalLabel);
    totaldetected_ = AddLabel("totaldetected", at::totaldetected, "");
    cleanbutton2_ = AddButton("cleanbutton2", at::cleanbutton2, "", [this] { cleanSelected_(); });
    chameleonButton22_ =
        AddButton("chameleonButton22", at::chameleonButton22, "", [this] { model_.OnMainMenuClick(); });
    RECT client;
    GetClientRect(Handle(), &client);
    OnResize(client.right, client.bottom);
}

void ResultsWindow::OnResize(int clientWidth, int clientHeight) {
    if (!chameleonButton22_ || clientWidth == 0) return;
    namespace at = layout::results_window;
    const int wider = MulDiv(clientWidth, 96, static_cast<int>(Dpi())) - at::kClient.width;
    const int taller = MulDiv(clientHeight, 96, static_cast<int>(Dpi())) - at::kClient.height;
    const auto grown = [&](layout::Rect rect) {
        return layout::Rect{rect.x, rect.y, rect.width + wider, rect.height + taller};
    };
    const auto moved = [&](layout::Rect rect, int right) {
        return layout::Rect{rect.x + right, rect.y + taller, rect.width, rect.height};
    };
    Place(Frame1_, grown(at::Frame1));
    Place(List1_, grown(at::List1));
    Place(Label1_, moved(at::Label1, 0));
    Place(totaldetected_, moved(at::totaldetected, 0));
    Place(cleanbutton2_, moved(at::cleanbutton2, wider));
    Place(chameleonButton22_, moved(at::chameleonButton22, wider));
    // One column as wide as the list, beside its scroll bar.
    RECT inside;
    GetClientRect(List1_, &inside);
    ListView_SetColumnWidth(List1_, 0, std::max<int>(0, inside.right - GetSystemMetrics(SM_CXVSCROLL)));
    if (checkBoxesDpi_ != Dpi()) MakeCheckBoxes();
    InvalidateRect(Handle(), nullptr, TRUE);
}

ResultsWindow::~ResultsWindow() {
    if (checkBoxes_) ImageList_Destroy(checkBoxes_);
}

void ResultsWindow::MakeCheckBoxes() {
    // Two state images, unchecked and checked, drawn as the system draws a
    // check box, on a background that the mask takes out.
    const int cell = Scale(16), box = Scale(13);
    const COLORREF transparent = RGB(255, 0, 255);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 2 * cell, cell);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT all{0, 0, 2 * cell, cell};
    SetDCBrushColor(dc, transparent);
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    for (int image = 0; image < 2; ++image) {
        const int left = image * cell + (cell - box) / 2, top = (cell - box) / 2;
        RECT frame{left, top, left + box, top + box};
        DrawFrameControl(dc, &frame, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (image == 1 ? DFCS_CHECKED : 0));
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    HIMAGELIST made = ImageList_Create(cell, cell, ILC_COLOR32 | ILC_MASK, 2, 0);
    ImageList_AddMasked(made, bitmap, transparent);
    DeleteObject(bitmap);
    ListView_SetImageList(List1_, made, LVSIL_STATE);
    if (checkBoxes_) ImageList_Destroy(checkBoxes_);
    checkBoxes_ = made;
    checkBoxesDpi_ = Dpi();
}

void ResultsWindow::Render() {
    const scan::DetectedItems& store = model_.Results().store;
    const std::size_t rows = store.RowCount();
    const std::vector<bool>& kept = model_.RowsKeptForTwin();
    bool changed = rows != shownRows_;
    if (changed) {
        ListView_SetItemCountEx(List1_, static_cast<int>(rows), LVSICF_NOSCROLL);
        shownRows_ = rows;
        shownChecked_.assign(rows, true);
    }
    shownChecked_.resize(rows);
    for (std::size_t row = 0; row < rows; ++row) {
        if (shownChecked_[row] != store.Checked(row)) {
            shownChecked_[row] = store.Checked(row);
            changed = true;
        }
    }
    if (shownKept_ != kept) {
        shownKept_ = kept;
        changed = true;
    }
    if (changed) InvalidateRect(List1_, nullptr, FALSE);
    SetText(totaldetected_, model_.TotalText());
    RenderButton(cleanbutton2_, model_.cleanbutton2);
    RenderButton(chameleonButton22_, model_.chameleonButton22);
}

std::optional<std::size_t> ResultsWindow::CheckBoxAt(POINT point) const {
    LVHITTESTINFO hit{};
    hit.pt = point;
    const int row = ListView_HitTest(List1_, &hit);
    if (row < 0 || (hit.flags & LVHT_ONITEMSTATEICON) == 0) return std::nullopt;
    if (static_cast<std::size_t>(row) >= model_.Results().store.RowCount()) return std::nullopt;
    return static_cast<std::size_t>(row);
}

void ResultsWindow::ToggleRow(std::size_t row) {
    const scan::DetectedItems& store = model_.Results().store;
    if (row >= store.RowCount()) return;
    const bool checked = !store.Checked(row);
    host_.Handle([this, row, checked] { model_.OnRowCheck(row, checked); });
}

LRESULT ResultsWindow::OnListNotify(NMHDR& header) {
    const scan::DetectedItems& store = model_.Results().store;
    switch (header.code) {
        case LVN_GETDISPINFOW: {
            LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(header).item;
            if (item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= store.RowCount()) return 0;
            const auto row = static_cast<std::size_t>(item.iItem);
            if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
                rowText_ = Wide(store.Labels()[row]);
                lstrcpynW(item.pszText, rowText_.c_str(), item.cchTextMax);
            }
            if (item.mask & LVIF_STATE) {
                item.state = (item.state & ~LVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(store.Checked(row) ? 2 : 1);
                item.stateMask |= LVIS_STATEIMAGEMASK;
            }
            return 0;
        }
        case NM_CLICK:
        case NM_DBLCLK: {
            const auto& click = reinterpret_cast<NMITEMACTIVATE&>(header);
            if (const std::optional<std::size_t> row = CheckBoxAt(click.ptAction)) ToggleRow(*row);
            return 0;
        }
        case LVN_KEYDOWN: {
            if (reinterpret_cast<NMLVKEYDOWN&>(header).wVKey != VK_SPACE) return 0;
            const int row = ListView_GetNextItem(List1_, -1, LVNI_FOCUSED);
            if (row >= 0) ToggleRow(static_cast<std::size_t>(row));
            return 0;
        }
        case NM_CUSTOMDRAW: {
            auto& draw = reinterpret_cast<NMLVCUSTOMDRAW&>(header);
            if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
            if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
                const std::size_t row = draw.nmcd.dwItemSpec;
                if (row < shownKept_.size() && shownKept_[row]) draw.clrText = GetSysColor(COLOR_GRAYTEXT);
            }
            return CDRF_DODEFAULT;
        }
        case LVN_GETINFOTIPW: {
            auto& tip = reinterpret_cast<NMLVGETINFOTIPW&>(header);
            const auto row = static_cast<std::size_t>(tip.iItem);
            if (tip.iItem >= 0 && row < shownKept_.size() && shownKept_[row] && tip.pszText && tip.cchTextMax > 0) {
                lstrcpynW(tip.pszText, Wide(clean::ResultsWindowModel::kKeptForTwinNote).c_str(), tip.cchTextMax);
            }
            return 0;
        }
        case LVN_ODFINDITEMW:
            return -1;
        default:
            return 0;
    }
}

CompletionWindow::CompletionWindow(Win32Host& host, const clean::CleanState& clean)
    : ModelWindow(host, host::Window::kCompletion, "Form4"), model_(host, clean) {
    using M = clean::CompletionWindowModel;
    namespace at = layout::completion_window;
    Create(M::kCaption, at::kClient);

    AddGroup("Frame1", at::Frame1);
    AddLabel("Label1", at::Label1, M::kHeading, FontRole::kHeading, SS_CENTER);
    AddLabel("Label2", at::Label2, M::kDetectedLabel);
    totaldetected_ = AddLabel("totaldetected", at::totaldetected, "");
    AddLabel("Label3", at::Label3, M::kCleanedLabel);
    totalcleaned_ = AddLabel("totalcleaned", at::totalcleaned, "");
    AddLabel("Label4", at::Label4, M::kStatusLabel);
    sysstatus_ = AddLabel("sysstatus", at::sysstatus, "", FontRole::kBold);
    cleanbutton_ = AddButton("cleanbutton", at::cleanbutton, "", [this] { model_.OnMainMenuClick(); });
}

void CompletionWindow::Render() {
    RenderLabel(totaldetected_, model_.totaldetected);
    RenderLabel(totalcleaned_, model_.totalcleaned);
    RenderLabel(sysstatus_, model_.sysstatus);
    RenderButton(cleanbutton_, model_.cleanbutton);
}

}  // namespace ui::win32
