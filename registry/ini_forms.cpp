#include "registry/ini_forms.h"

#include <charconv>
#include <string_view>
#include <vector>

#include "platform/ini_profile.h"
#include "platform/registry_api.h"
#include "registry/mod_registry.h"
#include "registry/type_code.h"

namespace modRegistry::ini {

namespace {

// The buffers the routines hand to the profile functions.
constexpr std::uint32_t kEntryBuffer = 255;
constexpr std::uint32_t kSectionBuffer = 8192;

// The entry's text, the fallback when it is missing.
std::string ReadEntry(const std::string& file, const std::string& section, const std::string& entry,
                      const std::string& fallback) {
    char buffer[kEntryBuffer];
    const std::uint32_t length =
        platform::GetPrivateProfileString(section.c_str(), entry.c_str(), fallback.c_str(), buffer, kEntryBuffer, file);
    return std::string(buffer, length);
}

bool WholeNumber(std::string_view text, std::int64_t& number) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

}  // namespace

long ReadValue(const std::string& file, const std::string& section, const std::string& entry,
               const std::string& typeCode, const ValueHolder& defaultValue, ValueHolder& result) {
    const TypeCode code = ParseTypeCode(typeCode);
    if (code == TypeCode::Text || code == TypeCode::RawText) {
        result = ReadEntry(file, section, entry, defaultValue.AsText());
    } else if (code == TypeCode::Boolean || code == TypeCode::Dword) {
        // The entry's number; a missing or non-numeric entry leaves the default.
        std::int64_t number = 0;
        if (!WholeNumber(ReadEntry(file, section, entry, ""), number)) return kStatusOk;
        if (code == TypeCode::Dword && number >= INT32_MIN && number <= INT32_MAX)
            result = static_cast<std::int32_t>(number);
        if (code == TypeCode::Boolean && number >= INT16_MIN && number <= INT16_MAX)
            result = Bool16{static_cast<std::int16_t>(number)};
    }
    return kStatusOk;
}

long WriteValue(const std::string& file, const std::string& section, const std::string& entry,
                const std::string& typeCode, const ValueHolder& value) {
    if (ParseTypeCode(typeCode) != TypeCode::Text) return kStatusUnusableRoot;
    const bool written =
        platform::WritePrivateProfileString(section.c_str(), entry.c_str(), value.AsText().c_str(), file);
    return written ? kStatusOk : platform::kErrorWriteFault;
}

long RemoveValue(const std::string& file, const std::string& section, const std::string& entry) {
    // The entry stays in the file, empty.
    const bool written = platform::WritePrivateProfileString(section.c_str(), entry.c_str(), "", file);
    return written ? kStatusOk : platform::kErrorWriteFault;
}

long ReadSection(const std::string& file, const std::string& section, std::string& text) {
    std::vector<char> buffer(kSectionBuffer, ' ');
    platform::GetPrivateProfileSection(section.c_str(), buffer.data(), kSectionBuffer, file);
    text.assign(buffer.data(), buffer.size());
    return kStatusOk;
}

}  // namespace modRegistry::ini
