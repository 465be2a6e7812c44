#include "clean/clean_engine.h"

#include "clean/clean_item.h"
#include "platform/system_info.h"

namespace clean {

namespace {

// Cleans every row, or only the checked ones, and empties the store.
void CleanRows(CleanContext& ctx, bool checkedOnly) {
    const std::string windowsDirectory = platform::WindowsDirectory();
    DetectedItems& store = ctx.results.store;
    const std::size_t rows = store.RowCount();
    for (std::size_t row = 0; row < rows; ++row) {
        if (checkedOnly && !store.Checked(row)) {
            ctx.state.AllCleaned = false;
            continue;
        }
        if (CleanItem(store.Row(row), windowsDirectory)) ++ctx.state.CleanedCount;
    }
    store.Clear();
}

}  // namespace

void CleanAll(CleanContext& ctx, const std::string& scanTotal) {
    ctx.state = CleanState{};
    CleanRows(ctx, false);
    if (ctx.silent) {
        RunAutomaticPlugins(ctx.plugins, true);
        ctx.host.EndProgram();
        return;
    }
    ctx.state.totaldetected = scanTotal;
    ctx.host.ShowWindow(scan::Window::kCompletion);
    ctx.host.UnloadWindow(scan::Window::kScan);
    RunAutomaticPlugins(ctx.plugins, false);
}

void CleanSelected(CleanContext& ctx) {
    ctx.state = CleanState{};
    CleanRows(ctx, true);
    ctx.state.totaldetected = ctx.results.totaldetected;
    ctx.host.ShowWindow(scan::Window::kCompletion);
    ctx.host.UnloadWindow(scan::Window::kResults);
    RunAutomaticPlugins(ctx.plugins, false);
}

}  // namespace clean
