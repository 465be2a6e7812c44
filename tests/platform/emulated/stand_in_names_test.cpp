// Host file names that no Windows path spells (a newline, a tab, ':', a
// final dot or space, a backslash, a wildcard ...): the listings give each a
// stand-in name, and that name reaches the file and that file only.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "platform/emulated/paths.h"
#include "platform/file_delete.h"
#include "platform/file_listing.h"
#include "platform/file_names.h"
#include "platform/files.h"
#include "platform/subfolder_listing.h"
#include "tests/support/scratch_prefix.h"

namespace {

namespace fs = std::filesystem;

fs::path Host(const std::string& windowsPath) { return platform::emulated::ToHostPath(windowsPath); }

struct HostNameRow {
    const char* name;
    std::string hostName;
    const char* listedAs;  // a regular expression
};

void PrintTo(const HostNameRow& row, std::ostream* out) { *out << row.name; }

class StandInNames : public testing::TestWithParam<HostNameRow> {
protected:
    StandInNames() {
        fs::create_directories(Host("C:\\Recent\\Sub"));
        std::ofstream(Host("C:\\Recent\\plain.lnk")) << "a neighbour";
        std::ofstream(Host("C:\\Recent") / GetParam().hostName) << "a trace";
    }
    testing_support::ScratchPrefix prefix;
};

TEST_P(StandInNames, AreListedSpeltPlainlyAndReachTheirFileAlone) {
    std::vector<std::string> names;
    ASSERT_EQ(platform::ListFiles("C:\\Recent", "*.*", true, names), 0);
    ASSERT_EQ(names.size(), 2u);
    const std::string listed = names[0] == "plain.lnk" ? names[1] : names[0];
    EXPECT_TRUE(std::regex_match(listed, std::regex(GetParam().listedAs))) << listed;
    EXPECT_TRUE(platform::SpellsPlainly(listed));

    const std::string path = "C:\\Recent\\" + listed;
    EXPECT_EQ(platform::FindEntry(path, platform::kFileAttributeHidden | platform::kFileAttributeSystem), listed);
    EXPECT_TRUE(platform::GetFileAttributes(path).has_value());
    EXPECT_EQ(platform::RemoveFile(path), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(Host("C:\\Recent") / GetParam().hostName)));
    EXPECT_TRUE(fs::exists(Host("C:\\Recent\\plain.lnk")));
}

TEST_P(StandInNames, NameFoldersTooAndDeletionsReachThem) {
    fs::create_directory(Host("C:\\Recent\\Sub") / GetParam().hostName);
    std::ofstream(Host("C:\\Recent\\Sub") / GetParam().hostName / "inside.lnk") << "a trace";
    std::vector<std::string> names;
    ASSERT_EQ(platform::ListSubfolders("C:\\Recent\\Sub", names), 0);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_TRUE(std::regex_match(names[0], std::regex(GetParam().listedAs))) << names[0];
    EXPECT_EQ(platform::ShellDeleteFolder("C:\\Recent\\Sub\\" + names[0]), 0);
    EXPECT_TRUE(fs::is_empty(Host("C:\\Recent\\Sub")));
}

INSTANTIATE_TEST_SUITE_P(HostNames, StandInNames,
                         testing::Values(HostNameRow{"Newline", "a\nb.lnk", "a_b~[0-9A-F]{8}\\.lnk"},
                                         HostNameRow{"Tab", "t\tab.lnk", "t_ab~[0-9A-F]{8}\\.lnk"},
                                         HostNameRow{"Colon", "c:olon.lnk", "c_olon~[0-9A-F]{8}\\.lnk"},
                                         HostNameRow{"FinalDot", "dot.", "dot~[0-9A-F]{8}"},
                                         HostNameRow{"FinalSpace", "space ", "space~[0-9A-F]{8}"},
                                         HostNameRow{"DotsOnly", "...", "~[0-9A-F]{8}"},
                                         HostNameRow{"Backslash", "x\\y.lnk", "x_y~[0-9A-F]{8}\\.lnk"},
                                         HostNameRow{"Wildcards", "*?.lnk", "__~[0-9A-F]{8}\\.lnk"},
                                         HostNameRow{"QuoteAndPipe", "\"a|b\".lnk", "_a_b_~[0-9A-F]{8}\\.lnk"},
                                         HostNameRow{"ColonInTheExtension", "notes.t:xt", "notes\\.t_xt~[0-9A-F]{8}"}),
                         [](const testing::TestParamInfo<HostNameRow>& info) { return std::string(info.param.name); });

class StandInNameClashes : public testing::Test {
protected:
    StandInNameClashes() { fs::create_directories(Host("C:\\Recent")); }
    testing_support::ScratchPrefix prefix;
};

TEST_F(StandInNameClashes, NamesAlikeButForTheirOddCharacterGetStandInsOfTheirOwn) {
    std::ofstream(Host("C:\\Recent") / "a\nb.lnk") << "newline";
    std::ofstream(Host("C:\\Recent") / "a\tb.lnk") << "tab";
    std::vector<std::string> names;
    ASSERT_EQ(platform::ListFiles("C:\\Recent", "*.*", true, names), 0);
    ASSERT_EQ(names.size(), 2u);
    EXPECT_NE(names[0], names[1]);
    EXPECT_EQ(platform::RemoveFile("C:\\Recent\\" + names[0]), 0);
    std::vector<std::string> left;
    ASSERT_EQ(platform::ListFiles("C:\\Recent", "*.*", true, left), 0);
    EXPECT_EQ(left, std::vector<std::string>{names[1]});
}

TEST_F(StandInNameClashes, AFileSpeltLikeAStandInIsReachedByItsOwnName) {
    std::ofstream(Host("C:\\Recent") / "a\nb.lnk") << "newline";
    std::vector<std::string> names;
    ASSERT_EQ(platform::ListFiles("C:\\Recent", "*.*", true, names), 0);
    ASSERT_EQ(names.size(), 1u);
    std::ofstream(Host("C:\\Recent") / names[0]) << "spelt so on purpose";
    EXPECT_EQ(platform::RemoveFile("C:\\Recent\\" + names[0]), 0);
    EXPECT_FALSE(fs::exists(Host("C:\\Recent") / names[0]));
    EXPECT_TRUE(fs::exists(Host("C:\\Recent") / "a\nb.lnk"));
}

}  // namespace
