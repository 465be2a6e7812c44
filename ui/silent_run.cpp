#include "ui/silent_run.h"

#include <string>

#include "clean/clean_engine.h"
#include "ui/scan_window_model.h"

namespace ui {

long RunSilentScan(host::Host& host, clean::PluginLoader* plugins) {
    scan::ResultsModel results;
    clean::CleanState state;
    clean::CleanContext clean{host, results, state, plugins, true};
    ScanWindowModel window(host, results, true, [&](long total) {
        if (total > 0) {
            clean::CleanAll(clean, total);
            return;
        }
        clean::RunAutomaticPlugins(plugins, true);
        host.EndProgram();
    });
    window.Load();
    window.Scan();
    return state.NotDeletedCount;
}

}  // namespace ui
