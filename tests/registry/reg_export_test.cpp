#include "registry/reg_export.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/registry_api.h"

namespace {

using namespace std::string_literals;

std::string ValueLines(std::string_view name, std::uint32_t type, std::string_view data) {
    std::string text;
    EXPECT_TRUE(registry::AppendRegValueLines(text, name, type, data));
    return text;
}

struct ValueText {
    const char* name;
    std::string valueName;
    std::uint32_t type;
    std::string data;
    std::string text;
};

void PrintTo(const ValueText& value, std::ostream* out) { *out << value.name; }

class ValueTextTest : public testing::TestWithParam<ValueText> {};

TEST_P(ValueTextTest, WritesTheFormThatReadsBackTheSame) {
    const ValueText& value = GetParam();
    EXPECT_EQ(ValueLines(value.valueName, value.type, value.data), value.text);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ValueTextTest,
    testing::Values(
        ValueText{"String", "x", platform::kRegSz, "abc\0"s, "\"x\"=\"abc\"\n"},
        ValueText{"EmptyString", "x", platform::kRegSz, "\0"s, "\"x\"=\"\"\n"},
        ValueText{"Escapes", "a\"b\\", platform::kRegSz, "\\\"\0"s, "\"a\\\"b\\\\\"=\"\\\\\\\"\"\n"},
        ValueText{"DefaultValue", "", platform::kRegSz, "v\0"s, "@=\"v\"\n"},
        ValueText{"StringWithoutNul", "x", platform::kRegSz, "ab", "\"x\"=hex(1):61,00,62,00\n"},
        ValueText{"StringWithInnerNul", "x", platform::kRegSz, "a\0\0"s, "\"x\"=hex(1):61,00,00,00,00,00\n"},
        ValueText{"StringWithLineBreak", "x", platform::kRegSz, "a\nb\0"s, "\"x\"=hex(1):61,00,0a,00,62,00,00,00\n"},
        ValueText{"ZeroByteString", "x", platform::kRegSz, "", "\"x\"=hex(1):\n"},
        ValueText{"HighAnsiAsUtf16", "x", platform::kRegExpandSz, "\x80\x81\0"s, "\"x\"=hex(2):ac,20,81,00,00,00\n"},
        ValueText{"Dword", "x", platform::kRegDword, "\x78\x56\x34\x12"s, "\"x\"=dword:12345678\n"},
        ValueText{"ShortDword", "x", platform::kRegDword, "\x01\x02"s, "\"x\"=hex(4):01,02\n"},
        ValueText{"Binary", "x", platform::kRegBinary, "\x11\x22\xff"s, "\"x\"=hex:11,22,ff\n"},
        ValueText{"EmptyNone", "x", platform::kRegNone, "", "\"x\"=hex(0):\n"},
        ValueText{"Qword", "x", platform::kRegQword, "\x01\0\0\0\0\0\0\0"s, "\"x\"=hex(b):01,00,00,00,00,00,00,00\n"},
        ValueText{"UnnamedType", "43981", 0xabcd, "Value\0"s, "\"43981\"=hex(abcd):56,61,6c,75,65,00\n"},
        // regedit's own output for this value: 17 bytes on the first line,
        // then lines of 25 bytes indented by two.
        ValueText{"WrapsAsRegedit", "Multiple strings", platform::kRegMultiSz, "Line1\0Line2\0Line3\0\0"s,
                  "\"Multiple strings\"=hex(7):4c,00,69,00,6e,00,65,00,31,00,00,00,4c,00,69,00,6e,\\\n"
                  "  00,65,00,32,00,00,00,4c,00,69,00,6e,00,65,00,33,00,00,00,00,00\n"}),
    [](const testing::TestParamInfo<ValueText>& info) { return std::string(info.param.name); });

TEST(RegExportTest, LongHexDataKeepsWithinEightyColumns) {
    std::string data;
    for (int i = 0; i < 200; ++i) data += static_cast<char>(i);
    for (const std::string& name : {std::string("v"), std::string(30, 'n'), std::string(100, 'w')}) {
        std::istringstream lines(ValueLines(name, platform::kRegBinary, data));
        std::string line;
        int count = 0;
        while (std::getline(lines, line)) {
            ++count;
            if (count > 1) {
                EXPECT_LE(line.size(), 80u) << line;
                EXPECT_EQ(line.substr(0, 2), "  ");
            }
            if (line.back() == '\\') {
                EXPECT_EQ(line[line.size() - 2], ',');
            }
        }
        EXPECT_GT(count, 2);
    }
    std::istringstream lines(ValueLines("v", platform::kRegBinary, data));
    std::string first;
    std::string second;
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_EQ(first.size(), 78u);   // "v"=hex: and 23 bytes, then '\'
    EXPECT_EQ(second.size(), 78u);  // two blanks, 25 bytes, '\'
}

TEST(RegExportTest, RefusesNamesWithLineBreaks) {
    std::string text = "kept";
    EXPECT_FALSE(registry::AppendRegValueLines(text, "a\nb", platform::kRegSz, "x\0"s));
    EXPECT_FALSE(registry::AppendRegValueLines(text, "a\rb", platform::kRegSz, "x\0"s));
    EXPECT_EQ(text, "kept");
}

TEST(RegExportTest, EncodesFilesAsRegeditDoes) {
    EXPECT_EQ(registry::EncodeRegFileUtf16("A\x80\n"),
              "\xFF\xFE"
              "A\0\xAC\x20\r\0\n\0"s);
}

}  // namespace
