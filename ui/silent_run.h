// The silent start: the main window's load step with "-SILENT", the scan
// on a scan window that is loaded but never shown, and its silent tail.
#pragma once

#include <string>

#include "clean/automatic_plugins.h"
#include "host/host.h"

namespace ui {

// The scan, then the clean of everything found with the automatic
// plug-ins, or, when nothing was found, the plug-ins alone; the program
// ends (host.EndProgram) inside. plugins is null where none is built in.
// Returns how many items the clean was to delete but are still there.
long RunSilentScan(host::Host& host, clean::PluginLoader* plugins);

}  // namespace ui
