#include "plugins/ignore_list_file.h"

#include <algorithm>
#include <optional>

#include "platform/ini_profile.h"
#include "platform/whole_file.h"
#include "plugins/ignore_list_text.h"
#include "plugins/mod_hex.h"
#include "registry/mod_registry.h"

namespace plugins {

namespace {

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

std::string Refusal(const std::string& file, platform::WholeFileStatus status) {
    switch (status) {
        case platform::WholeFileStatus::kNotRegularFile:
            return file + " is not a regular file";
        case platform::WholeFileStatus::kTooLarge:
            return file + " is larger than 1 MiB, more than an ignore list ever holds";
        default:
            return file + " cannot be read";
    }
}

}  // namespace

platform::SettingsFileLocation IgnoreListLocation(const std::string& programFolder) {
    return platform::LocateSettingsFile(programFolder, kIgnoreListFileName);
}

IgnoreListLoad LoadIgnoreList(const std::string& file, clsDES& cipher) {
    const platform::WholeFile whole = platform::ReadWholeFile(file, kIgnoreListMaxBytes);
    if (whole.status == platform::WholeFileStatus::kMissing) return {};
    if (whole.status != platform::WholeFileStatus::kRead) return {{}, Refusal(file, whole.status)};

    const IgnoreListText text = ParseIgnoreListText(whole.bytes);
    const std::int64_t count = LeadingNumber(text.count.value_or("0"));
    IgnoreListLoad load;
    for (const auto& [index, value] : text.entries) {
        if (index >= count) break;
        if (std::optional<std::string> name = DecodeEntry(value, cipher)) load.names.push_back(std::move(*name));
    }
    return load;
}

std::string SaveIgnoreList(const std::string& file, const std::vector<std::string>& names, clsDES& cipher) {
    if (const std::size_t cut = file.rfind('\\'); cut != std::string::npos) {
        const std::string folder = file.substr(0, cut);
        if (!platform::CreateFolderPath(folder)) return "the folder " + folder + " cannot be created";
    }
    // Writing through a FIFO would hang, and a list saved into a file that
    // no load reads would be lost.
    if (const platform::WholeFile existing = platform::ReadWholeFile(file, kIgnoreListMaxBytes);
        existing.status != platform::WholeFileStatus::kRead && existing.status != platform::WholeFileStatus::kMissing)
        return Refusal(file, existing.status);

    const std::string count = std::to_string(names.size());
    // The profile writer creates the file, with [Number] as its first section.
    if (modRegistry::ResolveRoot(file) != modRegistry::kIniRoot)
        platform::WritePrivateProfileString(kCountSection, kCountEntry, count.c_str(), file);
    modRegistry::WriteValue(file, kCountSection, kCountEntry, "S", count);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string value = modHEX::HexEncode(cipher.EncryptString(names[i], kIgnoreListKey), " ");
        modRegistry::WriteValue(file, kNamesSection, std::to_string(i), "S", value);
    }
    return {};
}

}  // namespace plugins
