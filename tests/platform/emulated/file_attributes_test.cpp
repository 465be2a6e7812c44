// File attributes on the emulated machine: from the host file's type, mode
// and name, and the DOS attribute that Samba and Wine keep in user.DOSATTRIB.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/xattr.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/emulated/dos_attribute.h"
#include "platform/emulated/paths.h"
#include "platform/files.h"
#include "tests/support/scratch_folder.h"

namespace {

using namespace platform;
using testing_support::HostPath;

class FileAttributes : public ::testing::Test {
protected:
    testing_support::ScratchFolder folder_;

    std::string File(const std::string& name) {
        const std::string path = folder_.Path(name);
        testing_support::WriteBytes(path, "x");
        return path;
    }

    std::string Folder(const std::string& name) {
        const std::string path = folder_.Path(name);
        std::filesystem::create_directory(HostPath(path));
        return path;
    }

    // False when the file system keeps no user extended attributes.
    static bool SetDosAttribute(const std::string& path, const std::string& data) {
        const std::string host = HostPath(path).string();
        return setxattr(host.c_str(), emulated::kDosAttributeXattr, data.data(), data.size(), 0) == 0;
    }
};

TEST_F(FileAttributes, MissingPathHasNone) {
    EXPECT_FALSE(GetFileAttributes(folder_.Path("missing.txt")).has_value());
    EXPECT_FALSE(GetFileAttributes(folder_.Path("missing\\deeper.txt")).has_value());
}

TEST_F(FileAttributes, PlainFileIsArchive) { EXPECT_EQ(GetFileAttributes(File("plain.txt")), kFileAttributeArchive); }

TEST_F(FileAttributes, FolderIsDirectory) {
    EXPECT_EQ(GetFileAttributes(Folder("sub")), kFileAttributeDirectory);
    EXPECT_EQ(GetFileAttributes("C:\\"), kFileAttributeDirectory);
}

TEST_F(FileAttributes, FoundInAnyCase) {
    File("Mixed.TXT");
    EXPECT_EQ(GetFileAttributes(folder_.Path("mixed.txt")), kFileAttributeArchive);
}

TEST_F(FileAttributes, DotNameIsHidden) {
    EXPECT_EQ(GetFileAttributes(File(".hidden")), kFileAttributeArchive | kFileAttributeHidden);
    EXPECT_EQ(GetFileAttributes(Folder(".cache")), kFileAttributeDirectory | kFileAttributeHidden);
}

TEST_F(FileAttributes, NoOwnerWriteBitIsReadOnly) {
    const std::string path = File("locked.txt");
    ASSERT_EQ(chmod(HostPath(path).c_str(), 0444), 0);
    EXPECT_EQ(GetFileAttributes(path), kFileAttributeArchive | kFileAttributeReadOnly);
    ASSERT_EQ(chmod(HostPath(path).c_str(), 0244), 0);
    EXPECT_EQ(GetFileAttributes(path), kFileAttributeArchive);
}

TEST_F(FileAttributes, DanglingLinkIsAFile) {
    const std::string path = folder_.Path("dangling");
    std::filesystem::create_symlink(HostPath(folder_.Path("nowhere")), HostPath(path));
    EXPECT_EQ(GetFileAttributes(path), kFileAttributeArchive);
}

TEST_F(FileAttributes, StoredHiddenAndSystemBitsCount) {
    const std::string hidden = File("hidden.txt");
    if (!SetDosAttribute(hidden, "0x22")) {
        GTEST_SKIP() << "no extended attributes here: " << std::strerror(errno);
    }
    EXPECT_EQ(GetFileAttributes(hidden), kFileAttributeArchive | kFileAttributeHidden);

    const std::string system = Folder("system");
    ASSERT_TRUE(SetDosAttribute(system, std::string("0x14\0", 5)));
    EXPECT_EQ(GetFileAttributes(system), kFileAttributeDirectory | kFileAttributeSystem);

    // The stored read-only bit does not count: the mode says.
    const std::string all = File("all.txt");
    ASSERT_TRUE(SetDosAttribute(all, "0x7"));
    EXPECT_EQ(GetFileAttributes(all), kFileAttributeArchive | kFileAttributeHidden | kFileAttributeSystem);
}

// ------------------------------------------------------------ the stored forms

struct DosAttributeCase {
    const char* name;
    std::vector<unsigned char> data;
    std::uint32_t expected;
};

class DosAttributeForms : public ::testing::TestWithParam<DosAttributeCase> {};

TEST_P(DosAttributeForms, Parse) {
    const DosAttributeCase& row = GetParam();
    EXPECT_EQ(emulated::ParseDosAttribute(row.data.data(), row.data.size()), row.expected);
}

std::vector<unsigned char> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// Samba's NDR blob: hex text and NUL, padding to 2, version, level, padding
// to 4, then the info.
std::vector<unsigned char> Blob(const std::string& hex, std::uint16_t version, const std::vector<unsigned char>& info) {
    std::vector<unsigned char> blob(hex.begin(), hex.end());
    blob.push_back(0);
    while (blob.size() % 2 != 0) blob.push_back(0);
    const auto low = static_cast<unsigned char>(version & 0xFF);
    const auto high = static_cast<unsigned char>(version >> 8);
    blob.insert(blob.end(), {low, high, low, high});  // version, then the union level
    while (blob.size() % 4 != 0) blob.push_back(0);
    blob.insert(blob.end(), info.begin(), info.end());
    return blob;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DosAttributeForms,
    ::testing::Values(DosAttributeCase{"WineText", Bytes("0x22"), 0x22},
                      DosAttributeCase{"TextWithNul", Bytes(std::string("0x6\0", 4)), 0x6},
                      DosAttributeCase{"UpperCaseHex", Bytes("0X2A"), 0x2A},
                      DosAttributeCase{"NotHex", Bytes("0x2g"), 0}, DosAttributeCase{"NoDigits", Bytes("0x"), 0},
                      DosAttributeCase{"Decimal", Bytes("22"), 0}, DosAttributeCase{"Empty", {}, 0},
                      // Version 3 carries the hex text, which wins.
                      DosAttributeCase{"SambaVersion3", Blob("0x22", 3, {1, 0, 0, 0, 0x22, 0, 0, 0}), 0x22},
                      // Versions 4 and 5 leave the text empty: flags, then the attribute.
                      DosAttributeCase{"SambaVersion4", Blob("", 4, {1, 0, 0, 0, 0x26, 0, 0, 0, 0, 0, 0, 0}), 0x26},
                      DosAttributeCase{"SambaVersion5", Blob("", 5, {3, 0, 0, 0, 0x04, 0x01, 0, 0, 0, 0, 0, 0}), 0x104},
                      DosAttributeCase{"SambaVersion1", Blob("", 1, {0x02, 0, 0, 0, 0, 0, 0, 0}), 0x02},
                      DosAttributeCase{"SambaVersion2", Blob("", 2, {0, 0, 0, 0, 0x06, 0, 0, 0}), 0x06},
                      DosAttributeCase{"UnknownVersion", Blob("", 9, {0, 0, 0, 0, 0x06, 0, 0, 0}), 0},
                      DosAttributeCase{"LevelUnlikeVersion", {0, 0, 4, 0, 5, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0}, 0},
                      DosAttributeCase{"CutShort", Blob("", 4, {1, 0, 0, 0, 0x26}), 0}),
    [](const ::testing::TestParamInfo<DosAttributeCase>& info) { return info.param.name; });

}  // namespace
