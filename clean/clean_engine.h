// The clean: every row of the store deleted by its kind (clean all, from
// the scan window) or only the checked ones (clean selected, from the
// results window); then the store is emptied, the completion window is
// shown with the totals and the automatic plug-ins run. In silent mode no
// window is shown and the program ends after the plug-ins.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "clean/automatic_plugins.h"
#include "clean/clean_item.h"
#include "clean/clean_state.h"
#include "scan/results_model.h"
#include "host/host.h"

namespace clean {

// Told of every row of the store in order, with what became of its item.
using RowReport = std::function<void(const scan::DetectedItem&, const RowOutcome&)>;

struct CleanContext {
    host::Host& host;
    scan::ResultsModel& results;
    // Program-wide; the completion window (Form4) is made from it when the
    // clean shows it.
    CleanState& state;
    PluginLoader* plugins;  // null: no plug-in runs
    bool silent;
    RowReport report = nullptr;  // null: nobody asks
};

// The message box said once when the registry cannot be changed at all.
inline constexpr const char* kRegistryLockedTitle = "Nimbrel";
std::string RegistryLockedText(long status);

// "Clean Now" on the scan window; scanTotal is that window's own total.
// In silent mode it ends the program.
void CleanAll(CleanContext& ctx, long scanTotal);

// "Clean Now" on the results window: unchecked rows are neither deleted
// nor counted, and are dropped with the rest; so are checked rows whose
// item an unchecked row keeps (RowsKeptForUncheckedTwin).
void CleanSelected(CleanContext& ctx);

}  // namespace clean
