// Deleting files and folders, by Windows path, only inside the machine's
// own drives: a path is reached from its drive's root one folder at a time,
// and a path that lies on no drive of the machine (on the emulated machine
// Z:, the host's root, and host paths; UNC and device paths), or that
// passes a symbolic link, a junction or a mount point on the way, is
// refused with 5 (ERROR_ACCESS_DENIED). Nor does a deletion ever reach
// beyond what the path names through a link inside it: a link is removed,
// its target stays. Reading (GetFileAttributes, FindEntry, HostPath) knows
// no such bounds.
#pragma once

#include <string>

namespace platform {

// As DeleteFileA: deletes one file. A read-only file or a folder is
// refused with 5. Returns 0 or a Win32 error code.
long RemoveFile(const std::string& path);

// The shell's delete operation (FO_DELETE with FOF_NOCONFIRMATION): the
// folder and everything in it, read-only, hidden and system entries
// included, for good and without a question. Links inside it are removed,
// not followed, nothing mounted inside it is entered, and a path that is
// itself a link loses only the link. Returns 0, or non-zero when something
// could not be deleted (what could be is gone).
long ShellDeleteFolder(const std::string& path);

// Whether the calls above and the shredder's (shred_file_io.h) reach the
// entry path names: 0, 5 when they refuse the path, 2 when the entry is
// missing, 3 when a folder on the way is.
long CheckDeletionReach(const std::string& path);

}  // namespace platform
