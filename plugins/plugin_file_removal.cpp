#include "plugins/plugin_file_removal.h"

#include "platform/file_delete.h"
#include "platform/files.h"
#include "platform/registry_api.h"
#include "plugins/file_shredder.h"
#include "registry/win32_error_text.h"

namespace plugins {

void RemovePluginFile(const std::string& path, bool shred, std::int16_t passes, const FileReport& report) {
    long status = 0;
    if (shred) {
        fileshredder::ShredFile(path, passes);
    } else {
        status = platform::RemoveFile(path);
    }
    if (!report) return;
    if (!platform::GetFileAttributes(path)) {
        report(path, {clean::RowResult::kDeleted, {}});
    } else {
        report(path, {clean::RowResult::kFailed,
                      shred ? "the shredder could not remove it" : registry::Win32ErrorText(status)});
    }
}

void ReportRefusedFolder(const std::string& folder, const FileReport& report) {
    if (report) report(folder, {clean::RowResult::kFailed, registry::Win32ErrorText(platform::kErrorAccessDenied)});
}

}  // namespace plugins
