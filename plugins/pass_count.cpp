#include "plugins/pass_count.h"

#include "registry/mod_registry.h"

namespace plugins {

namespace {

constexpr std::size_t kBoxLength = 3;

// The stored text, or nothing when the value is missing.
std::optional<std::string> StoredText(const std::string& key) {
    modRegistry::ValueHolder value;
    modRegistry::ReadValue("HKCU", key, kWipePassesValue, "S", modRegistry::ValueHolder(std::int32_t{0}), value);
    if (!value.IsText()) return std::nullopt;
    return value.Text();
}

}  // namespace

std::optional<std::int64_t> WholeNumber(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    const std::size_t last = text.find_last_not_of(' ');
    std::size_t i = first;
    const bool negative = text[i] == '-';
    if (negative) ++i;
    if (i > last) return std::nullopt;
    std::int64_t number = 0;
    for (; i <= last; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        if (number < INT32_MAX) number = number * 10 + (text[i] - '0');
    }
    return negative ? -number : number;
}

std::int16_t ReadPassCount(const std::string& key, std::int16_t defaultPasses) {
    const std::optional<std::string> stored = StoredText(key);
    if (!stored) return defaultPasses;
    const std::optional<std::int64_t> number = WholeNumber(*stored);
    if (!number) return 0;
    if (*number == 0) return defaultPasses;
    if (*number >= 1 && *number <= kMaxPasses) return static_cast<std::int16_t>(*number);
    return 0;
}

std::optional<std::string> StoredCustomPasses(const std::string& key) {
    const std::optional<std::string> stored = StoredText(key);
    if (!stored) return std::nullopt;
    const std::optional<std::int64_t> number = WholeNumber(*stored);
    if (!number) return stored->substr(0, kBoxLength);
    if (*number == 0) return std::nullopt;
    if (*number > kMaxPasses) return std::to_string(kMaxPasses);
    return std::to_string(*number);
}

CustomPassesCheck CheckCustomPasses(const std::string& text) {
    const std::optional<std::int64_t> number = WholeNumber(text);
    if (!number) return CustomPassesCheck::kNotWhole;
    if (*number > kMaxPasses) return CustomPassesCheck::kTooMany;
    if (*number <= 0) return CustomPassesCheck::kTooFew;
    return CustomPassesCheck::kAccepted;
}

}  // namespace plugins
