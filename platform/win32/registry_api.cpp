// The registry calls, forwarded to advapi32's ANSI functions.
#include "platform/registry_api.h"

#include "platform/win32/key_handle.h"
#include "platform/win32/windows_api.h"

namespace platform {

using win32::FromHkey;
using win32::ToHkey;

namespace {

// DWORD is unsigned long on Windows, not std::uint32_t: the in/out sizes
// and types pass through a DWORD of their own.
class DwordArg {
public:
    explicit DwordArg(std::uint32_t* target) : target_(target), value_(target ? *target : 0) {}
    ~DwordArg() {
        if (target_) *target_ = static_cast<std::uint32_t>(value_);
    }
    DwordArg(const DwordArg&) = delete;
    DwordArg& operator=(const DwordArg&) = delete;
    DWORD* get() { return target_ ? &value_ : nullptr; }

private:
    std::uint32_t* target_;
    DWORD value_;
};

}  // namespace

long RegOpenKey(HKey parent, const std::string& subKey, std::uint32_t access, HKey* result) {
    HKEY opened = nullptr;
    const LONG status = ::RegOpenKeyExA(ToHkey(parent), subKey.c_str(), 0, access, &opened);
    *result = status == ERROR_SUCCESS ? FromHkey(opened) : 0;
    return status;
}

long RegCreateKey(HKey parent, const std::string& subKey, std::uint32_t access, HKey* result) {
    HKEY created = nullptr;
    const LONG status = ::RegCreateKeyExA(ToHkey(parent), subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                                          nullptr, &created, nullptr);
    *result = status == ERROR_SUCCESS ? FromHkey(created) : 0;
    return status;
}

long RegCloseKey(HKey key) { return ::RegCloseKey(ToHkey(key)); }

long RegQueryValue(HKey key, const std::string& valueName, std::uint32_t* type, std::uint8_t* data,
                   std::uint32_t* size) {
    DwordArg typeArg(type);
    DwordArg sizeArg(size);
    return ::RegQueryValueExA(ToHkey(key), valueName.c_str(), nullptr, typeArg.get(), data, sizeArg.get());
}

long RegSetValue(HKey key, const std::string& valueName, std::uint32_t type, const std::uint8_t* data,
                 std::uint32_t size) {
    return ::RegSetValueExA(ToHkey(key), valueName.c_str(), 0, type, data, size);
}

long RegDeleteValue(HKey key, const std::string& valueName) {
    return ::RegDeleteValueA(ToHkey(key), valueName.c_str());
}

long RegDeleteKey(HKey parent, const std::string& subKey) { return ::RegDeleteKeyA(ToHkey(parent), subKey.c_str()); }

long RegEnumKey(HKey key, std::uint32_t index, char* name, std::uint32_t* nameLength) {
    DwordArg lengthArg(nameLength);
    return ::RegEnumKeyExA(ToHkey(key), index, name, lengthArg.get(), nullptr, nullptr, nullptr, nullptr);
}

long RegEnumValue(HKey key, std::uint32_t index, char* name, std::uint32_t* nameLength, std::uint32_t* type,
                  std::uint8_t* data, std::uint32_t* dataSize) {
    DwordArg lengthArg(nameLength);
    DwordArg typeArg(type);
    DwordArg sizeArg(dataSize);
    return ::RegEnumValueA(ToHkey(key), index, name, lengthArg.get(), nullptr, typeArg.get(), data, sizeArg.get());
}

long RegQueryInfoKey(HKey key, KeyInfo* info) {
    DWORD subKeys = 0;
    DWORD maxSubKeyLength = 0;
    DWORD values = 0;
    DWORD maxValueNameLength = 0;
    DWORD maxValueLength = 0;
    const LONG status = ::RegQueryInfoKeyA(ToHkey(key), nullptr, nullptr, nullptr, &subKeys, &maxSubKeyLength, nullptr,
                                           &values, &maxValueNameLength, &maxValueLength, nullptr, nullptr);
    if (status == ERROR_SUCCESS) {
        info->subKeys = subKeys;
        info->maxSubKeyLength = maxSubKeyLength;
        info->values = values;
        info->maxValueNameLength = maxValueNameLength;
        info->maxValueLength = maxValueLength;
    }
    return status;
}

}  // namespace platform
