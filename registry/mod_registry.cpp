#include "registry/mod_registry.h"

#include <array>
#include <cstring>
#include <utility>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "registry/ini_forms.h"
#include "registry/probe_trace.h"
#include "registry/type_code.h"

namespace modRegistry {

namespace {

using platform::HKey;

struct RootName {
    const char* name;
    HKey handle;
};

constexpr RootName kRoots[] = {
    {"HKCU", platform::kHkeyCurrentUser}, {"HKLM", platform::kHkeyLocalMachine},  {"HKU", platform::kHkeyUsers},
    {"HKDD", platform::kHkeyDynData},     {"HKCC", platform::kHkeyCurrentConfig}, {"HKCR", platform::kHkeyClassesRoot},
};

bool IsStringType(std::uint32_t type) {
    return type == platform::kRegSz || type == platform::kRegExpandSz || type == platform::kRegMultiSz;
}

// Closes the key it holds whatever path the routine leaves by.
class OpenKey {
public:
    explicit OpenKey(HKey key) : key_(key) {}
    ~OpenKey() {
        if (key_ != 0) platform::RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKey get() const { return key_; }
    long Close() { return platform::RegCloseKey(std::exchange(key_, 0)); }

private:
    HKey key_;
};

// "S" and "BB": the data as text, one character per byte, less a string's
// terminating NUL or, for any other type, less its last byte.
// Empty data leaves result as it was.
long ReadText(HKey key, const std::string& valueName, ValueHolder& result) {
    std::uint32_t type = 0;
    // Most data fits here and takes one query; larger data is asked for
    // again at its size.
    std::array<std::uint8_t, 256> small;
    std::uint32_t size = small.size();
    long rc = platform::RegQueryValue(key, valueName, &type, small.data(), &size);
    std::string data;
    if (rc == platform::kErrorSuccess) {
        if (size == 0) return rc;
        data.assign(reinterpret_cast<const char*>(small.data()), size);
    } else {
        if (rc != platform::kErrorMoreData) return rc;
        data.resize(size);
        rc = platform::RegQueryValue(key, valueName, &type, reinterpret_cast<std::uint8_t*>(data.data()), &size);
        if (rc != platform::kErrorSuccess) return rc;
        data.resize(size);
    }
    if (!data.empty() && (!IsStringType(type) || data.back() == '\0')) data.pop_back();
    result = std::move(data);
    return rc;
}

template <typename Number>
long ReadNumber(HKey key, const std::string& valueName, Number& number) {
    number = 0;
    std::uint32_t size = sizeof(Number);
    std::uint32_t type = 0;
    return platform::RegQueryValue(key, valueName, &type, reinterpret_cast<std::uint8_t*>(&number), &size);
}

long ReadRegistryValue(HKey root, const std::string& key, const std::string& valueName, TypeCode code,
                       ValueHolder& result) {
    HKey handle = 0;
    const long opened = platform::RegOpenKey(root, key, platform::kKeyQueryValue, &handle);
    if (opened != platform::kErrorSuccess) return opened;
    OpenKey open(handle);
    if (code == TypeCode::Text || code == TypeCode::RawText) {
        ReadText(handle, valueName, result);
    } else if (code == TypeCode::Boolean) {
        std::int16_t bits = 0;
        if (ReadNumber(handle, valueName, bits) == platform::kErrorSuccess) result = Bool16{bits};
    } else if (code == TypeCode::Dword) {
        std::int32_t number = 0;
        if (ReadNumber(handle, valueName, number) == platform::kErrorSuccess) result = number;
    }
    return open.Close();
}

// The data the writer stores for a type code, or false when the value does
// not convert to the code's kind.
bool Encode(TypeCode code, const ValueHolder& value, std::uint32_t& type, std::string& data) {
    if (code == TypeCode::Text) {
        type = platform::kRegSz;
        data = value.AsText();
        data.push_back('\0');  // stored with its terminator, so it reads back whole
        return true;
    }
    if (code == TypeCode::Boolean) {
        Bool16 flag;
        if (!value.AsBoolean(flag)) return false;
        type = platform::kRegBinary;
        data.assign(2, flag.IsTrue() ? '\xFF' : '\0');
        return true;
    }
    if (code == TypeCode::Dword) {
        std::int32_t number = 0;
        if (!value.AsInteger(number)) return false;
        type = platform::kRegDword;
        const auto bits = static_cast<std::uint32_t>(number);
        data = {static_cast<char>(bits & 0xFF), static_cast<char>((bits >> 8) & 0xFF),
                static_cast<char>((bits >> 16) & 0xFF), static_cast<char>(bits >> 24)};
        return true;
    }
    return true;  // any other code only makes sure that the key exists
}

// A missing key or value is what a remover wants: both count as success.
long Removed(long rc) { return rc == platform::kErrorFileNotFound ? platform::kErrorSuccess : rc; }

std::string LittleEndianDecimal(const std::string& data) {
    std::uint64_t number = 0;
    for (std::size_t i = data.size(); i-- > 0;) number = (number << 8) | static_cast<std::uint8_t>(data[i]);
    return std::to_string(number);
}

long ReadRegistrySection(HKey root, const std::string& key, std::string& text) {
    HKey handle = 0;
    const long opened = platform::RegOpenKey(root, key, platform::kKeyQueryValue, &handle);
    if (opened != platform::kErrorSuccess) return opened;
    OpenKey open(handle);
    std::vector<char> name(2048);
    for (std::uint32_t index = 0;; ++index) {
        std::uint32_t nameLength = static_cast<std::uint32_t>(name.size());
        std::uint32_t type = 0;
        std::uint32_t size = 0;
        if (platform::RegEnumValue(handle, index, name.data(), &nameLength, &type, nullptr, &size) !=
            platform::kErrorSuccess)
            break;
        const bool number = type == platform::kRegDword || (type == platform::kRegBinary && size <= 2);
        if (type != platform::kRegSz && !number) continue;
        const std::string valueName(name.data(), nameLength);
        std::string data(number ? 4 : size, '\0');
        std::uint32_t read = static_cast<std::uint32_t>(data.size());
        const long rc =
            platform::RegQueryValue(handle, valueName, &type, reinterpret_cast<std::uint8_t*>(data.data()), &read);
        if (rc != platform::kErrorSuccess) return rc;
        data.resize(read);
        text += valueName;
        text += '=';
        if (number) {
            text += LittleEndianDecimal(data);
            text += '\0';
        } else {
            // The string's own NUL ends the entry; one is added where the
            // writer left it out, so entries never run together.
            text += data;
            if (data.empty() || data.back() != '\0') text += '\0';
        }
    }
    text += '\0';
    if (text.size() == 1) text += '\0';
    return open.Close();
}

}  // namespace

HKey ResolveRoot(const std::string& root) {
    if (root.size() <= 4) {
        for (const RootName& name : kRoots) {
            const std::size_t length = std::strlen(name.name);
            if (root.size() != length) continue;
            bool same = true;
            for (std::size_t i = 0; i < length && same; ++i) same = (root[i] & ~0x20) == name.name[i];
            if (same) return name.handle;
        }
    }
    // A file root must name one ordinary file exactly: no pattern, no
    // hidden, system or directory entry.
    if (root.empty() || root.find_first_of("*?") != std::string::npos) return 0;
    const auto attributes = platform::GetFileAttributes(root);
    constexpr std::uint32_t kNotOrdinary =
        platform::kFileAttributeDirectory | platform::kFileAttributeHidden | platform::kFileAttributeSystem;
    return attributes && (*attributes & kNotOrdinary) == 0 ? kIniRoot : 0;
}

long ReadValue(const std::string& root, const std::string& key, const std::string& valueName,
               const std::string& typeCode, const ValueHolder& defaultValue, ValueHolder& result) {
    result = defaultValue;
    const HKey handle = ResolveRoot(root);
    long rc = kStatusUnusableRoot;
    if (handle == kIniRoot)
        rc = ini::ReadValue(root, key, valueName, typeCode, defaultValue, result);
    else if (handle != 0)
        rc = ReadRegistryValue(handle, key, valueName, ParseTypeCode(typeCode), result);
    if (TraceEnabled()) TraceCall("ReadValue", root, key, valueName, typeCode, result == defaultValue ? 0 : 1);
    return rc;
}

long WriteValue(const std::string& root, const std::string& key, const std::string& valueName,
                const std::string& typeCode, const ValueHolder& value) {
    const HKey handle = ResolveRoot(root);
    long rc = kStatusUnusableRoot;
    std::uint32_t type = 0;
    std::string data;
    const TypeCode code = ParseTypeCode(typeCode);
    if (handle == kIniRoot) {
        rc = ini::WriteValue(root, key, valueName, typeCode, value);
    } else if (handle != 0 && !Encode(code, value, type, data)) {
        rc = platform::kErrorInvalidData;  // refused before anything is touched
    } else if (handle != 0) {
        HKey opened = 0;
        rc = platform::RegCreateKey(handle, key, platform::kKeySetValue | platform::kKeyCreateSubKey, &opened);
        if (rc == platform::kErrorSuccess) {
            OpenKey open(opened);
            if (code != TypeCode::Other && code != TypeCode::RawText)
                rc = platform::RegSetValue(opened, valueName, type, reinterpret_cast<const std::uint8_t*>(data.data()),
                                           static_cast<std::uint32_t>(data.size()));
            const long closed = open.Close();
            if (rc == platform::kErrorSuccess) rc = closed;
        }
    }
    if (TraceEnabled()) TraceCall("WriteValue", root, key, valueName, typeCode, rc);
    return rc;
}

long RemoveValue(const std::string& root, const std::string& key, const std::string& valueName) {
    const HKey handle = ResolveRoot(root);
    long rc = kStatusUnusableRoot;
    if (handle == kIniRoot) {
        rc = ini::RemoveValue(root, key, valueName);
    } else if (handle != 0) {
        HKey opened = 0;
        rc = Removed(platform::RegOpenKey(handle, key, platform::kKeySetValue, &opened));
        if (opened != 0) {
            OpenKey open(opened);
            rc = Removed(platform::RegDeleteValue(opened, valueName));
            const long closed = open.Close();
            if (rc == platform::kErrorSuccess) rc = closed;
        }
    }
    if (TraceEnabled()) TraceCall("RemoveValue", root, key, valueName, "", rc);
    return rc;
}

long RemoveKey(const std::string& root, const std::string& parentKey, const std::string& subKey) {
    const HKey handle = ResolveRoot(root);
    long rc = kStatusUnusableRoot;  // no INI form: a file root changes nothing
    if (handle != 0 && handle != kIniRoot) {
        HKey opened = 0;
        rc = Removed(platform::RegOpenKey(handle, parentKey, platform::kKeyCreateSubKey, &opened));
        if (opened != 0) {
            OpenKey open(opened);
            rc = Removed(platform::RegDeleteKey(opened, subKey));
            const long closed = open.Close();
            if (rc == platform::kErrorSuccess) rc = closed;
        }
    }
    if (TraceEnabled()) TraceCall("RemoveKey", root, parentKey, subKey, "", rc);
    return rc;
}

long ReadSection(const std::string& root, const std::string& key, std::string& text) {
    const HKey handle = ResolveRoot(root);
    long rc = kStatusUnusableRoot;
    if (handle == kIniRoot)
        rc = ini::ReadSection(root, key, text);
    else if (handle != 0)
        rc = ReadRegistrySection(handle, key, text);
    if (TraceEnabled()) TraceCall("ReadSection", root, key, "", "", text.empty() ? 0 : 1);
    return rc;
}

}  // namespace modRegistry
