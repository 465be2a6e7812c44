// What the emulated INI profile functions promise beyond the contract that
// Wine also keeps (tests/platform/ini_profile_test.cpp): a write changes only
// the lines it must, byte for byte; the file is replaced whole or not at
// all, keeping its mode; list results end as Windows ends them.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/emulated/dos_attribute.h"
#include "platform/emulated/paths.h"
#include "platform/ini_profile.h"
#include "tests/support/scratch_folder.h"

namespace {

using namespace platform;
using testing_support::HostPath;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

class IniFileEdit : public ::testing::Test {
protected:
    testing_support::ScratchFolder folder_;
    std::string file_ = folder_.Path("test.ini");

    std::string Get(const char* section, const char* key) {
        char buffer[256];
        return std::string(buffer, GetPrivateProfileString(section, key, "default", buffer, sizeof buffer, file_));
    }

    ino_t Inode() {
        struct stat info {};
        EXPECT_EQ(stat(HostPath(file_).c_str(), &info), 0);
        return info.st_ino;
    }

    std::vector<std::string> FolderEntries() {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(HostPath(folder_.Path())))
            names.push_back(entry.path().filename().string());
        return names;
    }
};

// Comments, blank lines, LF line breaks, spacing and a last line without a
// break, all of which a write must leave as they are.
const std::string kOriginal =
    "; Nimbrel test\n"
    "[One]\n"
    "  a = 1 \n"
    "b=2\n"
    "\n"
    "; about two\n"
    "[Two]\r\n"
    "c=3";

struct EditCase {
    const char* name;
    const char* section;
    const char* key;
    const char* value;
    std::string expected;
};

class IniEdit : public IniFileEdit, public ::testing::WithParamInterface<EditCase> {};

TEST_P(IniEdit, ChangesOnlyTheLinesItMust) {
    WriteBytes(file_, kOriginal);
    const EditCase& row = GetParam();
    EXPECT_TRUE(WritePrivateProfileString(row.section, row.key, row.value, file_));
    EXPECT_EQ(ReadBytes(file_), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IniEdit,
    ::testing::Values(EditCase{"ChangedValueRewritesItsLineKeepingItsBreak", "one", "B", "20",
                               "; Nimbrel test\n[One]\n  a = 1 \nb=20\n\n; about two\n[Two]\r\nc=3"},
                      EditCase{"ChangedSpacedEntryIsWrittenPlainly", "One", "a", "9",
                               "; Nimbrel test\n[One]\na=9\nb=2\n\n; about two\n[Two]\r\nc=3"},
                      EditCase{"NewEntryFollowsTheLastEntryOfItsSection", "One", "new", "x",
                               "; Nimbrel test\n[One]\n  a = 1 \nb=2\nnew=x\r\n\n; about two\n[Two]\r\nc=3"},
                      EditCase{"NewEntryAfterALastLineWithoutBreak", "Two", "d", "4",
                               "; Nimbrel test\n[One]\n  a = 1 \nb=2\n\n; about two\n[Two]\r\nc=3\r\nd=4\r\n"},
                      EditCase{"NewSectionIsAppended", "Three", "e", "5", kOriginal + "\r\n[Three]\r\ne=5\r\n"},
                      EditCase{"DeletedEntryTakesOnlyItsLine", "One", "a", nullptr,
                               "; Nimbrel test\n[One]\nb=2\n\n; about two\n[Two]\r\nc=3"},
                      EditCase{"DeletedSectionTakesItsLinesUpToTheNextSection", "ONE", nullptr, nullptr,
                               "; Nimbrel test\n[Two]\r\nc=3"},
                      EditCase{"DeletingTheLastSection", "Two", nullptr, nullptr,
                               "; Nimbrel test\n[One]\n  a = 1 \nb=2\n\n; about two\n"},
                      EditCase{"DeletingAMissingEntryChangesNothing", "One", "zzz", nullptr, kOriginal},
                      EditCase{"DeletingAMissingSectionChangesNothing", "Zero", nullptr, nullptr, kOriginal}),
    [](const ::testing::TestParamInfo<EditCase>& info) { return info.param.name; });

TEST_F(IniFileEdit, LinesBeforeTheFirstSectionStayAndBelongToNoSection) {
    WriteBytes(file_, "orphan=1\n[s]\nk=v\n");
    EXPECT_EQ(Get("", "orphan"), "default");
    EXPECT_TRUE(WritePrivateProfileString("s", "k", "w", file_));
    EXPECT_EQ(ReadBytes(file_), "orphan=1\n[s]\nk=w\n");
}

TEST_F(IniFileEdit, AnEmptySectionNameNamesTheSectionWithEmptyBrackets) {
    WriteBytes(file_, "key=val_no_section\r\n[]\r\nkey=val_e_section\r\n[s]\r\n=val_no_key\r\n");
    EXPECT_EQ(Get("", "key"), "val_e_section");
    EXPECT_EQ(Get("s", ""), "val_no_key");
}

TEST_F(IniFileEdit, AnEntryWithoutEqualsGetsOneWhenWritten) {
    WriteBytes(file_, "[s]\r\nname3\r\n");
    EXPECT_TRUE(WritePrivateProfileString("s", "name3", "v", file_));
    EXPECT_EQ(ReadBytes(file_), "[s]\r\nname3=v\r\n");
}

TEST_F(IniFileEdit, AnUnchangedValueLeavesTheFileAlone) {
    WriteBytes(file_, kOriginal);
    const ino_t before = Inode();
    EXPECT_TRUE(WritePrivateProfileString("One", "a", "1", file_));
    EXPECT_EQ(Inode(), before) << "the file was written again";
    EXPECT_EQ(ReadBytes(file_), kOriginal);
}

TEST_F(IniFileEdit, DeletingFromAMissingFileCreatesItEmpty) {
    // As Windows does (Wine creates nothing).
    EXPECT_TRUE(WritePrivateProfileString("App", "key", nullptr, file_));
    EXPECT_EQ(ReadBytes(file_), "");
}

TEST_F(IniFileEdit, ListsEndWithTwoNulsWhenCut) {
    WriteBytes(file_, "[section1]\r\nname1=val1\r\nname2=val2\r\nname4=a\r\n[section2]\r\n[section3]\r\n");
    char buffer[32];
    std::memset(buffer, '\xbd', sizeof buffer);
    EXPECT_EQ(GetPrivateProfileString("section1", nullptr, "", buffer, 16, file_), 14u);
    EXPECT_EQ(std::string(buffer, 17), std::string("name1\0name2\0na\0\0\xbd", 17));

    // An exact fit counts as too small, as on Windows: size - 2 is returned.
    std::memset(buffer, '\xbd', sizeof buffer);
    EXPECT_EQ(GetPrivateProfileString(nullptr, nullptr, "", buffer, 28, file_), 26u);
    EXPECT_EQ(std::string(buffer, 29), std::string("section1\0section2\0section3\0\0\xbd", 29));
    std::memset(buffer, '\xbd', sizeof buffer);
    EXPECT_EQ(GetPrivateProfileString(nullptr, nullptr, "", buffer, 27, file_), 25u);
    EXPECT_EQ(std::string(buffer, 28), std::string("section1\0section2\0section\0\0\xbd", 28));
    EXPECT_EQ(GetPrivateProfileString(nullptr, nullptr, "", buffer, 29, file_), 27u);
}

TEST_F(IniFileEdit, ReplacesTheFileWholeAndLeavesNoTemporaryFile) {
    EXPECT_TRUE(WritePrivateProfileString("s", "a", "1", file_));
    EXPECT_TRUE(WritePrivateProfileString("s", "b", "2", file_));
    EXPECT_TRUE(WritePrivateProfileString("s", "a", nullptr, file_));
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"test.ini"});
}

