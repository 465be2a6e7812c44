#include "registry/cregistry.h"

#include <algorithm>
#include <array>
#include <exception>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry_api.h"
#include "registry/cregistry_errors.h"
#include "registry/probe_trace.h"
#include "registry/scoped_key.h"
#include "registry/tagged_value_text.h"

namespace {

using registry::ScopedKey;
namespace errors = registry::cregistry_errors;

// Room for a subkey name and its NUL: a name of 255 characters or more does
// not fit, and its refusal ends the listing.
constexpr std::uint32_t kSectionNameBuffer = 255;

// Callers hold the hive as the signed value of its handle; the platform takes
// the handle's unsigned Win32 value.
platform::HKey Hive(std::int32_t eKey) { return static_cast<platform::HKey>(static_cast<std::uint32_t>(eKey)); }

// The hive as the trace names roots, so that listings and probes compare.
std::string RootName(std::int32_t eKey) {
    switch (Hive(eKey)) {
        case platform::kHkeyClassesRoot:
            return "HKCR";
        case platform::kHkeyCurrentUser:
            return "HKCU";
        case platform::kHkeyLocalMachine:
            return "HKLM";
        case platform::kHkeyUsers:
            return "HKU";
        case platform::kHkeyCurrentConfig:
            return "HKCC";
        case platform::kHkeyDynData:
            return "HKDD";
        default:
            return std::to_string(eKey);
    }
}

// "'<hive>',Section: '<key path>" as the messages name a key.
std::string KeyInMessage(std::int32_t eKey, const std::string& sSection) {
    return "'" + std::to_string(eKey) + "',Section: '" + sSection;
}

// A "%" with another "%" at least two characters further on names an
// environment variable, so the text is stored for expansion.
bool NamesVariable(const std::string& text) {
    const auto first = text.find('%');
    return first != std::string::npos && text.find('%', first + 2) != std::string::npos;
}

std::string TextOfData(const std::vector<std::uint8_t>& data) {
    std::string text(data.begin(), data.end());
    // Data written without its terminating NUL keeps its last character.
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

// The first four bytes, missing ones taken as zero, in the order given.
std::array<std::uint8_t, 4> FourBytes(const std::vector<std::uint8_t>& data) {
    std::array<std::uint8_t, 4> bytes{};
    std::copy_n(data.begin(), std::min<std::size_t>(data.size(), bytes.size()), bytes.begin());
    return bytes;
}

std::int32_t LittleEndian(const std::array<std::uint8_t, 4>& b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                                     static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24);
}

cRegistry::TaggedValue Decoded(std::uint32_t type, const std::vector<std::uint8_t>& data) {
    switch (type) {
        case platform::kRegSz:
        case platform::kRegMultiSz:
            return TextOfData(data);
        case platform::kRegExpandSz:
            return platform::ExpandEnvironmentStrings(TextOfData(data));
        case platform::kRegDword:
            return LittleEndian(FourBytes(data));
        case platform::kRegDwordBigEndian: {
            auto bytes = FourBytes(data);
            std::reverse(bytes.begin(), bytes.end());
            return LittleEndian(bytes);
        }
        default:
            return data;
    }
}

bool AsDword(const cRegistry::TaggedValue& value, std::int32_t& number) {
    if (const auto* small = std::get_if<std::int16_t>(&value)) {
        number = *small;
        return true;
    }
    if (const auto* large = std::get_if<std::int32_t>(&value)) {
        number = *large;
        return true;
    }
    return false;
}

}  // namespace

bool cRegistry::EnumerateSections(std::vector<std::string>& sSect, std::int32_t& iSectCount) {
    iSectCount = 0;
    sSect.clear();
    try {
        sSect.emplace_back();
        ScopedKey key;
        const long opened = key.Open(Hive(eKey_), sSectionKey_, platform::kKeyEnumerateSubKeys);
        if (modRegistry::TraceEnabled()) {
            modRegistry::TraceCall("EnumerateSections", RootName(eKey_), sSectionKey_, "", "",
                                   opened == platform::kErrorSuccess ? 1 : 0);
        }
        if (opened != platform::kErrorSuccess) return true;
        std::array<char, kSectionNameBuffer> name;
        for (std::uint32_t index = 0;; ++index) {
            name.fill('\0');
            std::uint32_t length = kSectionNameBuffer;
            if (platform::RegEnumKey(key.Get(), index, name.data(), &length) != platform::kErrorSuccess) break;
            // A name that holds a NUL reaches no key through a registry call
            // (Win32 stops reading it there): cut short, it would name
            // another key, so it is not listed.
            const std::string_view found(name.data(), std::min<std::size_t>(length, name.size() - 1));
            if (found.find('\0') != std::string_view::npos) continue;
            sSect.emplace_back(found);
            ++iSectCount;
        }
    } catch (const std::bad_alloc&) {
        errors::Raise(errors::kUnexpected, "Out of memory");
    } catch (const std::exception& error) {
        errors::Raise(errors::kUnexpected, error.what());
    }
    return true;
}

bool cRegistry::KeyExists() const {
    ScopedKey key;
    return key.Open(Hive(eKey_), sSectionKey_, platform::kKeyQueryValue) == platform::kErrorSuccess;
}

