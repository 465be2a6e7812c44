#include "plugins/file_shredder.h"

#include <algorithm>
#include <random>
#include <vector>

#include "platform/shred_handle.h"

namespace fileshredder {

namespace shred_io = platform::shred_io;

namespace {

constexpr std::uint8_t kThirdFillByte = 0x00;
// "~", then "~1" to "~99" when a name is taken.
constexpr int kTemporaryNameTries = 100;

// One sweep over the file from its first byte: whole blocks, then the tail,
// each block from blockFor(); flushed, and the position set back to 0.
template <typename BlockFor>
void Fill(ShredIo& io, shred_io::FileHandle file, std::uint64_t wholeBlocks, std::size_t tail, BlockFor blockFor) {
    for (std::uint64_t i = 0; i < wholeBlocks; ++i) io.Write(file, blockFor(), kBlockSize);
    if (tail > 0) io.Write(file, blockFor(), tail);
    io.Flush(file);
    io.Rewind(file);
}

std::string TemporaryName(const std::string& folder, int attempt) {
    return folder + "~" + (attempt == 0 ? std::string() : std::to_string(attempt));
}

}  // namespace

shred_io::OpenResult ShredIo::Open(const std::string& path) { return shred_io::OpenExclusive(path, false); }
std::uint32_t ShredIo::NameCount(shred_io::FileHandle file) { return shred_io::NameCount(file); }
bool ShredIo::Write(shred_io::FileHandle file, const std::uint8_t* data, std::size_t size) {
    return shred_io::Write(file, data, size);
}
bool ShredIo::Flush(shred_io::FileHandle file) { return shred_io::Flush(file); }
bool ShredIo::Rewind(shred_io::FileHandle file) { return shred_io::Rewind(file); }
bool ShredIo::Empty(shred_io::FileHandle file) { return shred_io::Empty(file); }
bool ShredIo::Mark(shred_io::FileHandle file) { return shred_io::MarkEmptied(file); }
void ShredIo::Close(shred_io::FileHandle file) { shred_io::Close(file); }
bool ShredIo::IsLeftover(const std::string& path) { return shred_io::IsShredLeftover(path); }
shred_io::RenameStatus ShredIo::Rename(const std::string& from, const std::string& to) {
    return shred_io::RenameNoReplace(from, to);
}
bool ShredIo::Delete(const std::string& path) { return shred_io::DeleteEntry(path); }

ShredOutcome ShredFile(const std::string& path, std::int16_t passes, OtherNames otherNames) {
    ShredIo io;
    return ShredFile(path, passes, io, otherNames);
}

ShredOutcome ShredFile(const std::string& path, std::int16_t passes, ShredIo& io, OtherNames otherNames) {
    const std::vector<std::uint8_t> zeros(kBlockSize, 0x00);
    const std::vector<std::uint8_t> ones(kBlockSize, 0xFF);
    const std::vector<std::uint8_t> third(kBlockSize, kThirdFillByte);

    const shred_io::OpenResult opened = io.Open(path);
    if (opened.status == shred_io::OpenStatus::kSymbolicLink) {
        io.Delete(path);
        return ShredOutcome::kSymbolicLink;
    }
    if (opened.status != shred_io::OpenStatus::kOpened) return ShredOutcome::kNotOpened;
    const shred_io::FileHandle file = opened.handle;
    // Counted on the handle: a name swapped in after a look-up by path
    // would not be the file that is written.
    const std::uint32_t names = io.NameCount(file);
    if (names != 1) {
        io.Close(file);
        if (names == 0) return ShredOutcome::kNotOpened;
        if (otherNames == OtherNames::kDeleteThisName) io.Delete(path);
        return ShredOutcome::kHardLinked;
    }
    const std::uint64_t wholeBlocks = opened.size / kBlockSize;
    const std::size_t tail = static_cast<std::size_t>(opened.size % kBlockSize);

    for (int pass = 0; pass < passes; ++pass) {
        Fill(io, file, wholeBlocks, tail, [&] { return zeros.data(); });
        Fill(io, file, wholeBlocks, tail, [&] { return ones.data(); });
        Fill(io, file, wholeBlocks, tail, [&] { return third.data(); });
    }
    io.Flush(file);

    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> fillByte(1, 255);
    std::vector<std::uint8_t> randomBlock(kBlockSize);
    for (int pass = 0; pass < passes; ++pass) {
        Fill(io, file, wholeBlocks, tail, [&] {
            std::fill(randomBlock.begin(), randomBlock.end(), static_cast<std::uint8_t>(fillByte(random)));
            return randomBlock.data();
        });
    }
    const bool emptied = io.Empty(file);
    if (emptied) io.Mark(file);
    io.Close(file);
    if (!emptied) return ShredOutcome::kOverwritten;

    const std::string folder = FolderOf(path);
    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
        const std::string temporary = TemporaryName(folder, attempt);
        shred_io::RenameStatus renamed = io.Rename(path, temporary);
        // What a killed shred left under the name gives the name back.
        if (renamed == shred_io::RenameStatus::kTargetExists && io.IsLeftover(temporary) && io.Delete(temporary))
            renamed = io.Rename(path, temporary);
        if (renamed == shred_io::RenameStatus::kRenamed) {
            io.Delete(temporary);
            break;
        }
        if (renamed == shred_io::RenameStatus::kFailed) break;
    }
    return ShredOutcome::kOverwritten;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(0, slash + 1);
}

}  // namespace fileshredder
