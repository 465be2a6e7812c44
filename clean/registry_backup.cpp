#include "clean/registry_backup.h"

#include "scan/registry_row.h"
#include "platform/registry_api.h"
#include "registry/key_contents.h"
#include "registry/reg_export.h"
#include "registry/reg_key_name.h"

namespace clean {

std::string BackUpRegistryRows(scan::DetectedItems& store, std::string& text) {
    registry::AppendRegFileHeader(text);
    std::string sectionOf;  // the key whose section the last value went into
    for (std::size_t index = 0; index < store.RowCount(); ++index) {
        const scan::DetectedItem row = store.Row(index);
        const bool value = row.Kind() == scan::ItemKind::kValue;
        if (!value && (row.Kind() != scan::ItemKind::kKey || row.value.empty() || scan::KeyRowStays(row))) continue;
        registry::KeyName key;
        if (std::string fault = scan::RowKeyName(row, key); !fault.empty()) {
            return "cannot back up \"" + row.label + "\": " + fault;
        }
        const std::string fullName = registry::FullKeyName(key);

        if (!value) {
            if (!sectionOf.empty()) text += "\n";  // ends the section of the values before
            sectionOf.clear();
            std::string fault;
            const std::size_t start = text.size();
            scan::WithOpenKey(key, [&](platform::HKey) { fault = registry::ExportKey(key, text); });
            if (!fault.empty()) return fault;
            // The clean deletes the key only as it is here, so a value added
            // to it later is never lost without being in the backup.
            store.SetSnapshot(index, text.substr(start));
            continue;
        }
        registry::ValueEntry entry;
        long found = platform::kErrorFileNotFound;
        scan::WithOpenKey(key,
                          [&](platform::HKey handle) { found = registry::QueryValueEntry(handle, row.value, entry); });
        if (found != platform::kErrorSuccess) continue;
        if (sectionOf != fullName) {
            if (!sectionOf.empty()) text += "\n";
            text += "[" + fullName + "]\n";
            sectionOf = fullName;
        }
        if (!registry::AppendRegValueLines(text, entry.name, entry.type, entry.data)) {
            return "cannot back up \"" + row.label + "\": a .reg file cannot hold its value name";
        }
    }
    if (!sectionOf.empty()) text += "\n";
    return "";
}

}  // namespace clean
