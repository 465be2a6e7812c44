// The ignore-list file: what a save writes, what a load gives back, how a
// damaged or hand-edited file loads, and which files are refused.
#include "plugins/ignore_list_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "platform/ini_profile.h"
#include "plugins/mod_hex.h"
#include "tests/support/scratch_folder.h"

namespace {

using plugins::clsDES;
using plugins::SaveIgnoreList;
using testing_support::ScratchFolder;
using Names = std::vector<std::string>;

std::string Entry(const std::string& file, const std::string& section, const std::string& name) {
    char buffer[1024] = {};
    platform::GetPrivateProfileString(section.c_str(), name.c_str(), "<missing>", buffer, sizeof buffer, file);
    return buffer;
}

void SetEntry(const std::string& file, const std::string& section, const std::string& name, const std::string& value) {
    ASSERT_TRUE(platform::WritePrivateProfileString(section.c_str(), name.c_str(), value.c_str(), file));
}

std::string Name(std::size_t length) {
    std::string name;
    for (std::size_t i = 0; i < length; ++i) name.push_back(static_cast<char>('a' + i % 26));
    return name;
}

// The names of a file that must be read.
Names LoadNames(const std::string& file, clsDES& des) {
    plugins::IgnoreListLoad load = plugins::LoadIgnoreList(file, des);
    EXPECT_EQ(load.refusal, "");
    return load.names;
}

// One entry line as a save writes it.
std::string EntryLine(std::size_t index, const std::string& name, clsDES& des) {
    return std::to_string(index) + "=" + modHEX::HexEncode(des.EncryptString(name, plugins::kIgnoreListKey), " ") +
           "\r\n";
}

class IgnoreListFile : public testing::Test {
protected:
    ScratchFolder folder;
    std::string file = folder.Path(plugins::kIgnoreListFileName);
    clsDES des;
};

TEST_F(IgnoreListFile, AMissingFileIsAnEmptyList) { EXPECT_TRUE(LoadNames(file, des).empty()); }

TEST_F(IgnoreListFile, SavingMakesTheMissingFolders) {
    const std::string deeper = folder.Path("Program Files\\Nimbrel\\cookieignore.ini");
    EXPECT_EQ(SaveIgnoreList(deeper, {"anna@site[1].txt"}, des), "");
    EXPECT_EQ(LoadNames(deeper, des), Names{"anna@site[1].txt"});
}

TEST_F(IgnoreListFile, ANewFileStartsWithTheCount) {
    SaveIgnoreList(file, {"anna@site[1].txt"}, des);
    const std::optional<std::string> bytes = testing_support::ReadBytes(file);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->rfind("[Number]", 0), 0u) << *bytes;
    EXPECT_EQ(Entry(file, "Number", "Count"), "1");
}

TEST_F(IgnoreListFile, SavedNamesLoadBackInOrder) {
    const std::vector<std::string> names = {"anna@site[1].txt",
                                            Name(1),
                                            Name(4),
                                            Name(5),
                                            Name(68),
                                            Name(69),
                                            Name(200),
                                            "",
                                            "Caf\xe9@b\xfc"
                                            "cher.txt"};
    SaveIgnoreList(file, names, des);
    clsDES fresh;
    EXPECT_EQ(LoadNames(file, fresh), names);
}

struct EntryRow {
    const char* name;
    std::size_t nameLength;
    std::size_t hexLength;
};

class IgnoreListEntrySize : public IgnoreListFile, public testing::WithParamInterface<EntryRow> {};

TEST_P(IgnoreListEntrySize, IsUpperCaseHexPairsWithSingleSpaces) {
    SaveIgnoreList(file, {Name(GetParam().nameLength)}, des);
    const std::string value = Entry(file, "IgnoreCookies", "0");
    EXPECT_EQ(value.size(), GetParam().hexLength);
    EXPECT_TRUE(std::regex_match(value, std::regex("[0-9A-F]{2}( [0-9A-F]{2})*"))) << value;
}

INSTANTIATE_TEST_SUITE_P(Lengths, IgnoreListEntrySize,
                         testing::Values(EntryRow{"OneByte", 1, 47}, EntryRow{"FourBytes", 4, 47},
                                         EntryRow{"FiveBytes", 5, 71}, EntryRow{"SixtyEightBytes", 68, 239},
                                         EntryRow{"TwoHundredBytes", 200, 647}),
                         [](const testing::TestParamInfo<EntryRow>& info) { return info.param.name; });

TEST_F(IgnoreListFile, SixThousandEntriesLoadInOrder) {
    Names names;
    std::string text = "[Number]\r\nCount=6000\r\n[IgnoreCookies]\r\n";
    for (std::size_t i = 0; i < 6000; ++i) {
        names.push_back("user@site-" + std::to_string(i) + ".example[1].txt");
        text += EntryLine(i, names.back(), des);
    }
    testing_support::WriteBytes(file, text);
    EXPECT_EQ(LoadNames(file, des), names);
}

