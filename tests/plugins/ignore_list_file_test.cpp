// The ignore-list file: what a save writes, what a load gives back, and how
// a damaged file loads.
#include "plugins/ignore_list_file.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "platform/ini_profile.h"
#include "plugins/mod_hex.h"
#include "tests/support/scratch_folder.h"

namespace {

using plugins::clsDES;
using plugins::LoadIgnoreList;
using plugins::SaveIgnoreList;
using testing_support::ScratchFolder;

std::string Entry(const std::string& file, const std::string& section, const std::string& name) {
    char buffer[1024] = {};
    platform::GetPrivateProfileString(section.c_str(), name.c_str(), "<missing>", buffer, sizeof buffer, file);
    return buffer;
}

void SetEntry(const std::string& file, const std::string& section, const std::string& name,
              const std::string& value) {
    ASSERT_TRUE(platform::WritePrivateProfileString(section.c_str(), name.c_str(), value.c_str(), file));
}

std::string Name(std::size_t length) {
    std::string name;
    for (std::size_t i = 0; i < length; ++i) name.push_back(static_cast<char>('a' + i % 26));
    return name;
}

class IgnoreListFile : public testing::Test {
protected:
    ScratchFolder folder;
    std::string file = plugins::IgnoreListPath(folder.Path());
    clsDES des;
};

TEST_F(IgnoreListFile, LivesBesideTheProgram) {
    EXPECT_EQ(plugins::IgnoreListPath("C:\\Program Files\\Nimbrel"),
              "C:\\Program Files\\Nimbrel\\cookieignore.ini");
}

TEST_F(IgnoreListFile, AMissingFileIsAnEmptyList) { EXPECT_TRUE(LoadIgnoreList(file, des).empty()); }

TEST_F(IgnoreListFile, ANewFileStartsWithTheCount) {
    SaveIgnoreList(file, {"anna@site[1].txt"}, des);
    const std::optional<std::string> bytes = testing_support::ReadBytes(file);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->rfind("[Number]", 0), 0u) << *bytes;
    EXPECT_EQ(Entry(file, "Number", "Count"), "1");
}

TEST_F(IgnoreListFile, SavedNamesLoadBackInOrder) {
    const std::vector<std::string> names = {"anna@site[1].txt", Name(1), Name(4), Name(5), Name(68), "",
                                            "Caf\xe9@b\xfc" "cher.txt"};
    SaveIgnoreList(file, names, des);
    clsDES fresh;
    EXPECT_EQ(LoadIgnoreList(file, fresh), names);
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
                                         EntryRow{"FiveBytes", 5, 71}, EntryRow{"SixtyEightBytes", 68, 239}),
                         [](const testing::TestParamInfo<EntryRow>& info) { return info.param.name; });

TEST_F(IgnoreListFile, ANameOfSixtyNineBytesCannotBeRestoredButTheOthersLoad) {
    SaveIgnoreList(file, {"first.txt", Name(69), "last.txt"}, des);
    EXPECT_EQ(Entry(file, "IgnoreCookies", "1").size(), 263u);
    EXPECT_EQ(LoadIgnoreList(file, des), (std::vector<std::string>{"first.txt", "last.txt"}));
}

TEST_F(IgnoreListFile, AShorterListLeavesTheOldEntriesUnread) {
    SaveIgnoreList(file, {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"}, des);
    SaveIgnoreList(file, {"x.txt", "y.txt"}, des);
    EXPECT_EQ(Entry(file, "Number", "Count"), "2");
    for (const char* index : {"2", "3", "4"}) EXPECT_NE(Entry(file, "IgnoreCookies", index), "<missing>");
    EXPECT_EQ(LoadIgnoreList(file, des), (std::vector<std::string>{"x.txt", "y.txt"}));
}

TEST_F(IgnoreListFile, TwoSavesWriteDifferentValuesForTheSameList) {
    SaveIgnoreList(file, {"same.txt"}, des);
    const std::string first = Entry(file, "IgnoreCookies", "0");
    SaveIgnoreList(file, {"same.txt"}, des);
    EXPECT_NE(Entry(file, "IgnoreCookies", "0"), first);
    EXPECT_EQ(LoadIgnoreList(file, des), std::vector<std::string>{"same.txt"});
}

TEST_F(IgnoreListFile, SavingKeepsWhatElseTheFileHolds) {
    SetEntry(file, "Other", "Kept", "yes");
    SaveIgnoreList(file, {"one.txt"}, des);
    EXPECT_EQ(Entry(file, "Other", "Kept"), "yes");
}

TEST_F(IgnoreListFile, ACountFarBeyondTheEntriesLoadsWhatIsThere) {
    SaveIgnoreList(file, {"one.txt", "two.txt"}, des);
    SetEntry(file, "Number", "Count", "2000000000");
    EXPECT_EQ(LoadIgnoreList(file, des), (std::vector<std::string>{"one.txt", "two.txt"}));
}

TEST_F(IgnoreListFile, AHugeCountBesideAnEntryOfAHighIndexReadsOnlyTheEntriesThere) {
    SaveIgnoreList(file, {"one.txt"}, des);
    SetEntry(file, "Number", "Count", "2147483647");
    SetEntry(file, "IgnoreCookies", "2000000000",
             modHEX::HexEncode(des.EncryptString("late.txt", plugins::kIgnoreListKey), " "));
    SetEntry(file, "IgnoreCookies", "2147483647",
             modHEX::HexEncode(des.EncryptString("beyond.txt", plugins::kIgnoreListKey), " "));
    EXPECT_EQ(LoadIgnoreList(file, des), (std::vector<std::string>{"one.txt", "late.txt"}));
}

TEST_F(IgnoreListFile, ACountThatIsNotANumberIsAnEmptyList) {
    SaveIgnoreList(file, {"one.txt"}, des);
    SetEntry(file, "Number", "Count", "many");
    EXPECT_TRUE(LoadIgnoreList(file, des).empty());
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
    EXPECT_EQ(LoadIgnoreList(file, des), (std::vector<std::string>{"first.txt", "last.txt"}));
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
    EXPECT_EQ(LoadIgnoreList(file, des), (std::vector<std::string>{"first.txt", "last.txt"}));
}

}  // namespace
