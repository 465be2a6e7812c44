// What the shredder does on the handle of the file it opened, never by path
// again, so that nothing put in the file's place meanwhile is reached: count
// the file's names, empty it, and give it the shredder's mark. The mark is
// a time set on the emptied file just before it is renamed to "~" and
// deleted; it wipes the file's own times with its contents, and lets a "~"
// left by a shred that was killed before its delete be told from another
// program's file of that name.
#pragma once

#include <cstdint>
#include <string>

#include "platform/shred_file_io.h"

namespace platform::shred_io {

// 1980-01-02 03:04:06 UTC: an even second, which FAT keeps exactly.
inline constexpr std::int64_t kMarkUnixSeconds = 315630246;

// The file's names (hard links); 0 when they cannot be counted.
std::uint32_t NameCount(FileHandle file);

// Cuts the file to zero length.
bool Empty(FileHandle file);

// Sets the file's times to the mark.
bool MarkEmptied(FileHandle file);

// Whether path names a regular file of one name, empty, last written at the
// mark. A link is never followed.
bool IsShredLeftover(const std::string& path);

}  // namespace platform::shred_io
