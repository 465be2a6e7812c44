#include "clean/results_window_model.h"

#include "clean/item_place.h"
#include "platform/system_info.h"

namespace clean {

void ResultsWindowModel::OnRowCheck(std::size_t row, bool checked) {
    if (row >= results_.store.RowCount() || results_.store.Checked(row) == checked) return;
    results_.store.SetChecked(row, checked);
    keptStale_ = true;
}

const std::vector<bool>& ResultsWindowModel::RowsKeptForTwin() {
    const std::size_t rows = results_.store.RowCount();
    if (keptStale_ || keptRows_ != rows) {
        kept_ = RowsKeptForUncheckedTwin(results_.store, platform::CurrentUserSid());
        keptRows_ = rows;
        keptStale_ = false;
    }
    return kept_;
}

void ResultsWindowModel::OnMainMenuClick() {
    host_.ShowWindow(host::Window::kMain);
    host_.RestoreWindow(host::Window::kMain);
    results_.store.Clear();
    host_.UnloadWindow(host::Window::kResults);
}

}  // namespace clean
