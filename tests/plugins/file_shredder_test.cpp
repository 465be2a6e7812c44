// The shredder: what each fill writes, what is left afterwards, and the
// files it must leave alone: other programs' files and every file that has
// another name. The fills are watched through ShredIo.
#include "plugins/file_shredder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "tests/support/scratch_folder.h"

namespace {

namespace shred_io = platform::shred_io;
using fileshredder::FolderOf;
using fileshredder::kBlockSize;
using fileshredder::ShredFile;
using testing_support::HostPath;
using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;

// One write: its length and its byte, when all its bytes are one value.
struct WriteRecord {
    std::size_t size;
    int byte;  // -1 when the bytes differ
};
using FillRecord = std::vector<WriteRecord>;

// Passes everything to the platform and notes the writes, fill by fill
// (a fill ends where the position is set back to 0).
class WatchingIo : public fileshredder::ShredIo {
public:
    bool Write(shred_io::FileHandle file, const std::uint8_t* data, std::size_t size) override {
        int byte = size > 0 ? data[0] : -1;
        for (std::size_t i = 1; i < size; ++i)
            if (data[i] != data[0]) byte = -1;
        current.push_back({size, byte});
        return ShredIo::Write(file, data, size);
    }
    bool Rewind(shred_io::FileHandle file) override {
        fills.push_back(current);
        current.clear();
        return ShredIo::Rewind(file);
    }
    shred_io::OpenResult Open(const std::string& path) override {
        opened = path;
        const shred_io::OpenResult result = ShredIo::Open(path);
        sizeOpened = result.size;
        return result;
    }
    bool Empty(shred_io::FileHandle file) override {
        // Windows lets nobody read a file the shredder holds: the size the
        // passes left is the size it had when opened.
        sizeBeforeTruncation = sizeOpened;
        return ShredIo::Empty(file);
    }

    std::vector<FillRecord> fills;
    FillRecord current;
    std::string opened;
    std::size_t sizeBeforeTruncation = 0;
    std::uint64_t sizeOpened = 0;
};

std::vector<std::string> FolderEntries(const ScratchFolder& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(HostPath(folder.Path())))
        names.push_back(entry.path().filename().string());
    return names;
}

struct FolderOfRow {
    const char* name;
    std::string path;
    std::string folder;
};

class FolderOfRows : public testing::TestWithParam<FolderOfRow> {};

TEST_P(FolderOfRows, KeepsThePathUpToItsLastBackslash) { EXPECT_EQ(FolderOf(GetParam().path), GetParam().folder); }

INSTANTIATE_TEST_SUITE_P(Paths, FolderOfRows,
                         testing::Values(FolderOfRow{"FileInFolder", "C:\\a\\b.txt", "C:\\a\\"},
                                         FolderOfRow{"BareName", "b.txt", "b.txt"},
                                         FolderOfRow{"DriveRoot", "C:\\", "C:\\"},
                                         FolderOfRow{"Share", "\\\\server\\share\\x", "\\\\server\\share\\"},
                                         FolderOfRow{"Empty", "", ""}),
                         [](const testing::TestParamInfo<FolderOfRow>& info) { return info.param.name; });

struct FillRow {
    const char* name;
    std::size_t size;
    std::int16_t passes;
    FillRecord expectedWrites;  // the writes of every fill
};

class ShredFills : public testing::TestWithParam<FillRow> {};

