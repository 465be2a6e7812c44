#include "clean/detected_items.h"

namespace clean {

void DetectedItems::Append(const DetectedItem& item, std::string snapshot) {
    const std::size_t rows = list1_.size();
    try {
        list1_.push_back(item.label);
        mainkey_.push_back(item.mainkey);
        subkey_.push_back(item.subkey);
        value_.push_back(item.value);
        valueType_.push_back(item.valueType);
        key_.push_back(item.kind);
        checked_.push_back(true);
        snapshots_.push_back(std::move(snapshot));
    } catch (...) {
        // A row half appended would pair one item's key with another's
        // value for the clean engine; drop it whole.
        for (auto* column : {&list1_, &mainkey_, &subkey_, &value_, &valueType_, &key_}) {
            column->resize(rows);
        }
        checked_.resize(rows);
        snapshots_.resize(rows);
        throw;
    }
}

void DetectedItems::Clear() {
    list1_.clear();
    mainkey_.clear();
    subkey_.clear();
    value_.clear();
    valueType_.clear();
    key_.clear();
    checked_.clear();
    snapshots_.clear();
}

DetectedItem DetectedItems::Row(std::size_t index) const {
    return {list1_[index], mainkey_[index], subkey_[index],
            value_[index], valueType_[index], key_[index]};
}

}  // namespace clean
