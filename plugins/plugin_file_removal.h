// One file of a plug-in's run deleted or shredded, and what became of it
// told to whoever asked (the command line lists every file).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "clean/clean_item.h"

namespace plugins {

// Told of each file a run deletes or shreds: its path and whether it went.
using FileReport = std::function<void(const std::string& path, const clean::RowOutcome& outcome)>;

// shred: through the shredder with passes, else a plain delete. report may
// be empty.
void RemovePluginFile(const std::string& path, bool shred, std::int16_t passes, const FileReport& report);

// A plug-in's folder that the platform deletes nothing in (status 5: not on
// the machine's own drives, or a link or mount point on its way), reported
// once as not cleaned instead of its files. report may be empty.
void ReportRefusedFolder(const std::string& folder, const FileReport& report);

}  // namespace plugins
