#include "plugins/ignore_list_text.h"

#include <algorithm>

namespace plugins {

namespace {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a'; }

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Both names are compared with names of ASCII letters, which no other
// Windows-1252 character folds to: folding ASCII alone is exact.
bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return upper(x) == upper(y); });
}

// The text a reader gets for an entry's value.
std::string ValueText(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, value.find('\0')));
}

std::optional<std::int64_t> EntryIndex(std::string_view name) {
    if (name.empty() || name.size() > 10 || (name.size() > 1 && name[0] == '0')) return std::nullopt;
    std::int64_t index = 0;
    for (char c : name) {
        if (c < '0' || c > '9') return std::nullopt;
        index = index * 10 + (c - '0');
    }
    return index;
}

enum class Section { kNone, kCount, kNames };

}  // namespace

IgnoreListText ParseIgnoreListText(std::string_view text) {
    IgnoreListText result;
    // Every index entry, a bare name without "=" too: as the first of its
    // index it hides the later ones, and reads as missing.
    std::vector<std::pair<std::int64_t, std::optional<std::string>>> entries;
    Section section = Section::kNone;
    bool countSectionSeen = false;
    bool namesSectionSeen = false;
    bool countEntrySeen = false;

    while (!text.empty()) {
        const std::size_t lineEnd = std::min(text.find_first_of("\r\n"), text.size());
        const std::string_view line = TrimRight(TrimLeft(text.substr(0, lineEnd)));
        text.remove_prefix(lineEnd);
        text.remove_prefix(text.starts_with("\r\n") ? 2 : std::min<std::size_t>(text.size(), 1));
        if (line.empty()) continue;

        if (const std::size_t close = line.rfind(']');
            line.front() == '[' && close != std::string_view::npos && close > 0) {
            const std::string_view name = TrimRight(TrimLeft(line.substr(1, close - 1)));
            section = Section::kNone;
            if (EqualsIgnoringCase(name, kCountSection) && !std::exchange(countSectionSeen, true))
                section = Section::kCount;
            if (EqualsIgnoringCase(name, kNamesSection) && !std::exchange(namesSectionSeen, true))
                section = Section::kNames;
            continue;
        }
        const std::size_t equals = line.find('=');
        const std::string_view name = TrimRight(line.substr(0, equals));
        const bool hasValue = equals != std::string_view::npos;
        const std::string_view value = hasValue ? TrimLeft(line.substr(equals + 1)) : std::string_view();

        if (section == Section::kCount && EqualsIgnoringCase(name, kCountEntry) &&
            !std::exchange(countEntrySeen, true) && hasValue) {
            result.count = ValueText(value);
        } else if (section == Section::kNames) {
            if (const std::optional<std::int64_t> index = EntryIndex(name))
                entries.emplace_back(*index, hasValue ? std::optional(ValueText(value)) : std::nullopt);
        }
    }
    // Sorting keeps the entries of one index in file order: the first stays.
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    entries.erase(
        std::unique(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.first == b.first; }),
        entries.end());
    for (auto& [index, value] : entries)
        if (value) result.entries.emplace_back(index, std::move(*value));
    return result;
}

}  // namespace plugins
