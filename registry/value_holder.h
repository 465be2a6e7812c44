// The tagged value that carries a reader's default and result and a
// writer's value: a string, a 16-bit boolean or a 32-bit signed integer.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace modRegistry {

// A 16-bit boolean: true is all bits set, false is 0. Data read from the
// registry is kept as it stands, so 01 00 reads as bits 0x0001.
struct Bool16 {
    std::int16_t bits = 0;
    bool IsTrue() const { return bits != 0; }
    friend bool operator==(Bool16 a, Bool16 b) { return a.bits == b.bits; }
};

inline constexpr Bool16 kTrue{-1};
inline constexpr Bool16 kFalse{0};

class ValueHolder {
public:
    ValueHolder() = default;
    ValueHolder(std::string text) : value_(std::move(text)) {}
    ValueHolder(const char* text) : value_(std::string(text)) {}
    ValueHolder(Bool16 flag) : value_(flag) {}
    ValueHolder(std::int32_t number) : value_(number) {}
    static ValueHolder Boolean(bool flag) { return ValueHolder(flag ? kTrue : kFalse); }

    bool IsText() const { return std::holds_alternative<std::string>(value_); }
    bool IsBoolean() const { return std::holds_alternative<Bool16>(value_); }
    bool IsInteger() const { return std::holds_alternative<std::int32_t>(value_); }

    const std::string& Text() const { return std::get<std::string>(value_); }
    Bool16 Boolean() const { return std::get<Bool16>(value_); }
    std::int32_t Integer() const { return std::get<std::int32_t>(value_); }

    // Conversions of the writer, as the program's values convert: a boolean
    // as text is "True" or "False"; text as a boolean or a number must be a
    // number or "True"/"False" (any case), otherwise the conversion fails.
    std::string AsText() const;
    bool AsBoolean(Bool16& out) const;
    bool AsInteger(std::int32_t& out) const;

    friend bool operator==(const ValueHolder& a, const ValueHolder& b) { return a.value_ == b.value_; }

private:
    std::variant<std::string, Bool16, std::int32_t> value_;
};

}  // namespace modRegistry
