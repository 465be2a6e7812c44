// The results window's virtual list: 50,000 rows fill it at once, and a
// click on a row's check box, or Space on the focused row, toggles that
// row, and only that row, through the model.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "scan/results_model.h"
#include "ui/win32/results_window.h"
#include "ui/win32/win32_host.h"
#include "ui/win32/text.h"
#include "ui/win32/windows_app.h"

namespace {

using ui::win32::ResultsWindow;
using ui::win32::Win32Host;

constexpr std::size_t kRows = 50000;

class ResultsListTest : public testing::Test {
protected:
    void SetUp() override {
        ui::win32::InitControls();
        for (std::size_t row = 0; row < kRows; ++row) {
            results_.store.Append(
                {"Row " + std::to_string(row), "HKCU", "Software\\Test", "v" + std::to_string(row), "S", "Value"});
        }
        results_.total = static_cast<long>(kRows);
        host_.SetWindowFactory([this](host::Window id) -> std::unique_ptr<ui::win32::ModelWindow> {
            if (id == host::Window::kResults) return std::make_unique<ResultsWindow>(host_, results_, [] {});
            return nullptr;
        });
        host_.ShowWindow(host::Window::kResults);
        window_ = static_cast<ResultsWindow*>(host_.Loaded(host::Window::kResults));
        ASSERT_NE(window_, nullptr);
        if (!window_->Handle()) GTEST_SKIP() << "no desktop to make windows on";
        list_ = window_->Control("List1");
        ASSERT_NE(list_, nullptr);
        host_.ProcessPending();
    }

    // A point on the row's check box, as the list's hit test finds it.
    std::optional<POINT> CheckBoxOf(int row) {
        ListView_EnsureVisible(list_, row, FALSE);
        RECT bounds{};
        bounds.left = LVIR_BOUNDS;
        if (!ListView_GetItemRect(list_, row, &bounds, LVIR_BOUNDS)) return std::nullopt;
        for (int x = bounds.left; x < bounds.left + 40; ++x) {
            const POINT point{x, (bounds.top + bounds.bottom) / 2};
            if (window_->CheckBoxAt(point) == static_cast<std::size_t>(row)) return point;
        }
        return std::nullopt;
    }

    std::size_t CheckedRows() const {
        std::size_t checked = 0;
        for (std::size_t row = 0; row < results_.store.RowCount(); ++row) checked += results_.store.Checked(row);
        return checked;
    }

    Win32Host host_;
    scan::ResultsModel results_;
    ResultsWindow* window_ = nullptr;
    HWND list_ = nullptr;
};

TEST_F(ResultsListTest, HoldsEveryRowAtOnce) {
    EXPECT_EQ(ListView_GetItemCount(list_), static_cast<int>(kRows));
    wchar_t text[64] = {};
    ListView_GetItemText(list_, 41234, 0, text, 64);
    EXPECT_STREQ(text, L"Row 41234");
    EXPECT_EQ(ListView_GetItemState(list_, 41234, LVIS_STATEIMAGEMASK), static_cast<UINT>(INDEXTOSTATEIMAGEMASK(2)));
    EXPECT_EQ(ui::win32::WindowText(window_->Control("totaldetected")), L"50000");
}

TEST_F(ResultsListTest, AClickOnACheckBoxTogglesThatRow) {
    const std::optional<POINT> box = CheckBoxOf(41234);
    ASSERT_TRUE(box.has_value());
    // The button comes up before the list looks for it (it waits for the
    // release to tell a click from a drag).
    PostMessageW(list_, WM_LBUTTONUP, 0, MAKELPARAM(box->x, box->y));
    SendMessageW(list_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(box->x, box->y));
    host_.ProcessPending();
    EXPECT_FALSE(results_.store.Checked(41234));
    EXPECT_EQ(CheckedRows(), kRows - 1);
    EXPECT_EQ(ListView_GetItemState(list_, 41234, LVIS_STATEIMAGEMASK), static_cast<UINT>(INDEXTOSTATEIMAGEMASK(1)));
}

TEST_F(ResultsListTest, SpaceTogglesTheFocusedRow) {
    ListView_SetItemState(list_, 123, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    SetFocus(list_);
    SendMessageW(list_, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_FALSE(results_.store.Checked(123));
    SendMessageW(list_, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(results_.store.Checked(123));
    SendMessageW(list_, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_FALSE(results_.store.Checked(123));
    EXPECT_EQ(CheckedRows(), kRows - 1);
}

}  // namespace
