// The registry-or-INI routines on the platform's registry and on INI files.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/registry_api.h"
#include "registry/mod_registry.h"
#include "tests/support/scratch_key.h"

namespace {

using namespace modRegistry;
using platform::HKey;
using namespace std::string_literals;

class ModRegistry : public ::testing::Test {
protected:
    testing_support::ScratchKey scratch_;
    const std::string root_ = scratch_.RootName();
    const std::string key_ = scratch_.Path();

    void Store(const std::string& name, std::uint32_t type, const std::string& data, const std::string& key = {}) {
        HKey handle = 0;
        ASSERT_EQ(platform::RegCreateKey(scratch_.Root(), key.empty() ? key_ : key, platform::kKeyAllAccess, &handle),
                  0);
        ASSERT_EQ(platform::RegSetValue(handle, name, type, reinterpret_cast<const std::uint8_t*>(data.data()),
                                        static_cast<std::uint32_t>(data.size())),
                  0);
        platform::RegCloseKey(handle);
    }

    // The stored type and bytes of a value, or type 0xdeadbeef when missing.
    std::pair<std::uint32_t, std::string> Stored(const std::string& name, const std::string& key = {}) {
        HKey handle = 0;
        std::pair<std::uint32_t, std::string> result{0xdeadbeef, {}};
        if (platform::RegOpenKey(scratch_.Root(), key.empty() ? key_ : key, platform::kKeyQueryValue, &handle) != 0)
            return result;
        std::uint32_t size = 0;
        std::uint32_t type = 0;
        if (platform::RegQueryValue(handle, name, &type, nullptr, &size) == 0) {
            result.second.resize(size);
            platform::RegQueryValue(handle, name, &type, reinterpret_cast<std::uint8_t*>(result.second.data()), &size);
            result.first = type;
        }
        platform::RegCloseKey(handle);
        return result;
    }

    bool KeyExists(const std::string& key) {
        HKey handle = 0;
        if (platform::RegOpenKey(scratch_.Root(), key, platform::kKeyQueryValue, &handle) != 0) return false;
        platform::RegCloseKey(handle);
        return true;
    }

