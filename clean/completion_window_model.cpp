#include "clean/completion_window_model.h"

#include <string>

namespace clean {

CompletionWindowModel::CompletionWindowModel(host::Host& host, const CleanState& clean) : host_(host) {
    totaldetected.caption = std::to_string(clean.detected);
    totalcleaned.caption = std::to_string(clean.CleanedCount);
    Load(clean.AllCleaned && clean.NotDeletedCount == 0);
}

void CompletionWindowModel::Load(bool allCleaned) {
    if (allCleaned) return;
    sysstatus.caption = kSomeNotDeleted;
    sysstatus.colour = kOlive;
}

void CompletionWindowModel::OnMainMenuClick() {
    host_.ShowWindow(host::Window::kMain);
    host_.RestoreWindow(host::Window::kMain);
    host_.UnloadWindow(host::Window::kCompletion);
}

void CompletionWindowModel::OnCloseRequest() { host_.EndProgram(); }

}  // namespace clean
