#include "platform/emulated/key_tree.h"

#include <iterator>

namespace platform::emulated {

RegKey* RegKey::Child(std::string_view upperName) const {
    const auto found = children.find(upperName);
    return found == children.end() ? nullptr : found->second;
}

RegValue* RegKey::FindValue(std::string_view name) {
    for (RegValue& value : values)
        if (EqualsIgnoringCase(value.name, name)) return &value;
    return nullptr;
}

RegKey* RegKey::ChildAt(std::uint32_t index) const {
    if (index >= children.size()) return nullptr;
    if (enumerationValid_ && index == enumerationIndex_ + 1) {
        ++enumerationAt_;
    } else if (!(enumerationValid_ && index == enumerationIndex_)) {
        enumerationAt_ = std::next(children.begin(), index);
    }
    enumerationValid_ = true;
    enumerationIndex_ = index;
    return enumerationAt_->second;
}

RegKey* KeyTree::Find(std::int64_t id) const {
    const auto found = nodes_.find(id);
    return found == nodes_.end() ? nullptr : found->second.get();
}

RegKey* KeyTree::Add(std::int64_t id, std::int64_t parentId, std::string name) {
    auto key = std::make_unique<RegKey>();
    key->id = id;
    key->name = std::move(name);
    key->parent = Find(parentId);
    RegKey* raw = key.get();
    if (raw->parent != nullptr) {
        raw->parent->children.emplace(UpperName(raw->name), raw);
        raw->parent->ForgetEnumerationPosition();
    }
    nodes_[id] = std::move(key);
    return raw;
}

void KeyTree::Remove(RegKey* key) {
    if (key->parent != nullptr) {
        key->parent->children.erase(UpperName(key->name));
        key->parent->ForgetEnumerationPosition();
    }
    nodes_.erase(key->id);
}

void KeyTree::Clear() { nodes_.clear(); }

}  // namespace platform::emulated
