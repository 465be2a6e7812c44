#include "scan/detected_items.h"

namespace scan {

ItemKind KindOf(std::string_view kindColumn) {
    if (kindColumn == "Value") return ItemKind::kValue;
    if (kindColumn == "Key") return ItemKind::kKey;
    if (kindColumn == "Folder") return ItemKind::kFolder;
    if (kindColumn == "File") return ItemKind::kFile;
    return ItemKind::kUnknown;
}

ItemKind DetectedItem::Kind() const { return KindOf(kind); }

void DetectedItems::Append(DetectedItem item, std::string snapshot) {
    const std::size_t rows = labels_.size();
    try {
        labels_.push_back(std::move(item.label));
        mainkey_.push_back(std::move(item.mainkey));
        subkey_.push_back(std::move(item.subkey));
        value_.push_back(std::move(item.value));
        valueType_.push_back(std::move(item.valueType));
        kinds_.push_back(std::move(item.kind));
        checked_.push_back(true);
        snapshots_.push_back(std::move(snapshot));
    } catch (...) {
        // A row half appended would pair one item's key with another's
        // value for the clean engine; drop it whole.
        for (auto* column : {&labels_, &mainkey_, &subkey_, &value_, &valueType_, &kinds_}) {
            column->resize(rows);
        }
        checked_.resize(rows);
        snapshots_.resize(rows);
        throw;
    }
}

void DetectedItems::Clear() {
    labels_.clear();
    mainkey_.clear();
    subkey_.clear();
    value_.clear();
    valueType_.clear();
    kinds_.clear();
    checked_.clear();
    snapshots_.clear();
}

DetectedItem DetectedItems::Row(std::size_t index) const {
    return {labels_[index], mainkey_[index], subkey_[index], value_[index], valueType_[index], kinds_[index]};
}

DetectedItem DetectedItems::TakeRow(std::size_t index) {
    return {std::move(labels_[index]), std::move(mainkey_[index]),   std::move(subkey_[index]),
            std::move(value_[index]),  std::move(valueType_[index]), std::move(kinds_[index])};
}

}  // namespace scan
