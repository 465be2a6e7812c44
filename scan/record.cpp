#include "scan/record.h"

#include <string>

#include "scan/registry_row.h"

namespace scan {

void Record(ScanContext& ctx, Counter counter, const scan::DetectedItem& item) {
    const bool list = counter == Counter::kLists;
    long& count = list ? ctx.window.counts.lists : ctx.window.counts.items;
    ++count;
    (list ? ctx.window.listsdetected : ctx.window.itemsdetected).caption = std::to_string(count);
    // What a value held when found: the clean leaves it if it changes.
    ctx.results.store.Append(item, item.Kind() == ItemKind::kValue ? scan::ItemSnapshot(item) : std::string());
}

}  // namespace scan
