#include "scan/record.h"

#include <string>
#include <utility>

#include "scan/registry_row.h"

namespace scan {

namespace {

void RaiseCounter(ScanContext& ctx, Counter counter) {
    const bool list = counter == Counter::kLists;
    long& count = list ? ctx.window.counts.lists : ctx.window.counts.items;
    ++count;
    (list ? ctx.window.listsdetected : ctx.window.itemsdetected).caption = std::to_string(count);
}

// What a value held when found: the clean leaves it if it changes.
std::string FoundSnapshot(const scan::DetectedItem& item) {
    return item.Kind() == ItemKind::kValue ? scan::ItemSnapshot(item) : std::string();
}

}  // namespace

void Record(ScanContext& ctx, Counter counter, const scan::DetectedItem& item) {
    RaiseCounter(ctx, counter);
    ctx.results.store.Append(item, FoundSnapshot(item));
}

void Record(ScanContext& ctx, Counter counter, scan::DetectedItem&& item) {
    RaiseCounter(ctx, counter);
    std::string snapshot = FoundSnapshot(item);
    ctx.results.store.Append(std::move(item), std::move(snapshot));
}

}  // namespace scan
