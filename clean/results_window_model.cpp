#include "clean/results_window_model.h"

namespace clean {

void ResultsWindowModel::OnList1ItemCheck(std::size_t row, bool checked) {
    if (row < results_.store.RowCount()) results_.store.SetChecked(row, checked);
}

void ResultsWindowModel::OnChameleonButton22Click() {
    host_.ShowWindow(scan::Window::kMain);
    host_.RestoreWindow(scan::Window::kMain);
    results_.store.Clear();
    host_.UnloadWindow(scan::Window::kResults);
}

}  // namespace clean
