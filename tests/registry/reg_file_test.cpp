#include "registry/reg_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/utf16_file.h"

namespace {

using registry::RegOperation;
using Kind = RegOperation::Kind;
using namespace std::string_literals;
using testing_support::Utf16Le;

const std::string kUnicodeHeader = "Windows Registry Editor Version 5.00\n\n";

std::vector<RegOperation> ParseOk(const std::string& bytes) {
    std::vector<RegOperation> operations;
    const std::string fault = registry::ParseRegFile(bytes, operations);
    EXPECT_EQ(fault, "");
    return operations;
}

// One value line under one key, and the value it must store.
struct ValueForm {
    const char* name;
    std::string header;
    std::string valueLines;
    std::string valueName;
    std::uint32_t type;
    std::string data;
};

void PrintTo(const ValueForm& form, std::ostream* out) { *out << form.name; }

class ValueFormTest : public testing::TestWithParam<ValueForm> {};

TEST_P(ValueFormTest, StoresWhatRegeditWould) {
    const ValueForm& form = GetParam();
    const auto operations = ParseOk(form.header + "[HKEY_CURRENT_USER\\Software\\Test]\n" + form.valueLines + "\n");
    ASSERT_EQ(operations.size(), 2u);
    const RegOperation& value = operations[1];
    EXPECT_EQ(value.kind, Kind::kSetValue);
    EXPECT_EQ(value.line, 4);
    EXPECT_EQ(value.key.root, platform::kHkeyCurrentUser);
    EXPECT_EQ(value.key.path, "Software\\Test");
    EXPECT_EQ(value.valueName, form.valueName);
    EXPECT_EQ(value.type, form.type);
    EXPECT_EQ(value.data, form.data);
}

const std::string kAnsiHeader = "REGEDIT4\n\n";

INSTANTIATE_TEST_SUITE_P(
    Forms, ValueFormTest,
    testing::Values(
        ValueForm{"StringKeepsItsNul", kUnicodeHeader, R"("x"="abc")", "x", platform::kRegSz, "abc\0"s},
        ValueForm{"EmptyStringIsOneNul", kUnicodeHeader, R"("x"="")", "x", platform::kRegSz, "\0"s},
        ValueForm{"Escapes", kUnicodeHeader, R"("a\"b\\c"="C:\\dir\\\"q\"")", "a\"b\\c", platform::kRegSz,
                  "C:\\dir\\\"q\"\0"s},
        ValueForm{"SemicolonInsideString", kUnicodeHeader, R"("x"="a;b" ; comment)", "x", platform::kRegSz, "a;b\0"s},
        ValueForm{"DefaultValue", kUnicodeHeader, R"(@="v")", "", platform::kRegSz, "v\0"s},
        ValueForm{"BlanksAroundEquals", kUnicodeHeader, "\"x\" =\t\"v\"", "x", platform::kRegSz, "v\0"s},
        ValueForm{"Dword", kUnicodeHeader, R"("x"=dword:0000002a)", "x", platform::kRegDword, "\x2a\0\0\0"s},
        ValueForm{"DwordFewerDigits", kUnicodeHeader, R"("x"=dword:1F)", "x", platform::kRegDword, "\x1f\0\0\0"s},
        ValueForm{"DwordHighBits", kUnicodeHeader, R"("x"=dword:fedcba98)", "x", platform::kRegDword,
                  "\x98\xba\xdc\xfe"s},
        ValueForm{"Binary", kUnicodeHeader, R"("x"=hex:01,ab,FF)", "x", platform::kRegBinary, "\x01\xab\xff"s},
        ValueForm{"EmptyBinary", kUnicodeHeader, R"("x"=hex:)", "x", platform::kRegBinary, ""},
        ValueForm{"BinaryBlanksAndTrailingComma", kUnicodeHeader, R"("x"=hex: 01, 2 ,03,)", "x", platform::kRegBinary,
                  "\x01\x02\x03"s},
        ValueForm{"Continuation", kUnicodeHeader, "\"x\"=hex:01,02,\\\n  03,04, \\ \n\t05", "x", platform::kRegBinary,
                  "\x01\x02\x03\x04\x05"s},
        ValueForm{"ContinuationWithComments", kUnicodeHeader, "\"x\"=hex:01,\\ ; first\n  02 ; last", "x",
                  platform::kRegBinary, "\x01\x02"s},
        ValueForm{"TypeZero", kUnicodeHeader, R"("x"=hex(0):00,01)", "x", platform::kRegNone, "\x00\x01"s},
        ValueForm{"Qword", kUnicodeHeader, R"("x"=hex(b):01,00,00,00,00,00,00,80)", "x", platform::kRegQword,
                  "\x01\0\0\0\0\0\0\x80"s},
        ValueForm{"UnnamedTypeStoredAsGiven", kUnicodeHeader, R"("x"=hex(abcd):56,00)", "x", 0xabcd, "V\0"s},
        ValueForm{"Utf16StringToAnsi", kUnicodeHeader, R"("x"=hex(1):61,00,e9,00,ac,20,00,00)", "x", platform::kRegSz,
                  "a\xe9\x80\0"s},
        ValueForm{"Utf16StringWithoutNul", kUnicodeHeader, R"("x"=hex(1):61,00,62,00)", "x", platform::kRegSz, "ab"},
        ValueForm{"Utf16StrayOddByteDropped", kUnicodeHeader, R"("x"=hex(1):61,00,62,00,63)", "x", platform::kRegSz,
                  "ab"},
        ValueForm{"Utf16OutsideCodePageIsQuestionMark", kUnicodeHeader, R"("x"=hex(1):00,01,00,00)", "x",
                  platform::kRegSz, "?\0"s},
        ValueForm{"ExpandString", kUnicodeHeader, R"("x"=hex(2):25,00,41,00,25,00,00,00)", "x", platform::kRegExpandSz,
                  "%A%\0"s},
        ValueForm{"MultiString", kUnicodeHeader, R"("x"=hex(7):61,00,00,00,62,00,00,00,00,00)", "x",
                  platform::kRegMultiSz, "a\0b\0\0"s},
        ValueForm{"AnsiFormatKeepsTextBytes", kAnsiHeader, R"("x"=hex(2):25,41,25,00)", "x", platform::kRegExpandSz,
                  "%A%\0"s},
        ValueForm{"AnsiFormatString", kAnsiHeader, R"("x"="abc")", "x", platform::kRegSz, "abc\0"s}),
    [](const testing::TestParamInfo<ValueForm>& info) { return std::string(info.param.name); });

