// The in-memory copy of the registry store that every read is served from.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/ansi_case.h"

namespace platform::emulated {

struct RegValue {
    std::int64_t id = 0;  // store row; values enumerate in this order
    std::string name;
    std::string upperName;
    std::uint32_t type = 0;
    std::string data;
};

struct RegKey {
    std::int64_t id = 0;
    std::string name;
    RegKey* parent = nullptr;
    std::map<std::string, RegKey*, UnicodeOrder> children;  // by upper-cased name
    std::vector<RegValue> values;                           // in insertion order
    // Its subkeys and values are still to be read into the tree (a store
    // that reads keys as they are reached: KeyStore::Ready).
    bool unread = false;

    RegKey* Child(std::string_view upperName) const;
    RegValue* FindValue(std::string_view name);
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
    RegKey* Find(std::int64_t id) const;
    RegKey* Add(std::int64_t id, std::int64_t parentId, std::string name);
    void Remove(RegKey* key);
    void Clear();

private:
    std::unordered_map<std::int64_t, std::unique_ptr<RegKey>> nodes_;
};

}  // namespace platform::emulated