    ValueHolder Read(const std::string& name, const std::string& code, long* status = nullptr,
                     const ValueHolder& fallback = kNone) {
        ValueHolder result = "sentinel";
        const long rc = ReadValue(root_, key_, name, code, fallback, result);
        if (status != nullptr) *status = rc;
        return result;
    }
};

// What each type code reads from each kind of stored data.
struct ReadCase {
    const char* name;
    std::uint32_t type;
    std::string data;
    const char* code;
    ValueHolder expected;
};

class ModRegistryRead : public ModRegistry, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ModRegistryRead, ReadsWhatTheTypeCodeSays) {
    const ReadCase& row = GetParam();
    Store("v", row.type, row.data);
    long status = -1;
    EXPECT_EQ(Read("v", row.code, &status), row.expected);
    EXPECT_EQ(status, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ModRegistryRead,
    ::testing::Values(ReadCase{"SzAsText", platform::kRegSz, "abc\0"s, "S", "abc"},
                      ReadCase{"SzAsRawText", platform::kRegSz, "abc\0"s, "BB", "abc"},
                      ReadCase{"LowerCaseCode", platform::kRegSz, "abc\0"s, "s", "abc"},
                      ReadCase{"SzWithoutTerminatorKeepsItsLastLetter", platform::kRegSz, "abc", "S", "abc"},
                      ReadCase{"SingleNulIsFoundEmpty", platform::kRegSz, "\0"s, "S", ""},
                      ReadCase{"ZeroByteSzIsNotFound", platform::kRegSz, "", "S", kNone},
                      ReadCase{"BinaryLosesItsLastByte", platform::kRegBinary, "abcd", "BB", "abc"},
                      ReadCase{"BinaryEndingInNulLosesIt", platform::kRegBinary, "ab\0"s, "BB", "ab"},
                      ReadCase{"BinaryAsText", platform::kRegBinary, "abcd", "S", "abc"},
                      ReadCase{"ZeroByteBinaryIsNotFound", platform::kRegBinary, "", "BB", kNone},
                      ReadCase{"DwordAsTextGivesThreeBytes", platform::kRegDword, "abcd", "S", "abc"},
                      ReadCase{"MultiSzLosesOnlyItsFinalNul", platform::kRegMultiSz, "a\0b\0\0"s, "S", "a\0b\0"s},
                      ReadCase{"ExpandSz", platform::kRegExpandSz, "%x%\0"s, "BB", "%x%"},
                      ReadCase{"SwitchTrue", platform::kRegBinary, "\xFF\xFF", "B", kTrue},
                      ReadCase{"SwitchFalse", platform::kRegBinary, "\0\0"s, "B", kFalse},
                      ReadCase{"SingleByteInTheLowHalf", platform::kRegBinary, "\x01", "B", Bool16{1}},
                      ReadCase{"FourByteBinaryIsNoSwitch", platform::kRegBinary, "\xFF\xFF\xFF\xFF", "B", kNone},
                      ReadCase{"EmptySwitchReadsFalse", platform::kRegBinary, "", "B", kFalse},
                      ReadCase{"Dword", platform::kRegDword, "\x10\x27\0\0"s, "D", std::int32_t{10000}},
                      ReadCase{"NegativeDword", platform::kRegDword, "\xFF\xFF\xFF\xFF", "D", std::int32_t{-1}},
                      ReadCase{"EightBytesAreNoDword", platform::kRegQword, "\1\0\0\0\0\0\0\0"s, "D", kNone},
                      ReadCase{"EmptyDwordReadsZero", platform::kRegDword, "", "D", std::int32_t{0}},
                      ReadCase{"UnknownCodeReadsNothing", platform::kRegSz, "abc\0"s, "X", kNone}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ModRegistry, MissingValueAndKeyLeaveTheDefault) {
    long status = -1;
    EXPECT_EQ(Read("absent", "S", &status), kNone);
    EXPECT_EQ(status, 0);

    ValueHolder result = "sentinel";
    EXPECT_EQ(ReadValue(root_, key_ + "\\absent", "v", "S", kNone, result), 2);
    EXPECT_EQ(result, kNone);
}

TEST_F(ModRegistry, RootNamesIgnoreCaseAndATrailingBackslashNamesTheSameKey) {
    Store("v", platform::kRegSz, "x\0"s);
    std::string lower = root_;
    for (char& c : lower) c = static_cast<char>(std::tolower(c));
    ValueHolder result;
    EXPECT_EQ(ReadValue(lower, key_ + "\\", "v", "S", kNone, result), 0);
    EXPECT_EQ(result, "x");
}

TEST_F(ModRegistry, UnusableRootTouchesNothing) {
    ValueHolder result;
    EXPECT_EQ(ReadValue("HKXX", key_, "v", "S", kNone, result), kStatusUnusableRoot);
    EXPECT_EQ(result, kNone);
    EXPECT_EQ(WriteValue("HKXX", key_, "v", "S", "x"), kStatusUnusableRoot);
    EXPECT_EQ(RemoveValue("HKXX", key_, "v"), kStatusUnusableRoot);
    EXPECT_EQ(RemoveKey("HKXX", key_, "k"), kStatusUnusableRoot);
    std::string text = "kept";
    EXPECT_EQ(ReadSection("HKXX", key_, text), kStatusUnusableRoot);
    EXPECT_EQ(text, "kept");
}

TEST_F(ModRegistry, TextIsStoredWithItsTerminatorAndReadsBackWhole) {
    ASSERT_EQ(WriteValue(root_, key_, "WipePasses", "S", "5"), 0);
    EXPECT_EQ(Stored("WipePasses"), std::make_pair(platform::kRegSz, "5\0"s));
    EXPECT_EQ(Read("WipePasses", "S"), "5");

    ASSERT_EQ(WriteValue(root_, key_, "Location", "S", "C:\\Cookies"), 0);
    EXPECT_EQ(Read("Location", "S"), "C:\\Cookies");
}

TEST_F(ModRegistry, SwitchesAreTwoBytesOfBinary) {
    ASSERT_EQ(WriteValue(root_, key_, "on", "B", ValueHolder::Boolean(true)), 0);
    ASSERT_EQ(WriteValue(root_, key_, "off", "b", ValueHolder::Boolean(false)), 0);
    ASSERT_EQ(WriteValue(root_, key_, "fromText", "B", "True"), 0);
    EXPECT_EQ(Stored("on"), std::make_pair(platform::kRegBinary, "\xFF\xFF"s));
    EXPECT_EQ(Stored("off"), std::make_pair(platform::kRegBinary, "\0\0"s));
    EXPECT_EQ(Read("on", "B"), kTrue);
    EXPECT_EQ(Read("fromText", "B"), kTrue);
}

TEST_F(ModRegistry, DwordsKeepTheirFull32Bits) {
    ASSERT_EQ(WriteValue(root_, key_, "big", "D", std::int32_t{100000}), 0);
    ASSERT_EQ(WriteValue(root_, key_, "negative", "D", std::int32_t{-70000}), 0);
    EXPECT_EQ(Stored("big"), std::make_pair(platform::kRegDword, "\xA0\x86\x01\x00"s));
    EXPECT_EQ(Read("negative", "D"), std::int32_t{-70000});
}

TEST_F(ModRegistry, AValueThatDoesNotConvertIsRefusedBeforeTheKeyIsMade) {
    EXPECT_EQ(WriteValue(root_, key_ + "\\new", "n", "D", "many"), platform::kErrorInvalidData);
    EXPECT_FALSE(KeyExists(key_ + "\\new"));
}

TEST_F(ModRegistry, OtherCodesOnlyMakeTheKey) {
    for (const char* code : {"BB", "Q", ""}) {
        const std::string key = key_ + "\\made" + code;
        EXPECT_EQ(WriteValue(root_, key, "v", code, "x"), 0) << code;
        EXPECT_TRUE(KeyExists(key)) << code;
        EXPECT_EQ(Stored("v", key).first, 0xdeadbeefu) << code;
    }
}

TEST_F(ModRegistry, RemoversTreatMissingAsDoneAndRefuseKeysWithSubkeys) {
    EXPECT_EQ(RemoveValue(root_, key_, "absent"), 0);
    EXPECT_EQ(RemoveValue(root_, key_ + "\\absent", "v"), 0);
    EXPECT_EQ(RemoveKey(root_, key_, "absent"), 0);
    EXPECT_EQ(RemoveKey(root_, key_ + "\\absent", "k"), 0);

    Store("v", platform::kRegSz, "x\0"s);
    EXPECT_EQ(RemoveValue(root_, key_, "V"), 0);
    EXPECT_EQ(Stored("v").first, 0xdeadbeefu);

    ASSERT_EQ(WriteValue(root_, key_ + "\\parent\\child", "v", "S", "x"), 0);
    EXPECT_EQ(RemoveKey(root_, key_, "parent"), platform::kErrorAccessDenied);
    EXPECT_TRUE(KeyExists(key_ + "\\parent\\child"));
    EXPECT_EQ(RemoveKey(root_, key_ + "\\parent", "child"), 0);
    EXPECT_FALSE(KeyExists(key_ + "\\parent\\child"));
    EXPECT_TRUE(KeyExists(key_ + "\\parent"));
}

TEST_F(ModRegistry, ReadSectionListsTextAndSmallNumbers) {
    Store("a", platform::kRegSz, "x\0"s);
    Store("b", platform::kRegDword, "\x07\0\0\0"s);
    Store("c", platform::kRegBinary, "\xFF\xFF");
    Store("d", platform::kRegBinary, "abc");       // too long for a number: skipped
    Store("e", platform::kRegExpandSz, "%x%\0"s);  // not plain text: skipped
    Store("f", platform::kRegSz, "no end");        // another writer's string without NUL
    std::string text;
    EXPECT_EQ(ReadSection(root_, key_, text), 0);
    EXPECT_EQ(text, "a=x\0b=7\0c=65535\0f=no end\0\0"s);
}

TEST_F(ModRegistry, ReadSectionTellsAnEmptyKeyFromAMissingOne) {
    std::string text;
    EXPECT_EQ(ReadSection(root_, key_, text), 0);
    EXPECT_EQ(text, "\0\0"s);

    std::string missing;
    EXPECT_EQ(ReadSection(root_, key_ + "\\absent", missing), 2);
    EXPECT_TRUE(missing.empty());
}

TEST(ModRegistryRoot, NamesAndFiles) {
    EXPECT_EQ(ResolveRoot("HKCU"), platform::kHkeyCurrentUser);
    EXPECT_EQ(ResolveRoot("hklm"), platform::kHkeyLocalMachine);
    EXPECT_EQ(ResolveRoot("Hku"), platform::kHkeyUsers);
    EXPECT_EQ(ResolveRoot("HKDD"), platform::kHkeyDynData);
    EXPECT_EQ(ResolveRoot("HKCC"), platform::kHkeyCurrentConfig);
    EXPECT_EQ(ResolveRoot("HKCR"), platform::kHkeyClassesRoot);
    EXPECT_EQ(ResolveRoot("HKEY_CURRENT_USER"), 0u);
    EXPECT_EQ(ResolveRoot(""), 0u);

    const auto folder = std::filesystem::temp_directory_path();
    const auto file = folder / "nimbrel-root-test.ini";
    std::ofstream(file) << "[s]\n";
    EXPECT_EQ(ResolveRoot(file.string()), kIniRoot);
    EXPECT_EQ(ResolveRoot((folder / "nimbrel-*.ini").string()), 0u);
    EXPECT_EQ(ResolveRoot(folder.string()), 0u);
    std::filesystem::remove(file);
    EXPECT_EQ(ResolveRoot(file.string()), 0u);
}

class ModRegistryIni : public ::testing::Test {
protected:
    testing_support::ScratchKey machine_;  // a machine of the test's own
    const std::filesystem::path path_ =
        std::filesystem::temp_directory_path() / ("nimbrel-ini-" + machine_.Path().substr(9) + ".ini");
    const std::string file_ = path_.string();

    void SetUp() override {
        std::ofstream(path_, std::ios::binary)
            << "[Main]\r\nName = Anna \r\nCount=42\r\nWord=many\r\n[List]\r\na=1\r\nb=two\r\n";
    }
    void TearDown() override { std::filesystem::remove(path_); }

    std::string Contents() const {
        std::ifstream in(path_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(ModRegistryIni, ReadsEntriesAndNumbers) {
    ValueHolder result;
    EXPECT_EQ(ReadValue(file_, "main", "NAME", "S", kNone, result), 0);
    EXPECT_EQ(result, "Anna");
    EXPECT_EQ(ReadValue(file_, "Main", "absent", "BB", kNone, result), 0);
    EXPECT_EQ(result, kNone);
    EXPECT_EQ(ReadValue(file_, "Main", "Count", "D", std::int32_t{7}, result), 0);
    EXPECT_EQ(result, std::int32_t{42});
    EXPECT_EQ(ReadValue(file_, "Main", "Word", "D", std::int32_t{7}, result), 0);
    EXPECT_EQ(result, std::int32_t{7});
    EXPECT_EQ(ReadValue(file_, "Main", "absent", "B", kTrue, result), 0);
    EXPECT_EQ(result, kTrue);
    EXPECT_EQ(ReadValue(file_, "Main", "Count", "B", kTrue, result), 0);
    EXPECT_EQ(result, Bool16{42});
}

TEST_F(ModRegistryIni, LongEntriesAreCutTo254Characters) {
    ASSERT_EQ(WriteValue(file_, "Main", "Long", "S", std::string(300, 'x')), 0);
    ValueHolder result;
    ReadValue(file_, "Main", "Long", "S", kNone, result);
    EXPECT_EQ(result, std::string(254, 'x'));
}

TEST_F(ModRegistryIni, WritesOnlyTextAndNeverRemovesKeys) {
    EXPECT_EQ(WriteValue(file_, "Main", "Name", "S", "Ben"), 0);
    EXPECT_EQ(WriteValue(file_, "Main", "Flag", "B", kTrue), kStatusUnusableRoot);
    EXPECT_EQ(WriteValue(file_, "Main", "Count", "D", std::int32_t{1}), kStatusUnusableRoot);
    const std::string before = Contents();
    EXPECT_NE(RemoveKey(file_, "", "Main"), 0);
    EXPECT_EQ(Contents(), before);

    ValueHolder result;
    ReadValue(file_, "Main", "Name", "S", kNone, result);
    EXPECT_EQ(result, "Ben");
    EXPECT_EQ(RemoveValue(file_, "Main", "Name"), 0);
    ReadValue(file_, "Main", "Name", "S", kNone, result);
    EXPECT_EQ(result, "");  // the entry stays, empty
}

TEST_F(ModRegistryIni, ReadSectionFillsTheWholeBuffer) {
    std::string text = "old";
    EXPECT_EQ(ReadSection(file_, "list", text), 0);
    ASSERT_EQ(text.size(), 8192u);
    const std::string entries = "a=1\0b=two\0\0"s;
    EXPECT_EQ(text.substr(0, entries.size()), entries);
    EXPECT_EQ(text.find_first_not_of(' ', entries.size()), std::string::npos);
}

TEST_F(ModRegistryIni, AFileThatDoesNotExistIsNoRoot) {
    const std::string missing = file_ + ".missing";
    EXPECT_EQ(WriteValue(missing, "Main", "Name", "S", "x"), kStatusUnusableRoot);
    EXPECT_FALSE(std::filesystem::exists(missing));
}

}  // namespace
