#include "clean/completion_window_model.h"

#include <string>

namespace clean {

CompletionWindowModel::CompletionWindowModel(scan::Host& host, const CleanState& clean) : host_(host) {
    totaldetected.caption = clean.totaldetected;
    totalcleaned.caption = std::to_string(clean.CleanedCount);
    Load(clean.AllCleaned && clean.NotDeletedCount == 0);
}

void CompletionWindowModel::Load(bool allCleaned) {
    if (allCleaned) return;
    sysstatus.caption = kSomeNotDeleted;
    sysstatus.colour = kOlive;
}

void CompletionWindowModel::OnCleanbuttonClick() {
    host_.ShowWindow(scan::Window::kMain);
    host_.RestoreWindow(scan::Window::kMain);
    host_.UnloadWindow(scan::Window::kCompletion);
}

void CompletionWindowModel::OnCloseRequest() { host_.EndProgram(); }

}  // namespace clean