TEST(RegFileTest, KeyLinesNameRootsInFullAndShort) {
    const auto operations = ParseOk(kUnicodeHeader +
                                    "[HKEY_LOCAL_MACHINE\\Software]\n"
                                    "[hkcu\\Software\\A\\]\n"
                                    "[HKU\\.DEFAULT]\n"
                                    "[HKCR\\.txt]\n"
                                    "[HKEY_CURRENT_CONFIG\\System]\n"
                                    "[HKEY_CURRENT_USER\\]\n"
                                    "[HKEY_USERS]\n"
                                    "[-HKLM\\Software\\Gone]\n");
    ASSERT_EQ(operations.size(), 8u);
    const std::vector<std::pair<platform::HKey, std::string>> expected = {
        {platform::kHkeyLocalMachine, "Software"},
        {platform::kHkeyCurrentUser, "Software\\A"},
        {platform::kHkeyUsers, ".DEFAULT"},
        {platform::kHkeyClassesRoot, ".txt"},
        {platform::kHkeyCurrentConfig, "System"},
        {platform::kHkeyCurrentUser, ""},
        {platform::kHkeyUsers, ""},
        {platform::kHkeyLocalMachine, "Software\\Gone"},
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(operations[i].key.root, expected[i].first);
        EXPECT_EQ(operations[i].key.path, expected[i].second);
        EXPECT_EQ(operations[i].line, static_cast<int>(i) + 3);
        EXPECT_EQ(operations[i].kind, i == 7 ? Kind::kDeleteKeyTree : Kind::kCreateKey);
    }
}

