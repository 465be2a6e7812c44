// The INI profile contract that the program relies on, checked on the
// platform's profile functions: the emulated ones on Linux, Wine's or
// Windows' in the Windows build. The expectations are Windows' (as Wine's
// own conformance tests record them); where Wine differs the test says so
// and asks only what both do, and the emulated platform's test asks the rest.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/ini_profile.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scratch_machine.h"
#include "tests/support/wine.h"

namespace {

using namespace platform;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

constexpr char kSentinel = '\xbd';

// The strings of a list ("a\0b\0\0"), up to the empty one.
std::vector<std::string> ListStrings(const char* buffer) {
    std::vector<std::string> strings;
    for (const char* p = buffer; *p != '\0'; p += std::strlen(p) + 1) strings.emplace_back(p);
    return strings;
}

class IniProfile : public ::testing::Test {
protected:
    testing_support::ScratchFolder folder_;
    std::string file_ = folder_.Path("test.ini");

    std::string Get(const char* section, const char* key, const char* defaultValue, std::uint32_t* length = nullptr) {
        char buffer[256];
        std::memset(buffer, kSentinel, sizeof buffer);
        const std::uint32_t copied = GetPrivateProfileString(section, key, defaultValue, buffer, 255, file_);
        if (length != nullptr) *length = copied;
        EXPECT_EQ(buffer[255], kSentinel) << "wrote past the buffer";
        return std::string(buffer, copied);
    }
};

// ------------------------------------------------------------ reading

const char kReadContent[] =
    "[section1]\r\n"
    "name1=val1\r\n"
    "name2=\"val2\"\r\n"
    "name3\r\n"
    "name4=a\r\n"
    "  Spaced Name \t=  \t spaced value \t \r\n"
    "single='quoted'\r\n"
    "mismatched=\"quoted'\r\n"
    "lonequote=\"\r\n"
    "inner=a \"b\" c\r\n"
    "empty=\r\n"
    "dup=first\r\n"
    "dup=second\r\n"
    "[section2]\r\n"
    "[ Section3 ]\r\n"
    "x=1\r\n"
    "[Caf\xe9]\r\n"
    "cr\xe8"
    "me=br\xfbl\xe9"
    "e\r\n"
    "[section1]\r\n"
    "late=in the second section1\r\n";

struct ReadCase {
    const char* name;
    const char* section;
    const char* key;
    const char* defaultValue;
    const char* expected;
};

class IniRead : public IniProfile, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(IniRead, ReturnsTheValueOrTheDefault) {
    WriteBytes(file_, kReadContent);
    const ReadCase& row = GetParam();
    std::uint32_t length = 0;
    EXPECT_EQ(Get(row.section, row.key, row.defaultValue, &length), row.expected);
    EXPECT_EQ(length, std::strlen(row.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IniRead,
    ::testing::Values(ReadCase{"Exact", "section1", "name1", "default", "val1"},
                      ReadCase{"SectionAndKeyInAnyCase", "SECTION1", "NaMe1", "default", "val1"},
                      ReadCase{"KeyTrimmed", "section1", "  name1 ", "default", "val1"},
                      ReadCase{"NameAndValueTrimmedInTheFile", "section1", "spaced name", "default", "spaced value"},
                      ReadCase{"SectionNameTrimmedInTheFile", "section3", "x", "default", "1"},
                      ReadCase{"DoubleQuotesStripped", "section1", "name2", "default", "val2"},
                      ReadCase{"SingleQuotesStripped", "section1", "single", "default", "quoted"},
                      ReadCase{"MismatchedQuotesKept", "section1", "mismatched", "default", "\"quoted'"},
                      ReadCase{"LoneQuoteKept", "section1", "lonequote", "default", "\""},
                      ReadCase{"InnerQuotesKept", "section1", "inner", "default", "a \"b\" c"},
                      ReadCase{"EmptyValue", "section1", "empty", "default", ""},
                      ReadCase{"LineWithoutEqualsGivesTheDefault", "section1", "name3", "default", "default"},
                      ReadCase{"FirstOfTwoEntriesWins", "section1", "dup", "default", "first"},
                      ReadCase{"OnlyTheFirstOfTwoSectionsIsRead", "section1", "late", "default", "default"},
                      ReadCase{"MissingKey", "section1", "notakey", "default", "default"},
                      ReadCase{"MissingSection", "notasection", "name1", "default", "default"},
                      ReadCase{"EmptySectionHasNoEntries", "section2", "name1", "default", "default"},
                      ReadCase{"EmptyKeyGivesTheDefault", "section1", "", "default", "default"},
                      ReadCase{"DefaultLosesTrailingSpaces", "section1", "notakey", "one two  ", "one two"},
                      ReadCase{"DefaultKeepsLeadingSpaces", "section1", "notakey", "  x  ", "  x"},
                      ReadCase{"NullDefaultIsEmpty", "section1", "notakey", nullptr, ""}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST_F(IniProfile, Windows1252LettersInAnyCase) {
    WriteBytes(file_, kReadContent);
    // Wine folds only ASCII letters in section and entry names.
    const std::string expected = testing_support::RunningOnWine() ? "default"
                                                                  : "br\xfbl\xe9"
                                                                    "e";
    EXPECT_EQ(Get("CAF\xc9",
                  "CR\xc8"
                  "ME",
                  "default"),
              expected);
    EXPECT_EQ(Get("Caf\xe9",
                  "cr\xe8"
                  "me",
                  "default"),
              "br\xfbl\xe9"
              "e");
}

TEST_F(IniProfile, ListsSectionNamesForANullSection) {
    WriteBytes(file_, kReadContent);
    char buffer[256];
    const std::uint32_t length = GetPrivateProfileString(nullptr, "name1", "default", buffer, 255, file_);
    const std::vector<std::string> expected = {"section1", "section2", "Section3", "Caf\xe9", "section1"};
    EXPECT_EQ(ListStrings(buffer), expected);
    EXPECT_EQ(length, 9u + 9u + 9u + 5u + 9u);
    EXPECT_EQ(buffer[length], '\0');
}

TEST_F(IniProfile, ListsEntryNamesWithAValueForANullKey) {
    WriteBytes(file_, "[s]\r\nname1=val1\r\nname2=\r\nname3\r\n; comment=x\r\nname4=val4\r\n");
    char buffer[100];
    const std::uint32_t length = GetPrivateProfileString("s", nullptr, "", buffer, sizeof buffer, file_);
    EXPECT_EQ(ListStrings(buffer), (std::vector<std::string>{"name1", "name2", "name4"}));
    EXPECT_EQ(length, 18u);
    EXPECT_EQ(buffer[length], '\0');
}

TEST_F(IniProfile, ListingTheEntriesOfAMissingSectionGivesTheDefault) {
    WriteBytes(file_, "[s]\r\nname1=val1\r\n");
    char buffer[100];
    EXPECT_EQ(GetPrivateProfileString("other", nullptr, "default", buffer, sizeof buffer, file_), 7u);
    EXPECT_STREQ(buffer, "default");
}

TEST_F(IniProfile, SectionListsEveryEntryLineButComments) {
    WriteBytes(file_,
               "[section1]\r\nname1 = val1\r\nname2=\r\nname3\r\n;comment\r\nname4=\"val4\"\r\n"
               "[section2]\r\n[section3]\r\n=val5\r\n");
    char buffer[100];
    std::uint32_t length = GetPrivateProfileSection("section1", buffer, sizeof buffer, file_);
    EXPECT_EQ(ListStrings(buffer), (std::vector<std::string>{"name1=val1", "name2=", "name3", "name4=\"val4\""}));
    EXPECT_EQ(length, 37u);
    EXPECT_EQ(buffer[length], '\0');

    EXPECT_EQ(GetPrivateProfileSection("SECTION2", buffer, sizeof buffer, file_), 0u);
    EXPECT_EQ(buffer[0], '\0');

    length = GetPrivateProfileSection("section3", buffer, sizeof buffer, file_);
    EXPECT_EQ(ListStrings(buffer), (std::vector<std::string>{"=val5"}));
    EXPECT_EQ(length, 6u);
}

TEST_F(IniProfile, ReadsLfAndCrLineEndings) {
    for (const char* content : {"[s]\nk=v\n[t]\nk=w", "[s]\rk=v\r[t]\rk=w\r"}) {
        WriteBytes(file_, content);
        EXPECT_EQ(Get("s", "k", "default"), "v");
        EXPECT_EQ(Get("t", "k", "default"), "w");
    }
}

TEST_F(IniProfile, AMissingFileReadsAsEmpty) {
    const std::string missing = folder_.Path("missing.ini");
    char buffer[16];
    std::memset(buffer, kSentinel, sizeof buffer);
    EXPECT_EQ(GetPrivateProfileString("s", "k", "default", buffer, sizeof buffer, missing), 7u);
    EXPECT_STREQ(buffer, "default");
    EXPECT_EQ(GetPrivateProfileInt("s", "k", 42, missing), 42u);
    EXPECT_EQ(GetPrivateProfileString(nullptr, nullptr, "", buffer, sizeof buffer, missing), 0u);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(GetPrivateProfileSection("s", buffer, sizeof buffer, missing), 0u);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_FALSE(ReadBytes(missing).has_value()) << "reading must not create the file";
}

// ------------------------------------------------------------ buffer limits

TEST_F(IniProfile, A255CharacterBufferReturnsAtMost254Characters) {
    const std::string longValue(300, 'v');
    WriteBytes(file_, "[s]\r\nlong=" + longValue + "\r\n");
    std::uint32_t length = 0;
    EXPECT_EQ(Get("s", "long", "default", &length), std::string(254, 'v'));
    EXPECT_EQ(length, 254u);
    // The default is cut alike.
    EXPECT_EQ(Get("s", "missing", longValue.c_str(), &length), std::string(254, 'v'));
}

TEST_F(IniProfile, StringCutToTheBuffer) {
    WriteBytes(file_, "[section1]\r\nname1=val1\r\nname4=a\r\n");
    char buffer[8];
    std::memset(buffer, kSentinel, sizeof buffer);
    EXPECT_EQ(GetPrivateProfileString("section1", "name1", "default", buffer, 4, file_), 3u);
    EXPECT_STREQ(buffer, "val");
    EXPECT_EQ(buffer[4], kSentinel);

    EXPECT_EQ(GetPrivateProfileString("section1", "name1", "default", buffer, 5, file_), 4u);
    EXPECT_STREQ(buffer, "val1");

    EXPECT_EQ(GetPrivateProfileString("section1", "name4", "default", buffer, 1, file_), 0u);
    EXPECT_STREQ(buffer, "");

    std::memcpy(buffer, "kumquat", 8);
    EXPECT_EQ(GetPrivateProfileString("section1", "name1", "default", buffer, 0, file_), 0u);
    EXPECT_STREQ(buffer, "kumquat") << "a buffer of size 0 is not touched";
}

TEST_F(IniProfile, EntryListCutToTheBuffer) {
    WriteBytes(file_, "[section1]\r\nname1=val1\r\nname2=val2\r\nname4=a\r\n");
    char buffer[20];
    std::memset(buffer, kSentinel, sizeof buffer);
    // The last name is cut, the list ends with two NULs and size - 2 is
    // returned. Wine leaves the final NUL out.
    EXPECT_EQ(GetPrivateProfileString("section1", nullptr, "default", buffer, 16, file_), 14u);
    EXPECT_EQ(std::string(buffer, 15), std::string("name1\0name2\0na\0", 15));
    EXPECT_EQ(buffer[15], testing_support::RunningOnWine() ? kSentinel : '\0');
    EXPECT_EQ(buffer[16], kSentinel);
}

TEST_F(IniProfile, SectionCutToTheBuffer) {
    WriteBytes(file_, "[section1]\r\nname1=val1\r\nname2=\r\nname3\r\nname4=val4\r\n");
    char buffer[32];
    std::memset(buffer, kSentinel, sizeof buffer);
    EXPECT_EQ(GetPrivateProfileSection("section1", buffer, 24, file_), 22u);
    EXPECT_EQ(std::string(buffer, 23), std::string("name1=val1\0name2=\0name\0", 23));
    EXPECT_EQ(buffer[24], kSentinel);
}

TEST_F(IniProfile, SectionOfMoreThan8192Characters) {
    // 200 entries of 47 characters with their NULs: 9400 characters.
    std::string content = "[big]\r\n";
    for (int i = 0; i < 200; ++i) content += "entry" + std::to_string(1000 + i) + "=" + std::string(36, 'x') + "\r\n";
    WriteBytes(file_, content);
    std::vector<char> buffer(8192 + 8, ' ');
    EXPECT_EQ(GetPrivateProfileSection("big", buffer.data(), 8192, file_), 8190u);
    EXPECT_EQ(buffer[8190], '\0');
    const std::vector<std::string> strings = ListStrings(buffer.data());
    ASSERT_EQ(strings.size(), 175u);  // 174 whole entries and a cut one
    EXPECT_EQ(strings.front(), "entry1000=" + std::string(36, 'x'));
    EXPECT_EQ(strings.back(), "entry1174=xx");
    EXPECT_EQ(buffer[8192], ' ') << "wrote past the buffer";
}

TEST_F(IniProfile, SectionThatFitsIn8192Characters) {
    WriteBytes(file_, "[s]\r\na=1\r\nb=2\r\n");
    std::vector<char> buffer(8192, ' ');
    EXPECT_EQ(GetPrivateProfileSection("s", buffer.data(), 8192, file_), 8u);
    EXPECT_EQ(std::string(buffer.data(), 9), std::string("a=1\0b=2\0\0", 9));
    EXPECT_EQ(buffer[9], ' ') << "the rest of the buffer is left as it was";
}

// ------------------------------------------------------------ integers

struct IntCase {
    const char* name;
    const char* value;  // written first; null writes nothing
    int defaultValue;
    std::uint32_t expected;
};

class IniInt : public IniProfile, public ::testing::WithParamInterface<IntCase> {};

TEST_P(IniInt, ReadsTheLeadingDecimalNumber) {
    const IntCase& row = GetParam();
    if (row.value != nullptr) {
        ASSERT_TRUE(WritePrivateProfileString("Test", "ProfileInt", row.value, file_));
    }
    EXPECT_EQ(GetPrivateProfileInt("Test", "ProfileInt", row.defaultValue, file_), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, IniInt,
                         ::testing::Values(IntCase{"MissingGivesTheDefault", nullptr, 70, 70},
                                           IntCase{"MissingGivesANegativeDefault", nullptr, -1, 4294967295u},
                                           IntCase{"EmptyGivesTheDefault", "", 5, 5}, IntCase{"Positive", "1", -1, 1},
                                           IntCase{"Negative", "-1", 1, 4294967295u}, IntCase{"PlusSign", "+1", -1, 1},
                                           IntCase{"LeadingSpacesDropped", "   7", 0, 7},
                                           IntCase{"QuotesStripped", "\"12\"", 0, 12},
                                           IntCase{"Wraps", "4294967296", -1, 0},
                                           IntCase{"WrapsPastOne", "4294967297", -1, 1},
                                           IntCase{"WrapsNegative", "-4294967297", 1, 4294967295u},
                                           IntCase{"StopsAtTheFirstNonDigit", "42A94967297", -1, 42},
                                           IntCase{"NoDigitsGivesZero", "B4294967297", -1, 0}),
                         [](const ::testing::TestParamInfo<IntCase>& info) { return info.param.name; });

// ------------------------------------------------------------ writing

TEST_F(IniProfile, FirstWriteCreatesTheFile) {
    ASSERT_FALSE(ReadBytes(file_).has_value());
    EXPECT_TRUE(WritePrivateProfileString("App", "key", "string", file_));
    EXPECT_EQ(ReadBytes(file_), "[App]\r\nkey=string\r\n");
}

TEST_F(IniProfile, WritingAnEmptyString) {
    EXPECT_TRUE(WritePrivateProfileString("App", "key", "", file_));
    EXPECT_EQ(ReadBytes(file_), "[App]\r\nkey=\r\n");
    EXPECT_EQ(Get("App", "key", "default"), "");
}

TEST_F(IniProfile, WriteDoesNotCreateTheFolder) {
    const std::string inMissingFolder = folder_.Path("no such folder\\test.ini");
    EXPECT_FALSE(WritePrivateProfileString("App", "key", "string", inMissingFolder));
    EXPECT_FALSE(std::filesystem::exists(testing_support::HostPath(folder_.Path("no such folder"))));
}

TEST_F(IniProfile, WriteWithANullSectionFails) {
    EXPECT_FALSE(WritePrivateProfileString(nullptr, "key", "string", file_));
    EXPECT_FALSE(ReadBytes(file_).has_value());
}

TEST_F(IniProfile, BuildsUpAndTakesApartAFile) {
    WritePrivateProfileString("App1", "key1", "string1", file_);
    WritePrivateProfileString("App1", "key2", "string2", file_);
    WritePrivateProfileString("App1", "key3", "string3", file_);
    WritePrivateProfileString("App2", "key4", "string4", file_);
    EXPECT_TRUE(WritePrivateProfileString("App3", "key5", "string5", file_));
    EXPECT_EQ(ReadBytes(file_),
              "[App1]\r\nkey1=string1\r\nkey2=string2\r\nkey3=string3\r\n"
              "[App2]\r\nkey4=string4\r\n[App3]\r\nkey5=string5\r\n");

    // A null value deletes the entry; deleting it again changes nothing.
    const std::string withoutKey2 =
        "[App1]\r\nkey1=string1\r\nkey3=string3\r\n[App2]\r\nkey4=string4\r\n[App3]\r\nkey5=string5\r\n";
    EXPECT_TRUE(WritePrivateProfileString("App1", "key2", nullptr, file_));
    EXPECT_EQ(ReadBytes(file_), withoutKey2);
    EXPECT_TRUE(WritePrivateProfileString("App1", "key2", nullptr, file_));
    EXPECT_EQ(ReadBytes(file_), withoutKey2);

    // A null key deletes the section, whatever the value.
    EXPECT_TRUE(WritePrivateProfileString("App1", nullptr, "string1", file_));
    EXPECT_EQ(ReadBytes(file_), "[App2]\r\nkey4=string4\r\n[App3]\r\nkey5=string5\r\n");
    EXPECT_TRUE(WritePrivateProfileString("app2", nullptr, nullptr, file_));
    EXPECT_EQ(ReadBytes(file_), "[App3]\r\nkey5=string5\r\n");

    // Deleting the last entry leaves the section.
    EXPECT_TRUE(WritePrivateProfileString("App3", "key5", nullptr, file_));
    EXPECT_EQ(ReadBytes(file_), "[App3]\r\n");
}

TEST_F(IniProfile, ReplacesAValueInTheEntryOfAnyCase) {
    WriteBytes(file_, "[Sec]\r\nKey=old\r\nother=1\r\n");
    EXPECT_TRUE(WritePrivateProfileString("SEC", "KEY", "new", file_));
    EXPECT_EQ(ReadBytes(file_), "[Sec]\r\nKey=new\r\nother=1\r\n");
    EXPECT_EQ(Get("sec", "key", "default"), "new");
}

TEST_F(IniProfile, AddsAnEntryToItsSection) {
    WriteBytes(file_, "[a]\r\nx=1\r\n[b]\r\ny=2\r\n");
    EXPECT_TRUE(WritePrivateProfileString("A", "z", "3", file_));
    EXPECT_EQ(ReadBytes(file_), "[a]\r\nx=1\r\nz=3\r\n[b]\r\ny=2\r\n");
}

TEST_F(IniProfile, ValueWrittenWithoutLeadingSpaces) {
    EXPECT_TRUE(WritePrivateProfileString("s", "k", "  v", file_));
    EXPECT_EQ(ReadBytes(file_), "[s]\r\nk=v\r\n");
}

TEST_F(IniProfile, ABareFileNameLivesInTheWindowsDirectory) {
    const std::string name = "NimbrelTest-" + std::to_string(testing_support::ProcessId()) + ".ini";
    const std::string inWindows = "C:\\WINDOWS\\" + name;
    std::error_code error;
    std::filesystem::create_directories(testing_support::HostPath("C:\\WINDOWS"), error);
    if (!WritePrivateProfileString("App", "key", "string", name)) {
        GTEST_SKIP() << "the Windows directory is not writable";
    }
    EXPECT_EQ(ReadBytes(inWindows), "[App]\r\nkey=string\r\n");
    EXPECT_EQ(GetPrivateProfileInt("App", "missing", 3, name), 3u);
    char buffer[16];
    EXPECT_EQ(GetPrivateProfileString("app", "KEY", "", buffer, sizeof buffer, name), 6u);
    EXPECT_STREQ(buffer, "string");
    std::filesystem::remove(testing_support::HostPath(inWindows), error);
}

}  // namespace
