// A note beside the store of the file as it was when it was last known
// sound: checked whole, or written by this program through SQLite. A store
// whose file still matches its note is not checked again, so that opening
// it costs the same whatever its size; any other change to the file (its
// size, times, inode) brings a whole check at the next start.
#pragma once

#include <filesystem>

namespace platform::emulated {

bool MatchesCheckedStamp(const std::filesystem::path& database, const std::filesystem::path& stamp);

// Notes the file as it is now; quietly does nothing where the folder
// cannot be written.
void WriteCheckedStamp(const std::filesystem::path& database, const std::filesystem::path& stamp);

}  // namespace platform::emulated
