// File names compared, ordered and matched as Windows does.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/file_names.h"

namespace {

struct PatternRow {
    const char* name;
    const char* pattern;
    const char* file;
    bool matches;
};

class PatternTest : public ::testing::TestWithParam<PatternRow> {};

TEST_P(PatternTest, Matches) {
    const PatternRow& row = GetParam();
    EXPECT_EQ(platform::MatchesPattern(row.pattern, row.file), row.matches);
}

INSTANTIATE_TEST_SUITE_P(Patterns, PatternTest,
                         ::testing::Values(PatternRow{"StarDotStarTakesNamesWithoutDot", "*.*", "README", true},
                                           PatternRow{"StarTakesEverything", "*", "a.b.c", true},
                                           PatternRow{"ExtensionIgnoresCase", "*.txt", "Cookie@Site.TXT", true},
                                           PatternRow{"ExtensionMustEnd", "*.txt", "note.txt.lnk", false},
                                           PatternRow{"ExtensionNeedsItsDot", "*.txt", "txt", false},
                                           PatternRow{"QuestionMarkIsOneCharacter", "a?c", "abc", true},
                                           PatternRow{"QuestionMarkIsNotNone", "a?c", "ac", false},
                                           PatternRow{"StarBacktracks", "*ab*ab", "xabyabab", true},
                                           PatternRow{"AccentedLettersIgnoreCase", "\xC9*", "\xE9t\xE9.doc", true},
                                           PatternRow{"LiteralNameOnly", "index.dat", "index.dat2", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FileNamesTest, OnlyNamesThatWin32KeepsAsSpeltSpellPlainly) {
    for (const char* plain : {"a.lnk", "report .doc", ".dotted", "a~1.lnk", "\xE9t\xE9.doc", "x..y"})
        EXPECT_TRUE(platform::SpellsPlainly(plain)) << plain;
    for (const char* odd : {"", ".", "..", "dot.", "space ", "a\nb", "t\tab", "\x7F-ok\x01", "c:d", "a\\b", "a/b",
                            "*.lnk", "a?", "\"q\"", "<a>", "a|b"})
        EXPECT_FALSE(platform::SpellsPlainly(odd)) << odd;
}

TEST(FileNamesTest, EqualityIgnoresCaseOfAnsiLettersOnly) {
    EXPECT_TRUE(platform::FileNamesEqual("Desktop.ini", "DESKTOP.INI"));
    EXPECT_TRUE(platform::FileNamesEqual("\xE9l\xE8ve", "\xC9L\xC8VE"));  // élève
    EXPECT_FALSE(platform::FileNamesEqual("a.lnk", "a.lnk "));
    EXPECT_FALSE(platform::FileNamesEqual("[", "{"));  // 0x5B and 0x7B differ by 0x20 but are no letters
}

TEST(FileNamesTest, OrderIgnoresCaseAndIsTotal) {
    std::vector<std::string> names = {"b.lnk", "A.lnk", "a.lnk", "_x", "Z.lnk", "a"};
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return platform::FileNameLess(a, b); });
    // '_' (0x5F) sorts after the upper-cased letters; same-case twins by bytes.
    EXPECT_EQ(names, (std::vector<std::string>{"a", "A.lnk", "a.lnk", "b.lnk", "Z.lnk", "_x"}));
}

}  // namespace