TEST_P(ShredFills, CoverTheFileAndLeaveNothingBehind) {
    const FillRow& row = GetParam();
    ScratchFolder folder;
    const std::string path = folder.Path("victim.txt");
    WriteBytes(path, std::string(row.size, 'k'));

    WatchingIo io;
    ShredFile(path, row.passes, io);

    ASSERT_EQ(io.fills.size(), 4u * static_cast<std::size_t>(std::max<int>(row.passes, 0)));
    for (std::size_t fill = 0; fill < io.fills.size(); ++fill) {
        const FillRecord& writes = io.fills[fill];
        ASSERT_EQ(writes.size(), row.expectedWrites.size()) << "fill " << fill;
        for (std::size_t w = 0; w < writes.size(); ++w) {
            EXPECT_EQ(writes[w].size, row.expectedWrites[w].size) << "fill " << fill << " write " << w;
            const bool constantFill = fill < 3u * static_cast<std::size_t>(row.passes);
            const int expected = !constantFill ? -2 : (fill % 3 == 1 ? 0xFF : 0x00);
            if (constantFill) {
                EXPECT_EQ(writes[w].byte, expected) << "fill " << fill;
            } else {
                EXPECT_GT(writes[w].byte, 0) << "random fill " << fill << " must be one non-zero byte";
            }
        }
    }
    EXPECT_EQ(io.sizeBeforeTruncation, row.size);
    EXPECT_TRUE(FolderEntries(folder).empty());
}

INSTANTIATE_TEST_SUITE_P(Sizes, ShredFills,
                         testing::Values(FillRow{"EmptyFile", 0, 3, {}},
                                         FillRow{"HundredBytesThreePasses", 100, 3, {{100, 0}}},
                                         FillRow{"OneWholeBlock", kBlockSize, 1, {{kBlockSize, 0}}},
                                         FillRow{"OneBlockAndOneByte", kBlockSize + 1, 1, {{kBlockSize, 0}, {1, 0}}},
                                         FillRow{"ThreeBlocksAndATail",
                                                 3 * kBlockSize + 10,
                                                 2,
                                                 {{kBlockSize, 0}, {kBlockSize, 0}, {kBlockSize, 0}, {10, 0}}},
                                         FillRow{"NoPasses", 100, 0, {}}, FillRow{"NegativePasses", 100, -4, {}}),
                         [](const testing::TestParamInfo<FillRow>& info) { return info.param.name; });

// A file of many blocks that exists only for the shredder, so that many
// random bytes can be drawn without disk writes.
class VirtualFileIo : public fileshredder::ShredIo {
public:
    explicit VirtualFileIo(std::uint64_t size) : size_(size) {}
    shred_io::OpenResult Open(const std::string&) override { return {shred_io::OpenStatus::kOpened, 1, size_}; }
    std::uint32_t NameCount(shred_io::FileHandle) override { return 1; }
    bool Write(shred_io::FileHandle, const std::uint8_t* data, std::size_t size) override {
        writes.push_back({size, data[0]});
        return true;
    }
    bool Flush(shred_io::FileHandle) override { return true; }
    bool Rewind(shred_io::FileHandle) override { return true; }
    bool Empty(shred_io::FileHandle) override { return true; }
    bool Mark(shred_io::FileHandle) override { return true; }
    void Close(shred_io::FileHandle) override {}
    shred_io::RenameStatus Rename(const std::string&, const std::string& to) override {
        renamedTo = to;
        return shred_io::RenameStatus::kRenamed;
    }
    bool Delete(const std::string& path) override {
        deleted.push_back(path);
        return true;
    }

    std::vector<WriteRecord> writes;
    std::string renamedTo;
    std::vector<std::string> deleted;

private:
    std::uint64_t size_;
};

TEST(ShredRandomFills, DrawEveryByteFromOneTo255AndNeverZero) {
    VirtualFileIo io(2000 * kBlockSize + 7);
    ShredFile("C:\\x\\big.dat", 3, io);
    const std::size_t writesPerFill = 2001;
    ASSERT_EQ(io.writes.size(), 12 * writesPerFill);
    std::set<int> drawn;
    for (std::size_t i = 9 * writesPerFill; i < io.writes.size(); ++i) drawn.insert(io.writes[i].byte);
    EXPECT_EQ(drawn.count(0), 0u);
    EXPECT_EQ(drawn.size(), 255u) << "each of the values 1 to 255 should turn up in 6003 draws";
}