TEST(RegFileTest, DeletionsCommentsAndBlankLines) {
    const auto operations = ParseOk(kUnicodeHeader +
                                    "; a comment\n"
                                    "  [HKCU\\Software\\A] \n"
                                    "\n"
                                    "\t\"old\"=-\n"
                                    "@=- ; the default value\n");
    ASSERT_EQ(operations.size(), 3u);
    EXPECT_EQ(operations[1].kind, Kind::kDeleteValue);
    EXPECT_EQ(operations[1].valueName, "old");
    EXPECT_EQ(operations[1].line, 6);
    EXPECT_EQ(operations[2].kind, Kind::kDeleteValue);
    EXPECT_EQ(operations[2].valueName, "");
}

TEST(RegFileTest, ValueAfterContinuationKeepsCounting) {
    const auto operations = ParseOk(kUnicodeHeader + "[HKCU\\A]\n\"b\"=hex:01,\\\n  02\n\"c\"=\"d\"\n");
    ASSERT_EQ(operations.size(), 3u);
    EXPECT_EQ(operations[1].line, 4);
    EXPECT_EQ(operations[2].line, 6);
}

// The same file in every encoding gives the same ANSI bytes.
struct Encoding {
    const char* name;
    std::string bytes;
};

void PrintTo(const Encoding& encoding, std::ostream* out) { *out << encoding.name; }

class EncodingTest : public testing::TestWithParam<Encoding> {};

TEST_P(EncodingTest, DecodesToAnsi) {
    const auto operations = ParseOk(GetParam().bytes);
    ASSERT_EQ(operations.size(), 2u);
    EXPECT_EQ(operations[0].key.path, "Caf\xe9");
    EXPECT_EQ(operations[1].valueName, "\x80uro");
    EXPECT_EQ(operations[1].data, "na\xefve\0"s);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, EncodingTest,
    testing::Values(
        Encoding{
            "Utf16LeWithBomAndCrLf",
            Utf16Le(
                u"Windows Registry Editor Version 5.00\r\n\r\n[HKCU\\Caf\u00e9]\r\n\"\u20acuro\"=\"na\u00efve\"\r\n")},
        Encoding{"Utf8WithBom",
                 "\xEF\xBB\xBFWindows Registry Editor Version 5.00\n[HKCU\\Caf\xC3\xA9]\n"
                 "\"\xE2\x82\xACuro\"=\"na\xC3\xAFve\"\n"},
        Encoding{"Utf8WithoutBom", "REGEDIT4\r\n[HKCU\\Caf\xC3\xA9]\r\n\"\xE2\x82\xACuro\"=\"na\xC3\xAFve\"\r\n"},
        Encoding{"Ansi", "REGEDIT4\n[HKCU\\Caf\xE9]\n\"\x80uro\"=\"na\xEFve\"\n"}),
    [](const testing::TestParamInfo<Encoding>& info) { return std::string(info.param.name); });

TEST(RegFileTest, CharacterBeyondTheBasicPlaneBecomesOneQuestionMark) {
    const auto operations =
        ParseOk(Utf16Le(u"Windows Registry Editor Version 5.00\n[HKCU\\A]\n\"x\"=\"\U0001F600\"\n"));
    ASSERT_EQ(operations.size(), 2u);
    EXPECT_EQ(operations[1].data, "?\0"s);
}

// A damaged file: refused whole, naming the line.
struct Refusal {
    const char* name;
    std::string bytes;
    std::string faultStart;
};

void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.name; }

class RefusalTest : public testing::TestWithParam<Refusal> {};

TEST_P(RefusalTest, NamesTheLineAndKeepsNothing) {
    std::vector<RegOperation> operations;
    const std::string fault = registry::ParseRegFile(GetParam().bytes, operations);
    EXPECT_EQ(fault.substr(0, GetParam().faultStart.size()), GetParam().faultStart) << fault;
    EXPECT_TRUE(operations.empty());
}

const std::string kKey = kUnicodeHeader + "[HKCU\\Software\\A]\n";  // line 3

