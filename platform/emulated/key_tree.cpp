#include "platform/emulated/key_tree.h"

#include <iterator>
#include <vector>

namespace platform::emulated {

namespace {

// The upper-cased name in a buffer of the thread: a probe allocates nothing.
const std::string& UpperInBuffer(std::string_view name) {
    thread_local std::string upper;
    upper.assign(name);
    for (char& c : upper) c = static_cast<char>(UpperAnsi(static_cast<unsigned char>(c)));
    return upper;
}

}  // namespace

const RegValue* ValueList::Find(std::string_view name) const {
    const auto found = idByUpperName_.find(UpperInBuffer(name));
    if (found == idByUpperName_.end()) return nullptr;
    return &byId_.find(found->second)->second;
}

const RegValue* ValueList::At(std::uint32_t index) const {
    if (index >= byId_.size()) return nullptr;
    if (cursorValid_ && index == cursorIndex_ + 1) {
        ++cursor_;
    } else if (!(cursorValid_ && index == cursorIndex_)) {
        cursor_ = std::next(byId_.begin(), index);
    }
    cursorValid_ = true;
    cursorIndex_ = index;
    return &cursor_->second;
}

void ValueList::Set(std::int64_t id, std::string_view name, std::uint32_t type, std::string_view data) {
    auto [at, added] = byId_.try_emplace(id);
    RegValue& value = at->second;
    if (added) {
        value.id = id;
        value.name.assign(name);
        idByUpperName_[UpperName(name)] = id;
        cursorValid_ = false;
    }
    value.type = type;
    value.data.assign(data);
}

void ValueList::Erase(std::string_view name) {
    const auto found = idByUpperName_.find(UpperInBuffer(name));
    if (found == idByUpperName_.end()) return;
    byId_.erase(found->second);
    idByUpperName_.erase(found);
    cursorValid_ = false;
}

void ValueList::Clear() {
    byId_.clear();
    idByUpperName_.clear();
    cursorValid_ = false;
}

RegKey* RegKey::Child(std::string_view upperName) const {
    const auto found = children.find(upperName);
    return found == children.end() ? nullptr : found->second;
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

RegKey* KeyTree::Add(std::int64_t id, RegKey* parent, std::string name) {
    auto key = std::make_unique<RegKey>();
    key->id = id;
    key->name = std::move(name);
    key->parent = parent;
    RegKey* raw = key.get();
    if (parent != nullptr) {
        parent->children.emplace(UpperName(raw->name), raw);
        parent->ForgetEnumerationPosition();
    }
    nodes_[id] = std::move(key);
    return raw;
}

void KeyTree::Remove(RegKey* key) {
    if (key->parent != nullptr) {
        key->parent->children.erase(UpperName(key->name));
        key->parent->ForgetEnumerationPosition();
    }
    // A stack instead of recursion: keys may nest thousands deep.
    std::vector<std::int64_t> doomed{key->id};
    while (!doomed.empty()) {
        const auto found = nodes_.find(doomed.back());
        doomed.pop_back();
        if (found == nodes_.end()) continue;
        for (const auto& [upper, child] : found->second->children) doomed.push_back(child->id);
        nodes_.erase(found);
    }
}

void KeyTree::Clear() { nodes_.clear(); }

}  // namespace platform::emulated
