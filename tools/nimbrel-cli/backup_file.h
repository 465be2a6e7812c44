// The backup file of a clean. It holds the very traces the clean removes and
// is the only way back, so it is written whole, beside its place, before it
// is put there; and it never takes the place of anything but a regular file,
// and of that only when asked.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace cli {

// Writes bytes as a new file at path, readable by the user alone. A path
// that names anything already is refused; with replace, a regular file there
// is replaced, but never a link (which is not followed either), folder,
// device or pipe. Returns "" once the file is complete on disk, or else a
// message naming the file, with nothing of the new file left behind.
std::string WriteBackupFile(const std::filesystem::path& path, std::string_view bytes, bool replace);

}  // namespace cli
