// The in-memory copy of the registry store that reads are served from. It
// holds only what has been asked for: a key's subkeys and its values are
// loaded from the store on first use (by the store) and dropped again when
// another process changes them.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "platform/ansi_case.h"

namespace platform::emulated {

struct RegValue {
    std::int64_t id = 0;  // store row; values enumerate in this order
    std::string name;
    std::uint32_t type = 0;
    std::string data;
};

// The values of one key in insertion order, found by name in constant time.
class ValueList {
public:
    ValueList() = default;
    // A copy or a moved-to list starts its enumeration afresh: the cursor
    // points into the list it was taken from.
    ValueList(const ValueList& other) : byId_(other.byId_), idByUpperName_(other.idByUpperName_) {}
    ValueList(ValueList&& other) noexcept
        : byId_(std::move(other.byId_)), idByUpperName_(std::move(other.idByUpperName_)) {
        other.cursorValid_ = false;
    }
    ValueList& operator=(const ValueList& other) {
        if (this != &other) {
            byId_ = other.byId_;
            idByUpperName_ = other.idByUpperName_;
            cursorValid_ = false;
        }
        return *this;
    }
    ValueList& operator=(ValueList&& other) noexcept {
        if (this != &other) {
            byId_ = std::move(other.byId_);
            idByUpperName_ = std::move(other.idByUpperName_);
            cursorValid_ = false;
            other.cursorValid_ = false;
        }
        return *this;
    }

    const RegValue* Find(std::string_view name) const;
    // The value at an index of the enumeration order; walking the indexes
    // in turn costs one step each.
    const RegValue* At(std::uint32_t index) const;
    std::size_t Size() const { return byId_.size(); }
    // Overwrites the value of that row, keeping its name, or adds it.
    void Set(std::int64_t id, std::string_view name, std::uint32_t type, std::string_view data);
    void Erase(std::string_view name);
    void Clear();

    auto begin() const { return byId_.begin(); }
    auto end() const { return byId_.end(); }

private:
    using Iterator = std::map<std::int64_t, RegValue>::const_iterator;
    std::map<std::int64_t, RegValue> byId_;
    std::unordered_map<std::string, std::int64_t> idByUpperName_;
    mutable bool cursorValid_ = false;
    mutable std::uint32_t cursorIndex_ = 0;
    mutable Iterator cursor_;
};

struct RegKey {
    std::int64_t id = 0;
    std::string name;
    RegKey* parent = nullptr;
    // Whether children and values hold what the store holds; a key whose
    // subkeys are not loaded may still list some (looked up one by one, or
    // loaded before), which the next load keeps when they are still there.
    bool childrenLoaded = false;
    bool valuesLoaded = false;
    std::map<std::string, RegKey*, UnicodeOrder> children;  // by upper-cased name
    ValueList values;
    // Its subkeys and values are still to be read into the tree (a store
    // that reads a key whole as it is reached: KeyStore::Ready).
    bool unread = false;

    RegKey* Child(std::string_view upperName) const;
    // The child at an index of the enumeration order; walking the indexes
    // in turn costs one step each.
    RegKey* ChildAt(std::uint32_t index) const;
    void ForgetEnumerationPosition() const { enumerationValid_ = false; }

private:
    using ChildIterator = std::map<std::string, RegKey*, UnicodeOrder>::const_iterator;
    mutable bool enumerationValid_ = false;
    mutable std::uint32_t enumerationIndex_ = 0;
    mutable ChildIterator enumerationAt_;
};

class KeyTree {
public:
    // The key when it is in the copy; null otherwise.
    RegKey* Find(std::int64_t id) const;
    // A key below parent (null for a root), listed among its children.
    RegKey* Add(std::int64_t id, RegKey* parent, std::string name);
    // Takes the key and every key below it out of the copy.
    void Remove(RegKey* key);
    void Clear();
    std::size_t Size() const { return nodes_.size(); }

private:
    std::unordered_map<std::int64_t, std::unique_ptr<RegKey>> nodes_;
};

}  // namespace platform::emulated
