// The type codes of the registry-or-INI routines, compared without regard
// to case.
#pragma once

#include <string_view>

namespace modRegistry {

enum class TypeCode { Text, RawText, Boolean, Dword, Other };

inline TypeCode ParseTypeCode(std::string_view code) {
    auto is = [code](std::string_view name) {
        if (code.size() != name.size()) return false;
        for (std::size_t i = 0; i < code.size(); ++i)
            if ((code[i] & ~0x20) != name[i]) return false;
        return true;
    };
    if (is("S")) return TypeCode::Text;
    if (is("BB")) return TypeCode::RawText;
    if (is("B")) return TypeCode::Boolean;
    if (is("D")) return TypeCode::Dword;
    return TypeCode::Other;
}

}  // namespace modRegistry