INSTANTIATE_TEST_SUITE_P(
    Refusals, RefusalTest,
    testing::Values(
        Refusal{"EmptyFile", "", "line 1: not a registry file"},
        Refusal{"UnknownHeader", "Windows Registry Editor Version 4.00\n", "line 1: not a registry file"},
        Refusal{"HeaderNotFirst", "\nREGEDIT4\n", "line 1: not a registry file"},
        Refusal{"UnknownRoot", kUnicodeHeader + "[HKEY_DYN_DATA\\x]\n", "line 3: unknown root key"},
        Refusal{"EmptyKeyComponent", kUnicodeHeader + "[HKCU\\a\\\\b]\n", "line 3: empty key name component"},
        Refusal{"LongKeyComponent", kUnicodeHeader + "[HKCU\\" + std::string(256, 'k') + "]\n",
                "line 3: key name component of 256 characters"},
        Refusal{"MissingBracket", kUnicodeHeader + "[HKCU\\a\n", "line 3: missing ']'"},
        Refusal{"TextAfterKey", kUnicodeHeader + "[HKCU\\a] x\n", "line 3: unexpected text"},
        Refusal{"DeleteRoot", kUnicodeHeader + "[-HKEY_CURRENT_USER]\n", "line 3: a root key cannot be deleted"},
        Refusal{"ValueBeforeKey", kUnicodeHeader + "\"x\"=\"y\"\n", "line 3: a value line before any [key]"},
        Refusal{"ValueUnderDeletedKey", kUnicodeHeader + "[-HKCU\\a]\n\"x\"=\"y\"\n", "line 4: a value line under"},
        Refusal{"LongValueName", kKey + "\"" + std::string(16384, 'v') + "\"=\"y\"\n",
                "line 4: value name longer than 16383 characters"},
        Refusal{"UnterminatedName", kKey + "\"x=\"y\n", "line 4: missing '='"},
        Refusal{"UnterminatedString", kKey + "\"x\"=\"y\n", "line 4: missing closing quote"},
        Refusal{"UnknownEscape",
                kKey + R"("x"="C:\Windows")"
                       "\n",
                "line 4: unknown escape \\W"},
        Refusal{"MissingEquals", kKey + "\"x\" \"y\"\n", "line 4: missing '='"},
        Refusal{"TextAfterString", kKey + "\"x\"=\"y\" z\n", "line 4: unexpected text"},
        Refusal{"UnknownData", kKey + "\"x\"=str(2):\"y\"\n", "line 4: unknown value data"},
        Refusal{"DwordTooLong", kKey + "\"x\"=dword:000000001\n", "line 4: dword data"},
        Refusal{"DwordNotHex", kKey + "\"x\"=dword:0000000g\n", "line 4: dword data"},
        Refusal{"DwordEmpty", kKey + "\"x\"=dword:\n", "line 4: dword data"},
        Refusal{"HexByteTooLong", kKey + "\"x\"=hex:01,234\n", "line 4: invalid byte \"234\""},
        Refusal{"HexByteNotHex", kKey + "\"x\"=hex:0g\n", "line 4: invalid byte"},
        Refusal{"HexEmptyByte", kKey + "\"x\"=hex:01,,02\n", "line 4: invalid byte"},
        Refusal{"HexBadByteOnContinuation", kKey + "\"x\"=hex:01,\\\n  zz\n", "line 4: invalid byte \"zz\""},
        Refusal{"HexTypeNotHex", kKey + "\"x\"=hex(q):00\n", "line 4: a hex(n): type"},
        Refusal{"HexTypeTooLong", kKey + "\"x\"=hex(123456789):00\n", "line 4: a hex(n): type"},
        Refusal{"ContinuationPastEnd", kKey + "\"x\"=hex:01,\\\n  02,\\", "line 5: hex data continues past"},
        Refusal{"StrayText", kKey + "x=y\n", "line 4: expected a [key] line"},
        Refusal{"InvalidUtf8AfterBom", "\xEF\xBB\xBF" + kKey + "\"x\"=\"\xC3\"\n", "line 4: invalid UTF-8"},
        Refusal{"UnpairedSurrogate", Utf16Le(u"REGEDIT4\n[HKCU\\A]\n\"x\"=\"\xD800\"\n"), "line 3: invalid UTF-16"},
        Refusal{"HalfUtf16Character", Utf16Le(u"REGEDIT4\n[HKCU\\A]\n") + "\x41", "line 3: the UTF-16 text ends"},
        Refusal{"BigEndianUtf16", "\xFE\xFF\0R"s, "line 1: big-endian UTF-16"}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

}  // namespace
