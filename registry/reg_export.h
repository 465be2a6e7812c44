// Writing the registry as a "Windows Registry Editor Version 5.00" .reg
// file, in the form that ParseRegFile reads back byte for byte: strings as
// "text" only where that form gives back the same bytes, hex(n): otherwise.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "registry/reg_key_name.h"

namespace registry {

// The text is ANSI (Windows-1252) with "\n" line ends; EncodeRegFileUtf16
// or platform::AnsiToUtf8 give the bytes to write.

// Appends the header line to text.
void AppendRegFileHeader(std::string& text);

// Appends key and its subtree: keys depth first, each key's values and
// subkeys in enumeration order. Returns an empty string, or what failed.
std::string ExportKey(const KeyName& key, std::string& text);

// Appends HKEY_LOCAL_MACHINE and HKEY_USERS, which hold everything.
std::string ExportRegistry(std::string& text);

// Appends the line or lines of one value ("name"=data), hex data wrapped
// with '\' within 80 columns as regedit does. Returns false, appending
// nothing, when the name holds a line break, which a .reg file cannot carry.
bool AppendRegValueLines(std::string& text, std::string_view name, std::uint32_t type, std::string_view data);

// The bytes of a .reg file as regedit writes it: UTF-16LE with a
// byte-order mark, CRLF line ends.
std::string EncodeRegFileUtf16(std::string_view ansiText);

}  // namespace registry