TEST_F(IgnoreListFile, AShorterListLeavesTheOldEntriesUnread) {
    SaveIgnoreList(file, {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"}, des);
    SaveIgnoreList(file, {"x.txt", "y.txt"}, des);
    EXPECT_EQ(Entry(file, "Number", "Count"), "2");
    for (const char* index : {"2", "3", "4"}) EXPECT_NE(Entry(file, "IgnoreCookies", index), "<missing>");
    EXPECT_EQ(LoadNames(file, des), (std::vector<std::string>{"x.txt", "y.txt"}));
}

TEST_F(IgnoreListFile, TwoSavesWriteDifferentValuesForTheSameList) {
    SaveIgnoreList(file, {"same.txt"}, des);
    const std::string first = Entry(file, "IgnoreCookies", "0");
    SaveIgnoreList(file, {"same.txt"}, des);
    EXPECT_NE(Entry(file, "IgnoreCookies", "0"), first);
    EXPECT_EQ(LoadNames(file, des), std::vector<std::string>{"same.txt"});
}

TEST_F(IgnoreListFile, SavingKeepsWhatElseTheFileHolds) {
    SetEntry(file, "Other", "Kept", "yes");
    SaveIgnoreList(file, {"one.txt"}, des);
    EXPECT_EQ(Entry(file, "Other", "Kept"), "yes");
}

TEST_F(IgnoreListFile, ACountFarBeyondTheEntriesLoadsWhatIsThere) {
    SaveIgnoreList(file, {"one.txt", "two.txt"}, des);
    SetEntry(file, "Number", "Count", "2000000000");
    EXPECT_EQ(LoadNames(file, des), (std::vector<std::string>{"one.txt", "two.txt"}));
}

TEST_F(IgnoreListFile, AHugeCountBesideAnEntryOfAHighIndexReadsOnlyTheEntriesThere) {
    SaveIgnoreList(file, {"one.txt"}, des);
    SetEntry(file, "Number", "Count", "2147483647");
    SetEntry(file, "IgnoreCookies", "2000000000",
             modHEX::HexEncode(des.EncryptString("late.txt", plugins::kIgnoreListKey), " "));
    SetEntry(file, "IgnoreCookies", "2147483647",
             modHEX::HexEncode(des.EncryptString("beyond.txt", plugins::kIgnoreListKey), " "));
    EXPECT_EQ(LoadNames(file, des), (std::vector<std::string>{"one.txt", "late.txt"}));
}

TEST_F(IgnoreListFile, ACountThatIsNotANumberIsAnEmptyList) {
    SaveIgnoreList(file, {"one.txt"}, des);
    SetEntry(file, "Number", "Count", "many");
    EXPECT_TRUE(LoadNames(file, des).empty());
}

struct DamagedRow {
    const char* name;
    std::string value;  // "{valid}" is replaced by a well-formed entry
};

std::string Damage(const std::string& pattern, clsDES& des) {
    if (pattern == "{lower}") {
        std::string hex = modHEX::HexEncode(des.EncryptString("hidden.txt", plugins::kIgnoreListKey), " ");
        for (char& c : hex) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return hex;
    }
    if (pattern == "{double-space}") {
        const std::string hex = modHEX::HexEncode(des.EncryptString("hidden.txt", plugins::kIgnoreListKey), "  ");
        return hex;
    }
    if (pattern == "{wrong-key}") return modHEX::HexEncode(des.EncryptString("hidden.txt", "otherkey"), " ");
    return pattern;
}

class IgnoreListDamagedEntry : public IgnoreListFile, public testing::WithParamInterface<DamagedRow> {};

TEST_P(IgnoreListDamagedEntry, IsSkippedAndTheRestLoad) {
    SaveIgnoreList(file, {"first.txt", "middle.txt", "last.txt"}, des);
    SetEntry(file, "IgnoreCookies", "1", Damage(GetParam().value, des));
    EXPECT_EQ(LoadNames(file, des), (std::vector<std::string>{"first.txt", "last.txt"}));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, IgnoreListDamagedEntry,
    testing::Values(DamagedRow{"Empty", ""}, DamagedRow{"LowerCaseHex", "{lower}"},
                    DamagedRow{"DoubleSpaces", "{double-space}"}, DamagedRow{"NotHex", "hello world"},
                    DamagedRow{"EightBytes", "01 02 03 04 05 06 07 08"},
                    DamagedRow{"TwentyBytes", "00 11 22 33 44 55 66 77 88 99 AA BB CC DD EE FF 00 11 22 33"},
                    DamagedRow{"BadSizeDescriptor", "{wrong-key}"}),
    [](const testing::TestParamInfo<DamagedRow>& info) { return info.param.name; });

TEST_F(IgnoreListFile, AMissingEntryIsSkipped) {
    SaveIgnoreList(file, {"first.txt", "middle.txt", "last.txt"}, des);
    ASSERT_TRUE(platform::WritePrivateProfileString("IgnoreCookies", "1", nullptr, file));
    EXPECT_EQ(LoadNames(file, des), (std::vector<std::string>{"first.txt", "last.txt"}));
}

struct HandEditedRow {
    const char* name;
    std::string text;  // "{a}" and "{b}" stand for the enciphered a.txt and b.txt
    Names names;
};

class IgnoreListHandEdited : public IgnoreListFile, public testing::WithParamInterface<HandEditedRow> {};

TEST_P(IgnoreListHandEdited, LoadsAsTheProfileFunctionsReadIt) {
    std::string text = GetParam().text;
    for (const auto& [mark, name] : {std::pair{"{a}", "a.txt"}, std::pair{"{b}", "b.txt"}}) {
        const std::string hex = modHEX::HexEncode(des.EncryptString(name, plugins::kIgnoreListKey), " ");
        for (std::size_t at; (at = text.find(mark)) != std::string::npos;) text.replace(at, 3, hex);
    }
    testing_support::WriteBytes(file, text);
    EXPECT_EQ(LoadNames(file, des), GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(
    Files, IgnoreListHandEdited,
    testing::Values(
        HandEditedRow{"BlanksAroundNamesAndValues",
                      "[ Number ]\r\n Count = 2 \r\n[IgnoreCookies]\r\n0 =\t{a}\r\n  1={b}  \r\n",
                      {"a.txt", "b.txt"}},
        HandEditedRow{
            "OtherLetterCaseAndLineFeeds", "[number]\ncount=2\n[ignorecookies]\n0={a}\n1={b}", {"a.txt", "b.txt"}},
        HandEditedRow{"CarriageReturns", "[Number]\rCount=2\r[IgnoreCookies]\r0={a}\r1={b}\r", {"a.txt", "b.txt"}},
        HandEditedRow{"QuotedValues",
                      "[Number]\r\nCount=\"2\"\r\n[IgnoreCookies]\r\n0=\"{a}\"\r\n1='{b}'\r\n",
                      {"a.txt", "b.txt"}},
        HandEditedRow{"CountAfterTheNames",
                      "[IgnoreCookies]\r\n1={b}\r\n0={a}\r\n[Number]\r\nCount=2 names\r\n",
                      {"a.txt", "b.txt"}},
        HandEditedRow{"FirstEntryOfAnIndex", "[Number]\r\nCount=1\r\n[IgnoreCookies]\r\n0={a}\r\n0={b}\r\n", {"a.txt"}},
        HandEditedRow{"ABareNameHidesTheLaterEntry",
                      "[Number]\r\nCount=2\r\n[IgnoreCookies]\r\n0\r\n0={a}\r\n1={b}\r\n",
                      {"b.txt"}},
        HandEditedRow{"FirstSectionOfAName",
                      "[Number]\r\nCount=2\r\n[IgnoreCookies]\r\n0={a}\r\n[IgnoreCookies]\r\n1={b}\r\n",
                      {"a.txt"}},
        HandEditedRow{"EntriesOutsideTheSectionAndComments",
                      "0={b}\r\n[Other]\r\n1={b}\r\n[Number]\r\nCount=2\r\n[IgnoreCookies]\r\n;1={b}\r\n0={a}\r\n",
                      {"a.txt"}},
        HandEditedRow{"NoCount", "[IgnoreCookies]\r\n0={a}\r\n", {}}),
    [](const testing::TestParamInfo<HandEditedRow>& info) { return info.param.name; });

TEST_F(IgnoreListFile, AFileOfTheLimitLoadsAndOneByteMoreIsRefusedAndNotSavedOver) {
    SaveIgnoreList(file, {"kept.txt"}, des);
    std::string text = *testing_support::ReadBytes(file);
    text.resize(plugins::kIgnoreListMaxBytes, '\n');
    testing_support::WriteBytes(file, text);
    EXPECT_EQ(LoadNames(file, des), Names{"kept.txt"});

    testing_support::WriteBytes(file, text + "\n");
    const plugins::IgnoreListLoad load = plugins::LoadIgnoreList(file, des);
    EXPECT_TRUE(load.names.empty());
    EXPECT_EQ(load.refusal, file + " is larger than 1 MiB, more than an ignore list ever holds");
    EXPECT_EQ(SaveIgnoreList(file, {"other.txt"}, des), load.refusal);
    EXPECT_EQ(testing_support::ReadBytes(file), text + "\n");
}

TEST_F(IgnoreListFile, AFolderInItsPlaceIsRefused) {
    std::filesystem::create_directories(testing_support::HostPath(file));
    EXPECT_EQ(plugins::LoadIgnoreList(file, des).refusal, file + " is not a regular file");
    EXPECT_EQ(SaveIgnoreList(file, {"one.txt"}, des), file + " is not a regular file");
}

}  // namespace
