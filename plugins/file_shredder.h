// fileshredder: destroys one file so that its contents cannot be read back.
// N passes overwrite the file 3 × N times with constant fills (0x00, 0xFF,
// 0x00) and then N times with random fills, each fill a sweep from the first
// byte in 32768-byte blocks, flushed to the disk; then the file is emptied,
// renamed to "~" in its own folder and deleted. Used by both plug-ins and by
// ixwipe, built from this source.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/shred_file_io.h"

namespace fileshredder {

inline constexpr std::size_t kBlockSize = 32768;

// The file operations ShredFile uses; each defaults to the platform's.
// Tests override them to watch or to fail what reaches the file.
class ShredIo {
public:
    virtual ~ShredIo() = default;
    virtual platform::shred_io::OpenResult Open(const std::string& path, bool truncate);
    virtual bool Write(platform::shred_io::FileHandle file, const std::uint8_t* data, std::size_t size);
    virtual bool Flush(platform::shred_io::FileHandle file);
    virtual bool Rewind(platform::shred_io::FileHandle file);
    virtual void Close(platform::shred_io::FileHandle file);
    virtual platform::shred_io::RenameStatus Rename(const std::string& from, const std::string& to);
    virtual bool Delete(const std::string& path);
};

// Reports nothing. A file that cannot be opened for exclusive writing
// (missing, read-only, in use) is left as it was; a symbolic link is deleted
// as a link and its target left alone. Failing writes are passed over. When
// the file cannot be emptied it stays, overwritten, under its own name; when
// it cannot be renamed, emptied under its own name. An entry that already
// holds the temporary name is never touched: "~1", "~2" ... are tried next.
// passes of 0 or less: the file is only emptied, renamed and deleted.
void ShredFile(const std::string& path, std::int16_t passes);
void ShredFile(const std::string& path, std::int16_t passes, ShredIo& io);

// The path up to and including its last "\"; a path without one, whole.
std::string FolderOf(const std::string& path);

}  // namespace fileshredder
