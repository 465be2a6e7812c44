#include "platform/emulated/machine.h"

namespace platform::emulated {

namespace {
// Handles are multiples of four, as on Windows, well clear of the
// predefined roots and of the small markers callers use.
constexpr HKey kFirstHandle = 0x1000;
}  // namespace

HKey HandleTable::Add(std::int64_t keyId, std::uint32_t access) {
    std::size_t slot;
    if (!free_.empty()) {
        slot = free_.back();
        free_.pop_back();
    } else {
        slot = entries_.size();
        entries_.emplace_back();
    }
    entries_[slot] = {keyId, access};
    return kFirstHandle + slot * 4;
}

const HandleTable::Entry* HandleTable::Get(HKey handle) const {
    if (handle < kFirstHandle || (handle - kFirstHandle) % 4 != 0) return nullptr;
    const std::size_t slot = (handle - kFirstHandle) / 4;
    if (slot >= entries_.size() || entries_[slot].keyId == 0) return nullptr;
    return &entries_[slot];
}

bool HandleTable::Remove(HKey handle) {
    if (Get(handle) == nullptr) return false;
    const std::size_t slot = (handle - kFirstHandle) / 4;
    entries_[slot] = {};
    free_.push_back(slot);
    return true;
}

void HandleTable::Clear() {
    entries_.clear();
    free_.clear();
}

}  // namespace platform::emulated
