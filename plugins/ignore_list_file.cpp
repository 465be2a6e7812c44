#include "plugins/ignore_list_file.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "platform/ini_profile.h"
#include "plugins/mod_hex.h"
#include "registry/mod_registry.h"

namespace plugins {

namespace {

constexpr const char* kCountSection = "Number";
constexpr const char* kCountEntry = "Count";
constexpr const char* kNamesSection = "IgnoreCookies";

// The leading decimal number of a text, as the count is taken; 0 when
// there is none or it is negative.
std::int64_t LeadingNumber(const std::string& text) {
    std::int64_t number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        number = std::min<std::int64_t>(number * 10 + (c - '0'), INT32_MAX);
    }
    return number;
}

// An entry name as the loader asks for it: decimal without leading zeros.
std::optional<std::int64_t> EntryIndex(const std::string& name) {
    if (name.empty() || name.size() > 10 || (name.size() > 1 && name[0] == '0')) return std::nullopt;
    if (!std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
    return std::stoll(name);
}

// The indices below count that the names section holds, ascending and
// each once. An index missing from the file would read as the default,
// which decodes to nothing, so only these are read: a damaged count of
// billions beside one entry of a high index costs one read, not billions.
std::vector<std::int64_t> PresentIndices(const std::string& file, std::int64_t count) {
    std::string names(4096, '\0');
    std::uint32_t copied = 0;
    for (;;) {
        const auto size = static_cast<std::uint32_t>(names.size());
        copied = platform::GetPrivateProfileString(kNamesSection, nullptr, "", names.data(), size, file);
        if (copied + 2 < size) break;
        names.resize(names.size() * 2);
    }
    std::vector<std::int64_t> indices;
    for (std::size_t start = 0; start < copied;) {
        const std::size_t end = names.find('\0', start);
        const auto index = EntryIndex(names.substr(start, end - start));
        if (index && *index < count) indices.push_back(*index);
        start = end + 1;
    }
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    return indices;
}

std::string ReadEntry(const std::string& file, const std::string& section, const std::string& entry,
                      const char* defaultText) {
    modRegistry::ValueHolder value;
    modRegistry::ReadValue(file, section, entry, "S", modRegistry::ValueHolder(defaultText), value);
    return value.IsText() ? value.Text() : defaultText;
}

std::optional<std::string> DecodeEntry(const std::string& value, clsDES& cipher) {
    const std::optional<std::string> ciphertext = modHEX::HexDecode(value, 1);
    if (!ciphertext || modHEX::HexEncode(*ciphertext, " ") != value) return std::nullopt;
    if (!clsDES::IsCiphertextLength(ciphertext->size())) return std::nullopt;
    try {
        return cipher.DecryptString(*ciphertext, kIgnoreListKey);
    } catch (const clsDES::Error&) {
        return std::nullopt;
    }
}

}  // namespace

std::string IgnoreListPath(const std::string& programFolder) {
    return programFolder + "\\" + kIgnoreListFileName;
}

std::vector<std::string> LoadIgnoreList(const std::string& file, clsDES& cipher) {
    std::vector<std::string> names;
    const std::int64_t count = LeadingNumber(ReadEntry(file, kCountSection, kCountEntry, "0"));
    if (count == 0) return names;
    for (const std::int64_t i : PresentIndices(file, count)) {
        if (auto name = DecodeEntry(ReadEntry(file, kNamesSection, std::to_string(i), "0"), cipher))
            names.push_back(std::move(*name));
    }
    return names;
}

void SaveIgnoreList(const std::string& file, const std::vector<std::string>& names, clsDES& cipher) {
    const std::string count = std::to_string(names.size());
    // The profile writer creates the file, with [Number] as its first section.
    if (modRegistry::ResolveRoot(file) != modRegistry::kIniRoot)
        platform::WritePrivateProfileString(kCountSection, kCountEntry, count.c_str(), file);
    modRegistry::WriteValue(file, kCountSection, kCountEntry, "S", count);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string value = modHEX::HexEncode(cipher.EncryptString(names[i], kIgnoreListKey), " ");
        modRegistry::WriteValue(file, kNamesSection, std::to_string(i), "S", value);
    }
}

}  // namespace plugins