TEST(ShredTemporaryName, IsTildeInTheFilesFolderOrAfterABareName) {
    VirtualFileIo inFolder(10);
    ShredFile("C:\\a\\b.txt", 1, inFolder);
    EXPECT_EQ(inFolder.renamedTo, "C:\\a\\~");
    EXPECT_EQ(inFolder.deleted, std::vector<std::string>{"C:\\a\\~"});

    VirtualFileIo bare(10);
    ShredFile("b.txt", 1, bare);
    EXPECT_EQ(bare.renamedTo, "b.txt~");
}

class ShredOnDisk : public testing::Test {
protected:
    ScratchFolder folder;
    std::string path = folder.Path("cookie.txt");
    const std::string contents = std::string(5000, 'c');
    void SetUp() override { WriteBytes(path, contents); }
};

TEST_F(ShredOnDisk, LeavesAnEntryNamedTildeAloneAndUsesAnotherName) {
    WriteBytes(folder.Path("~"), "somebody else's");
    WriteBytes(folder.Path("~1"), "and another");
    ShredFile(path, 1);
    EXPECT_EQ(ReadBytes(path), std::nullopt);
    EXPECT_EQ(ReadBytes(folder.Path("~")), "somebody else's");
    EXPECT_EQ(ReadBytes(folder.Path("~1")), "and another");
    EXPECT_EQ(FolderEntries(folder).size(), 2u);
}

TEST_F(ShredOnDisk, LeavesAReadOnlyFileUnchanged) {
    namespace fs = std::filesystem;
    const fs::perms writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(HostPath(path), writable, fs::perm_options::remove);
    ShredFile(path, 3);
    EXPECT_EQ(ReadBytes(path), contents);
    fs::permissions(HostPath(path), fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(ShredOnDisk, LeavesAFileInUseUnchanged) {
    const shred_io::OpenResult holder = shred_io::OpenExclusive(path, false);
    ASSERT_EQ(holder.status, shred_io::OpenStatus::kOpened);
    ShredFile(path, 3);
    shred_io::Close(holder.handle);
    EXPECT_EQ(ReadBytes(path), contents);
}

TEST_F(ShredOnDisk, DoesNothingToAMissingFile) {
    ShredFile(folder.Path("gone.txt"), 3);
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"cookie.txt"});
}

TEST_F(ShredOnDisk, StillEmptiesRenamesAndDeletesWhenWritesFail) {
    struct FailingWrites : fileshredder::ShredIo {
        bool Write(shred_io::FileHandle, const std::uint8_t*, std::size_t) override { return false; }
    } io;
    ShredFile(path, 2, io);
    EXPECT_TRUE(FolderEntries(folder).empty());
}

TEST_F(ShredOnDisk, KeepsTheOverwrittenFileWhenItCannotBeEmptied) {
    struct NoTruncation : fileshredder::ShredIo {
        bool Empty(shred_io::FileHandle) override { return false; }
    } io;
    ShredFile(path, 1, io);
    const std::optional<std::string> left = ReadBytes(path);
    ASSERT_TRUE(left);
    ASSERT_EQ(left->size(), contents.size());
    EXPECT_EQ(left->find('c'), std::string::npos) << "the random fill should have replaced every byte";
    EXPECT_EQ(left->find('\0'), std::string::npos) << "the last fill is random, never 0";
}

TEST_F(ShredOnDisk, KeepsTheEmptiedFileUnderItsNameWhenItCannotBeRenamed) {
    struct NoRename : fileshredder::ShredIo {
        shred_io::RenameStatus Rename(const std::string&, const std::string&) override {
            return shred_io::RenameStatus::kFailed;
        }
    } io;
    ShredFile(path, 1, io);
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"cookie.txt"});
}

struct HardLinkRow {
    const char* name;
    fileshredder::OtherNames otherNames;
    bool nameStays;
};

class ShredHardLinks : public ShredOnDisk, public testing::WithParamInterface<HardLinkRow> {
protected:
    ScratchFolder elsewhere;
    const std::string otherName = elsewhere.Path("kept.txt");
};

