#include "registry/value_holder.h"

#include <charconv>
#include <string_view>

namespace modRegistry {

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool IsWord(std::string_view text, std::string_view word) {
    if (text.size() != word.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((text[i] | 0x20) != (word[i] | 0x20)) return false;
    return true;
}

// "True" and "False" in any case, or a whole decimal number.
bool ParseNumber(std::string_view text, std::int64_t& out) {
    text = Trimmed(text);
    if (IsWord(text, "true")) return out = -1, true;
    if (IsWord(text, "false")) return out = 0, true;
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

}  // namespace

std::string ValueHolder::AsText() const {
    if (IsText()) return Text();
    if (IsBoolean()) return Boolean().IsTrue() ? "True" : "False";
    return std::to_string(Integer());
}

bool ValueHolder::AsBoolean(Bool16& out) const {
    std::int64_t number = 0;
    if (IsBoolean())
        number = Boolean().bits;
    else if (IsInteger())
        number = Integer();
    else if (!ParseNumber(Text(), number))
        return false;
    out = number != 0 ? kTrue : kFalse;
    return true;
}

bool ValueHolder::AsInteger(std::int32_t& out) const {
    std::int64_t number = 0;
    if (IsBoolean())
        number = Boolean().IsTrue() ? -1 : 0;
    else if (IsInteger())
        number = Integer();
    else if (!ParseNumber(Text(), number))
        return false;
    if (number < INT32_MIN || number > INT32_MAX) return false;
    out = static_cast<std::int32_t>(number);
    return true;
}

}  // namespace modRegistry
