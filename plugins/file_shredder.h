// fileshredder: destroys one file so that its contents cannot be read back.
// N passes overwrite the file 3 × N times with constant fills (0x00, 0xFF,
// 0x00) and then N times with random fills, each fill a sweep from the first
// byte in 32768-byte blocks, flushed to the disk; then the file is emptied,
// its times set to the shredder's mark, renamed to "~" in its own folder and
// deleted. Used by both plug-ins and by ixwipe, built from this source.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/shred_file_io.h"

namespace fileshredder {

inline constexpr std::size_t kBlockSize = 32768;

// The file operations ShredFile uses; each defaults to the platform's.
// Tests override them to watch or to fail what reaches the file. The file
// is opened once: everything up to its rename goes through that handle.
class ShredIo {
public:
    virtual ~ShredIo() = default;
    virtual platform::shred_io::OpenResult Open(const std::string& path);
    virtual std::uint32_t NameCount(platform::shred_io::FileHandle file);
    virtual bool Write(platform::shred_io::FileHandle file, const std::uint8_t* data, std::size_t size);
    virtual bool Flush(platform::shred_io::FileHandle file);
    virtual bool Rewind(platform::shred_io::FileHandle file);
    virtual bool Empty(platform::shred_io::FileHandle file);
    virtual bool Mark(platform::shred_io::FileHandle file);
    virtual void Close(platform::shred_io::FileHandle file);
    virtual bool IsLeftover(const std::string& path);
    virtual platform::shred_io::RenameStatus Rename(const std::string& from, const std::string& to);
    virtual bool Delete(const std::string& path);
};

// What ShredFile found at the path, and so what it did.
enum class ShredOutcome {
    kOverwritten,   // a file of one name: overwritten, then emptied, renamed
                    // and deleted as far as each step went
    kSymbolicLink,  // the link deleted, its target untouched
    kHardLinked,    // a file with other names: not one byte written
    kNotOpened,     // missing, not a regular file, read-only, in use, or
                    // its names cannot be counted: left as it was
};

// A file with other names (hard links) is never written: every name would
// see the fills. The plug-ins and ixwipe delete the one name, as a plain
// delete would; nimbrel-cli shred leaves it and says so.
enum class OtherNames { kDeleteThisName, kLeave };

// Failing writes are passed over. When the file cannot be emptied it stays,
// overwritten, under its own name; when it cannot be renamed, emptied under
// its own name. An entry that already holds the temporary name is never
// touched, unless it is a shredder's own leftover (platform/shred_handle.h):
// "~1", "~2" ... are tried next. passes of 0 or less: the file is only
// emptied, renamed and deleted.
ShredOutcome ShredFile(const std::string& path, std::int16_t passes,
                       OtherNames otherNames = OtherNames::kDeleteThisName);
ShredOutcome ShredFile(const std::string& path, std::int16_t passes, ShredIo& io,
                       OtherNames otherNames = OtherNames::kDeleteThisName);

// The path up to and including its last "\"; a path without one, whole.
std::string FolderOf(const std::string& path);

}  // namespace fileshredder
