// A key opened or created through the platform, closed when the object goes
// out of scope, so every exit path, thrown errors included, closes the key.
// One key per object: open or create it once.
#pragma once

#include <cstdint>
#include <string>

#include "platform/registry_api.h"

namespace registry {

class ScopedKey {
public:
    ScopedKey() = default;
    ~ScopedKey() {
        if (handle_ != 0) platform::RegCloseKey(handle_);
    }
    ScopedKey(const ScopedKey&) = delete;
    ScopedKey& operator=(const ScopedKey&) = delete;

    // Each returns the call's Win32 code; the handle is kept only on success,
    // as a failed call leaves its out parameter undefined.
    long Open(platform::HKey parent, const std::string& path, std::uint32_t access) {
        return Adopt(platform::RegOpenKey(parent, path, access, &received_));
    }
    long Create(platform::HKey parent, const std::string& path, std::uint32_t access) {
        return Adopt(platform::RegCreateKey(parent, path, access, &received_));
    }

    platform::HKey Get() const { return handle_; }

private:
    long Adopt(long status) {
        if (status == platform::kErrorSuccess) handle_ = received_;
        return status;
    }

    platform::HKey handle_ = 0;
    platform::HKey received_ = 0;
};

}  // namespace registry