TEST_P(ShredHardLinks, NeverWriteAByteThatAnotherNameWouldSee) {
    std::filesystem::create_hard_link(HostPath(path), HostPath(otherName));
    EXPECT_EQ(ShredFile(path, 3, GetParam().otherNames), fileshredder::ShredOutcome::kHardLinked);
    EXPECT_EQ(ReadBytes(otherName), contents);
    EXPECT_EQ(ReadBytes(path).has_value(), GetParam().nameStays);
}

INSTANTIATE_TEST_SUITE_P(Callers, ShredHardLinks,
                         testing::Values(HardLinkRow{"PluginsDeleteTheName", fileshredder::OtherNames::kDeleteThisName,
                                                     false},
                                         HardLinkRow{"CommandLineLeavesIt", fileshredder::OtherNames::kLeave, true}),
                         [](const testing::TestParamInfo<HardLinkRow>& info) { return info.param.name; });

// The file's name is given to another file while the fills run: nothing
// after the open reaches the file by its name, so the other file keeps
// every byte.
TEST_F(ShredOnDisk, NeverTouchesAFileThatTookTheNamesPlace) {
    ScratchFolder elsewhere;
    struct SwapDuringTheFills : fileshredder::ShredIo {
        std::string path, otherName;
        bool swapped = false;
        bool Write(shred_io::FileHandle file, const std::uint8_t* data, std::size_t size) override {
            if (!swapped) {
                swapped = true;
                // Windows refuses to remove a name the shredder holds; there
                // nothing can take its place.
                std::error_code held;
                if (std::filesystem::remove(HostPath(path), held)) {
                    std::filesystem::create_hard_link(HostPath(otherName), HostPath(path));
                }
            }
            return ShredIo::Write(file, data, size);
        }
    } io;
    io.path = path;
    io.otherName = elsewhere.Path("kept.txt");
    WriteBytes(io.otherName, "another file");
    ShredFile(path, 1, io);
    EXPECT_EQ(ReadBytes(io.otherName), "another file");
}

// A "~" in the folder when a shred comes to rename its file: a shredder's
// own leftover (emptied and marked, then killed before its delete) gives
// the name back; anything else keeps it.
struct TildeRow {
    const char* name;
    void (*make)(const std::string& tilde);
    bool removed;
};

// A shred that stops where a killed one would: after the rename.
void KilledShredLeftover(const std::string& tilde) {
    struct KilledBeforeDelete : fileshredder::ShredIo {
        bool Delete(const std::string&) override { return false; }
    } io;
    WriteBytes(tilde + "-victim", "old cookie");
    ShredFile(tilde + "-victim", 1, io);
}

class ShredTildeEntries : public ShredOnDisk, public testing::WithParamInterface<TildeRow> {};

TEST_P(ShredTildeEntries, OnlyTheShreddersOwnLeftoverIsRemoved) {
    const std::string tilde = folder.Path("~");
    GetParam().make(tilde);
    ASSERT_EQ(ReadBytes(tilde), "");
    ShredFile(path, 1);
    EXPECT_EQ(ReadBytes(tilde).has_value(), !GetParam().removed);
    EXPECT_EQ(FolderEntries(folder).size(), GetParam().removed ? 0u : 1u) << "the shred's own file must be gone";
}

INSTANTIATE_TEST_SUITE_P(Entries, ShredTildeEntries,
                         testing::Values(TildeRow{"KilledShred", KilledShredLeftover, true},
                                         TildeRow{"AnotherProgramsEmptyFile",
                                                  [](const std::string& tilde) { WriteBytes(tilde, ""); }, false},
                                         TildeRow{"KilledShredLeftoverTouchedSince",
                                                  [](const std::string& tilde) {
                                                      KilledShredLeftover(tilde);
                                                      std::filesystem::last_write_time(
                                                          HostPath(tilde),
                                                          std::filesystem::file_time_type::clock::now());
                                                  },
                                                  false}),
                         [](const testing::TestParamInfo<TildeRow>& info) { return info.param.name; });

}  // namespace