TEST_F(IniFileEdit, KeepsTheModeOfTheFile) {
    WriteBytes(file_, "[s]\r\na=1\r\n");
    ASSERT_EQ(chmod(HostPath(file_).c_str(), 0640), 0);
    EXPECT_TRUE(WritePrivateProfileString("s", "a", "2", file_));
    struct stat info {};
    ASSERT_EQ(stat(HostPath(file_).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(IniFileEdit, ANewFileGetsTheUsualMode) {
    const mode_t mask = umask(022);
    umask(mask);
    EXPECT_TRUE(WritePrivateProfileString("s", "a", "1", file_));
    struct stat info {};
    ASSERT_EQ(stat(HostPath(file_).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0666u & ~mask);
}

TEST_F(IniFileEdit, RefusesAReadOnlyFile) {
    WriteBytes(file_, "[s]\r\na=1\r\n");
    ASSERT_EQ(chmod(HostPath(file_).c_str(), 0444), 0);
    EXPECT_FALSE(WritePrivateProfileString("s", "a", "2", file_));
    EXPECT_EQ(ReadBytes(file_), "[s]\r\na=1\r\n");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"test.ini"});
}

TEST_F(IniFileEdit, AFolderIsNoProfile) {
    std::filesystem::create_directory(HostPath(file_));
    EXPECT_EQ(Get("s", "a"), "default");
    EXPECT_FALSE(WritePrivateProfileString("s", "a", "1", file_));
    EXPECT_TRUE(std::filesystem::is_directory(HostPath(file_)));
}

TEST_F(IniFileEdit, WritesThroughASymbolicLink) {
    const std::string real = folder_.Path("real.ini");
    WriteBytes(real, "[s]\r\na=1\r\n");
    std::filesystem::create_symlink(HostPath(real), HostPath(file_));
    EXPECT_TRUE(WritePrivateProfileString("s", "a", "2", file_));
    EXPECT_TRUE(std::filesystem::is_symlink(HostPath(file_)));
    EXPECT_EQ(ReadBytes(real), "[s]\r\na=2\r\n");
}

TEST_F(IniFileEdit, KeepsTheStoredDosAttribute) {
    WriteBytes(file_, "[s]\r\na=1\r\n");
    const std::string host = HostPath(file_).string();
    if (setxattr(host.c_str(), emulated::kDosAttributeXattr, "0x2", 3, 0) != 0)
        GTEST_SKIP() << "no extended attributes here: " << std::strerror(errno);
    EXPECT_TRUE(WritePrivateProfileString("s", "a", "2", file_));
    char data[16] = {};
    EXPECT_EQ(getxattr(host.c_str(), emulated::kDosAttributeXattr, data, sizeof data), 3);
    EXPECT_STREQ(data, "0x2");
}

TEST_F(IniFileEdit, WritersTakeTurns) {
    constexpr int kEntries = 25;
    auto writer = [this](const std::string& prefix) {
        for (int i = 0; i < kEntries; ++i)
            EXPECT_TRUE(WritePrivateProfileString("s", (prefix + std::to_string(i)).c_str(), "v", file_));
    };
    std::thread first(writer, "a");
    std::thread second(writer, "b");
    first.join();
    second.join();
    char buffer[8192];
    GetPrivateProfileSection("s", buffer, sizeof buffer, file_);
    int count = 0;
    for (const char* p = buffer; *p != '\0'; p += std::strlen(p) + 1) ++count;
    EXPECT_EQ(count, 2 * kEntries) << "a write was lost";
}

}  // namespace
