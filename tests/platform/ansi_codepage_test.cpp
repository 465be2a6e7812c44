#include "platform/ansi_codepage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string AllBytes() {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte) bytes += static_cast<char>(byte);
    return bytes;
}

TEST(AnsiCodePageTest, EveryByteSurvivesTheTripThroughUtf16AndUtf8) {
    const std::string bytes = AllBytes();
    EXPECT_EQ(platform::Utf16ToAnsi(platform::AnsiToUtf16(bytes)), bytes);
    const std::string utf8 = platform::AnsiToUtf8(bytes);
    EXPECT_TRUE(platform::IsValidUtf8(utf8));
    EXPECT_EQ(platform::Utf8ToAnsi(utf8), bytes);
}

TEST(AnsiCodePageTest, MapsTheWindowsCharacters) {
    EXPECT_EQ(platform::AnsiToUtf16("\x80\x81\x8d\x9f\xe9"), u"\u20ac\u0081\u008d\u0178\u00e9");
    EXPECT_EQ(platform::AnsiToUtf8("\x80\x99"), "\xe2\x82\xac\xe2\x84\xa2");
    EXPECT_EQ(platform::Utf16ToAnsi(u"\u201c\u0152\u00ff"), "\x93\x8c\xff");
}

TEST(AnsiCodePageTest, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(platform::Utf16ToAnsi(u"a\u0100b\u0080c"), "a?b?c");
    EXPECT_EQ(platform::Utf16ToAnsi(u"\U0001F600"), "?");
    EXPECT_EQ(platform::Utf16ToAnsi(std::u16string(1, u'\xDC00')), "?");
    EXPECT_EQ(platform::Utf8ToAnsi("\xe4\xb8\xad\xf0\x9f\x98\x80"), "??");
}

struct Utf8Case {
    const char* name;
    std::string bytes;
    bool valid;
};

void PrintTo(const Utf8Case& utf8Case, std::ostream* out) { *out << utf8Case.name; }

class Utf8ValidityTest : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8ValidityTest, Judges) { EXPECT_EQ(platform::IsValidUtf8(GetParam().bytes), GetParam().valid); }

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf8ValidityTest,
    testing::Values(Utf8Case{"Ascii", "plain", true}, Utf8Case{"TwoBytes", "\xc3\xa9", true},
                    Utf8Case{"FourBytes", "\xf0\x9f\x98\x80", true},
                    Utf8Case{"ReplacementCharacter", "\xef\xbf\xbd", true}, Utf8Case{"LoneContinuation", "\x80", false},
                    Utf8Case{"Truncated", "a\xe2\x82", false}, Utf8Case{"Overlong", "\xc0\xaf", false},
                    Utf8Case{"Surrogate", "\xed\xa0\x80", false}, Utf8Case{"BeyondUnicode", "\xf4\x90\x80\x80", false},
                    Utf8Case{"Latin1Byte", "caf\xe9", false}),
    [](const testing::TestParamInfo<Utf8Case>& info) { return std::string(info.param.name); });

TEST(AnsiCodePageTest, Utf16ValidityWantsPairedSurrogates) {
    EXPECT_TRUE(platform::IsValidUtf16(u"a\U0001F600b"));
    EXPECT_FALSE(platform::IsValidUtf16(std::u16string{u'a', u'\xD800'}));
    EXPECT_FALSE(platform::IsValidUtf16(std::u16string{u'\xDC00', u'a'}));
    EXPECT_FALSE(platform::IsValidUtf16(std::u16string{u'\xD800', u'a'}));
}

}  // namespace
