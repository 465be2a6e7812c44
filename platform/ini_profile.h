// The INI profile functions, with the behaviour of their Win32 ANSI forms:
// section and entry names compare without regard to case, values are
// trimmed (and stripped of one pair of enclosing quotes), results are cut to
// the caller's buffer, and the file is created on the first write. A file
// name without a folder lives in the Windows directory.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// As GetPrivateProfileStringA. A null section lists the section names, a
// null key the entry names, each ended by a NUL with a final extra NUL.
// Returns the number of characters copied, not counting the final NUL.
std::uint32_t GetPrivateProfileString(const char* section, const char* key, const char* defaultValue, char* buffer,
                                      std::uint32_t size, const std::string& fileName);

// As GetPrivateProfileIntA: the default when the entry is missing, else the
// leading decimal number of its value (0 when there is none).
std::uint32_t GetPrivateProfileInt(const char* section, const char* key, int defaultValue, const std::string& fileName);

// As GetPrivateProfileSectionA: "entry=value\0" for each line of the
// section, then one more NUL; comments are left out.
std::uint32_t GetPrivateProfileSection(const char* section, char* buffer, std::uint32_t size,
                                       const std::string& fileName);

// As WritePrivateProfileStringA: a null value deletes the entry, a null key
// the whole section. Returns false when the file cannot be written.
bool WritePrivateProfileString(const char* section, const char* key, const char* value, const std::string& fileName);

}  // namespace platform
