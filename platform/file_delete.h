// Deleting files and folders, by Windows path. Neither call ever reaches
// beyond what the path names through a symbolic link or a junction: a link
// is removed, its target stays.
#pragma once

#include <string>

namespace platform {

// As DeleteFileA: deletes one file. A read-only file or a folder is
// refused with 5. Returns 0 or a Win32 error code.
long RemoveFile(const std::string& path);

// The shell's delete operation (FO_DELETE with FOF_NOCONFIRMATION): the
// folder and everything in it, read-only, hidden and system entries
// included, for good and without a question. Links inside it are removed,
// not followed, and a path that is itself a link loses only the link.
// Returns 0, or non-zero when something could not be deleted (what could
// be is gone).
long ShellDeleteFolder(const std::string& path);

}  // namespace platform