bool cRegistry::CreateKey() {
    ScopedKey key;
    if (key.Create(Hive(eKey_), sSectionKey_, platform::kKeyWrite) != platform::kErrorSuccess) {
        errors::Raise(errors::kFailed, "Failed to create registry Key: '" + sSectionKey_);
    }
    return true;
}

bool cRegistry::DeleteKey() {
    if (platform::RegDeleteKey(Hive(eKey_), sSectionKey_) != platform::kErrorSuccess) {
        errors::Raise(errors::kFailed, "Failed to delete registry Key: " + KeyInMessage(eKey_, sSectionKey_));
    }
    return true;
}

bool cRegistry::DeleteValue() {
    ScopedKey key;
    if (key.Open(Hive(eKey_), sSectionKey_, platform::kKeySetValue) != platform::kErrorSuccess) {
        errors::Raise(errors::kFailed,
                      "Failed to open key " + KeyInMessage(eKey_, sSectionKey_) + "' for delete access");
    }
    if (platform::RegDeleteValue(key.Get(), sValueKey_) != platform::kErrorSuccess) {
        errors::Raise(errors::kFailed,
                      "Failed to delete registry Key: " + KeyInMessage(eKey_, sSectionKey_) + "',Key: '" + sValueKey_);
    }
    return true;
}

cRegistry::TaggedValue cRegistry::Value() {
    ScopedKey key;
    if (key.Open(Hive(eKey_), sSectionKey_, platform::kKeyQueryValue) != platform::kErrorSuccess) return vDefault_;
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (platform::RegQueryValue(key.Get(), sValueKey_, &type, nullptr, &size) != platform::kErrorSuccess) {
        return vDefault_;
    }
    std::vector<std::uint8_t> data(size);
    long status = platform::RegQueryValue(key.Get(), sValueKey_, &type, data.data(), &size);
    // The value may have grown since its size was asked for.
    while (status == platform::kErrorMoreData && size > data.size()) {
        data.resize(size);
        status = platform::RegQueryValue(key.Get(), sValueKey_, &type, data.data(), &size);
    }
    if (status != platform::kErrorSuccess) return vDefault_;
    data.resize(size);
    eValueType_ = static_cast<std::int32_t>(type);
    return Decoded(type, data);
}

void cRegistry::SetValue(const TaggedValue& vValue) {
    StoreValue(eKey_, sSectionKey_, sValueKey_, eValueType_, vValue);
}

void cRegistry::StoreValue(std::int32_t eKey, const std::string& sSection, const std::string& sValueName,
                           std::int32_t eValueType, const TaggedValue& vValue) {
    const auto failure = [&] {
        return "Failed to set registry value Key: " + KeyInMessage(eKey, sSection) + "',Key: '" + sValueName +
               "' to value: '" + registry::TextOf(vValue) + "'";
    };
    ScopedKey key;
    if (key.Create(Hive(eKey), sSection, platform::kKeyWrite) != platform::kErrorSuccess) {
        errors::Raise(errors::kFailed, failure());
    }
    std::uint32_t storedType = 0;
    std::vector<std::uint8_t> data;
    switch (static_cast<std::uint32_t>(eValueType)) {
        case platform::kRegSz:
        case platform::kRegExpandSz: {
            const std::string text = registry::TextOf(vValue);
            storedType = NamesVariable(text) ? platform::kRegExpandSz : platform::kRegSz;
            data.assign(text.begin(), text.end());
            data.push_back(0);
            break;
        }
        case platform::kRegBinary: {
            const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&vValue);
            if (bytes == nullptr) errors::Raise(errors::kFailed, failure());
            storedType = platform::kRegBinary;
            data = *bytes;
            break;
        }
        case platform::kRegDword:
        case platform::kRegDwordBigEndian: {
            std::int32_t number = 0;
            if (!AsDword(vValue, number)) errors::Raise(errors::kFailed, failure());
            const auto bits = static_cast<std::uint32_t>(number);
            storedType = platform::kRegDword;
            data = {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
                    static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
            break;
        }
        default:
            return;
    }
    if (platform::RegSetValue(key.Get(), sValueName, storedType, data.data(),
                              static_cast<std::uint32_t>(data.size())) != platform::kErrorSuccess) {
        errors::Raise(errors::kValueNotStored, failure());
    }
    lastWritten_ = vValue;
}

bool cRegistry::EnumerateValues(std::vector<std::string>& sKeyNames, std::int32_t& iKeyCount) {
    iKeyCount = 0;
    sKeyNames.clear();
    sKeyNames.emplace_back();
    ScopedKey key;
    if (key.Open(Hive(eKey_), sSectionKey_, platform::kKeyQueryValue) != platform::kErrorSuccess) return true;
    platform::KeyInfo info;
    if (platform::RegQueryInfoKey(key.Get(), &info) != platform::kErrorSuccess) return true;
    std::vector<char> name(static_cast<std::size_t>(info.maxValueNameLength) + 1);
    for (std::uint32_t index = 0;; ++index) {
        // Each call gets the whole buffer again: a shorter name before a
        // longer one must not shrink it.
        auto length = static_cast<std::uint32_t>(name.size());
        if (platform::RegEnumValue(key.Get(), index, name.data(), &length, nullptr, nullptr, nullptr) !=
            platform::kErrorSuccess) {
            break;
        }
        sKeyNames.emplace_back(name.data(), std::min<std::size_t>(length, name.size() - 1));
        ++iKeyCount;
    }
    return true;
}
