// modHEX: upper-case pairs, separators, and the refusals of HexDecode.
#include "plugins/mod_hex.h"

#include <gtest/gtest.h>

namespace {

using modHEX::HexDecode;
using modHEX::HexEncode;

struct EncodeRow {
    const char* name;
    std::string text;
    std::string separator;
    std::string hex;
};

class HexEncodeRows : public testing::TestWithParam<EncodeRow> {};

TEST_P(HexEncodeRows, EncodesAndDecodesBack) {
    const EncodeRow& row = GetParam();
    EXPECT_EQ(HexEncode(row.text, row.separator), row.hex);
    EXPECT_EQ(HexDecode(row.hex, row.separator.size()), row.text);
}

INSTANTIATE_TEST_SUITE_P(Texts, HexEncodeRows,
                         testing::Values(EncodeRow{"Abc", "abc", " ", "61 62 63"}, EncodeRow{"Empty", "", " ", ""},
                                         EncodeRow{"OneByte", "\x0f", " ", "0F"},
                                         EncodeRow{"HighBytesUpperCase", std::string("\xff\xab\x00\x10", 4), " ",
                                                   "FF AB 00 10"},
                                         EncodeRow{"NoSeparator", "\x01\xfe", "", "01FE"},
                                         EncodeRow{"FirstCharacterOfALongSeparator", "abc", "-+", "61--62--63"}),
                         [](const testing::TestParamInfo<EncodeRow>& info) { return info.param.name; });

TEST(HexEncode, LengthIsThreeKMinusOne) {
    for (std::size_t k : {1u, 16u, 80u, 88u}) EXPECT_EQ(HexEncode(std::string(k, 'x'), " ").size(), 3 * k - 1);
}

struct RefusedRow {
    const char* name;
    std::string hex;
};

class HexDecodeRefuses : public testing::TestWithParam<RefusedRow> {};

TEST_P(HexDecodeRefuses, ReturnsNothing) { EXPECT_EQ(HexDecode(GetParam().hex, 1), std::nullopt); }

INSTANTIATE_TEST_SUITE_P(Malformed, HexDecodeRefuses,
                         testing::Values(RefusedRow{"MissingEntryDefault", "0"}, RefusedRow{"LowerCase", "6a 62"},
                                         RefusedRow{"NotADigit", "6G 62"}, RefusedRow{"TrailingSpace", "61 62 "},
                                         RefusedRow{"DoubleSpace", "61  62"}, RefusedRow{"OddDigit", "61 6"}),
                         [](const testing::TestParamInfo<RefusedRow>& info) { return info.param.name; });

TEST(HexDecode, SeparatorLongerThanTheTextAllowsOnePairAtMost) {
    const std::size_t huge = static_cast<std::size_t>(-1);
    EXPECT_EQ(HexDecode("61", huge), std::optional<std::string>("a"));
    EXPECT_EQ(HexDecode("61", huge - 1), std::optional<std::string>("a"));
    EXPECT_EQ(HexDecode("61 62", huge - 1), std::nullopt);
    EXPECT_EQ(HexDecode("", huge - 2), std::optional<std::string>(""));
}

}  // namespace
