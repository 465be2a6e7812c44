// Registry value data as reg.exe writes it in a query and reads it from
// "add --data".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// The types that "add --type" takes.
std::vector<std::string> AddableTypeNames();

// "REG_SZ" and so on, any letter case; false for another name.
bool TypeFromName(std::string_view name, std::uint32_t& type);

// "REG_SZ" and so on; "REG_0x1234" for a type without a name.
std::string TypeName(std::uint32_t type);

// The bytes to store for --data text (ANSI): REG_SZ and REG_EXPAND_SZ with
// their NUL; REG_MULTI_SZ with "\0" between strings; REG_DWORD and
// REG_QWORD from decimal or 0x hex; REG_BINARY and REG_NONE from hex digits.
// Returns an empty string, or what is wrong with the data.
std::string ParseValueData(std::uint32_t type, std::string_view text, std::string& bytes);

// The data column of a query line (ANSI).
std::string FormatValueData(std::uint32_t type, std::string_view bytes);

}  // namespace cli
