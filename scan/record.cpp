#include "scan/record.h"

#include <cctype>
#include <string>

#include "clean/registry_row.h"

namespace scan {

long CounterValue(const Label& counter) {
    long number = 0;
    for (char c : counter.caption) {
        if (!std::isdigit(static_cast<unsigned char>(c))) break;
        number = number * 10 + (c - '0');
    }
    return number;
}

void Record(ScanContext& ctx, Counter counter, const clean::DetectedItem& item) {
    Label& label = counter == Counter::kLists ? ctx.window.listsdetected : ctx.window.itemsdetected;
    label.caption = std::to_string(CounterValue(label) + 1);
    // What a value held when found: the clean leaves it if it changes.
    ctx.results.store.Append(item, item.kind == "Value" ? clean::ItemSnapshot(item) : std::string());
}

}  // namespace scan
