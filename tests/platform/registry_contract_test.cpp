// The Win32 registry contract that the program relies on, checked on the
// platform's registry: the emulated store on Linux, Wine's or Windows'
// registry in the Windows build. Where Wine differs from Windows the test
// says so and asks only what both do.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/registry_api.h"
#include "tests/support/scratch_key.h"
#include "tests/support/wine.h"

namespace {

using namespace platform;
using ::testing::ElementsAre;
using Bytes = std::vector<std::uint8_t>;

class RegistryContract : public ::testing::Test {
protected:
    testing_support::ScratchKey scratch_;

    // Opens (creating) a key below the scratch key; the test closes it.
    HKey Create(const std::string& below, std::uint32_t access = kKeyAllAccess) {
        HKey key = 0;
        EXPECT_EQ(RegCreateKey(scratch_.Root(), scratch_.Path(below), access, &key), kErrorSuccess);
        return key;
    }

    long Open(const std::string& below, std::uint32_t access, HKey* key) {
        return RegOpenKey(scratch_.Root(), scratch_.Path(below), access, key);
    }

    static void Set(HKey key, const std::string& name, std::uint32_t type, const Bytes& data) {
        ASSERT_EQ(RegSetValue(key, name, type, data.data(), static_cast<std::uint32_t>(data.size())), kErrorSuccess);
    }

    static std::vector<std::string> SubKeys(HKey key) {
        std::vector<std::string> names;
        for (std::uint32_t index = 0;; ++index) {
            char name[kMaxKeyNameLength + 1];
            std::uint32_t length = sizeof name;
            const long status = RegEnumKey(key, index, name, &length);
            if (status != kErrorSuccess) {
                EXPECT_EQ(status, kErrorNoMoreItems);
                return names;
            }
            names.emplace_back(name, length);
        }
    }

    static std::vector<std::string> ValueNames(HKey key) {
        std::vector<std::string> names;
        for (std::uint32_t index = 0;; ++index) {
            char name[256];
            std::uint32_t length = sizeof name;
            const long status = RegEnumValue(key, index, name, &length, nullptr, nullptr, nullptr);
            if (status != kErrorSuccess) {
                EXPECT_EQ(status, kErrorNoMoreItems);
                return names;
            }
            names.emplace_back(name, length);
        }
    }
};

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

TEST_F(RegistryContract, OpeningAMissingKeyGivesFileNotFound) {
    HKey key = 1234;
    EXPECT_EQ(Open("missing", kKeyQueryValue, &key), kErrorFileNotFound);
    EXPECT_EQ(key, 0u);
}

TEST_F(RegistryContract, CreateMakesEveryMissingKeyOnThePath) {
    RegCloseKey(Create("a\\b\\c"));
    HKey key = 0;
    ASSERT_EQ(Open("a\\b", kKeyQueryValue, &key), kErrorSuccess);
    RegCloseKey(key);
}

TEST_F(RegistryContract, ATrailingBackslashNamesTheSameKey) {
    HKey key = Create("Trail");
    Set(key, "v", kRegDword, {1, 0, 0, 0});
    RegCloseKey(key);

    ASSERT_EQ(Open("Trail\\", kKeyQueryValue, &key), kErrorSuccess);
    std::uint32_t type = 0;
    EXPECT_EQ(RegQueryValue(key, "v", &type, nullptr, nullptr), kErrorSuccess);
    EXPECT_EQ(type, kRegDword);
    RegCloseKey(key);
}

TEST_F(RegistryContract, NamesCompareWithoutCaseAndKeepTheirCase) {
    HKey parent = Create("Case");
    HKey child = 0;
    ASSERT_EQ(RegCreateKey(parent, "MiXed", kKeyAllAccess, &child), kErrorSuccess);
    Set(child, "ValueName", kRegSz, Text("x"));
    RegCloseKey(child);

    ASSERT_EQ(RegOpenKey(parent, "MIXED", kKeyQueryValue, &child), kErrorSuccess);
    EXPECT_EQ(RegQueryValue(child, "valuename", nullptr, nullptr, nullptr), kErrorSuccess);
    EXPECT_THAT(ValueNames(child), ElementsAre("ValueName"));
    RegCloseKey(child);
    EXPECT_THAT(SubKeys(parent), ElementsAre("MiXed"));
    RegCloseKey(parent);
}

TEST_F(RegistryContract, SubkeysEnumerateSortedByUpperCasedName) {
    HKey parent = Create("Sorted");
    for (const char* name : {"_c", "b", "A"}) {
        HKey child = 0;
        ASSERT_EQ(RegCreateKey(parent, name, kKeyAllAccess, &child), kErrorSuccess);
        RegCloseKey(child);
    }
    if (testing_support::RunningOnWine()) {
        // Wine compares lower-cased names: "_" (0x5F) sorts before "a".
        EXPECT_THAT(SubKeys(parent), ElementsAre("_c", "A", "b"));
    } else {
        // Windows compares upper-cased names: "_" sorts after "Z".
        EXPECT_THAT(SubKeys(parent), ElementsAre("A", "b", "_c"));
    }
    RegCloseKey(parent);
}

TEST_F(RegistryContract, ValuesEnumerateInInsertionOrder) {
    HKey key = Create("Values");
    Set(key, "zeta", kRegSz, Text("1"));
    Set(key, "alpha", kRegSz, Text("2"));
    Set(key, "mid", kRegSz, Text("3"));
    if (testing_support::RunningOnWine()) {
        // Wine enumerates values sorted by name.
        EXPECT_THAT(ValueNames(key), ElementsAre("alpha", "mid", "zeta"));
    } else {
        EXPECT_THAT(ValueNames(key), ElementsAre("zeta", "alpha", "mid"));
    }
    RegCloseKey(key);
}

TEST_F(RegistryContract, EnumeratingAKeyNameIntoASmallBufferGivesMoreData) {
    HKey parent = Create("Small");
    HKey child = 0;
    ASSERT_EQ(RegCreateKey(parent, "LongerName", kKeyAllAccess, &child), kErrorSuccess);
    RegCloseKey(child);

    char name[4];
    std::uint32_t length = sizeof name;
    EXPECT_EQ(RegEnumKey(parent, 0, name, &length), kErrorMoreData);
    RegCloseKey(parent);
}

TEST_F(RegistryContract, EnumeratingAValueNameIntoASmallBufferGivesMoreData) {
    HKey key = Create("SmallValue");
    Set(key, "LongerName", kRegSz, Text("x"));
    char name[4];
    std::uint32_t length = sizeof name;
    EXPECT_EQ(RegEnumValue(key, 0, name, &length, nullptr, nullptr, nullptr), kErrorMoreData);
    RegCloseKey(key);
}

TEST_F(RegistryContract, EnumeratingAValueReportsTypeAndSize) {
    HKey key = Create("EnumValue");
    Set(key, "bin", kRegBinary, {1, 2, 3, 4, 5});
    char name[16];
    std::uint32_t length = sizeof name;
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    ASSERT_EQ(RegEnumValue(key, 0, name, &length, &type, nullptr, &size), kErrorSuccess);
    EXPECT_EQ(std::string(name, length), "bin");
    EXPECT_EQ(type, kRegBinary);
    EXPECT_EQ(size, 5u);
    RegCloseKey(key);
}

TEST_F(RegistryContract, QueryWithoutABufferReportsTypeAndSize) {
    HKey key = Create("Query");
    Set(key, "bin", kRegBinary, {1, 2, 3});
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    ASSERT_EQ(RegQueryValue(key, "bin", &type, nullptr, &size), kErrorSuccess);
    EXPECT_EQ(type, kRegBinary);
    EXPECT_EQ(size, 3u);
    RegCloseKey(key);
}

TEST_F(RegistryContract, QueryIntoASmallBufferGivesMoreDataAndTheNeededSize) {
    HKey key = Create("Query");
    Set(key, "bin", kRegBinary, {1, 2, 3, 4, 5, 6});
    std::uint8_t data[2] = {};
    std::uint32_t size = sizeof data;
    EXPECT_EQ(RegQueryValue(key, "bin", nullptr, data, &size), kErrorMoreData);
    EXPECT_EQ(size, 6u);
    RegCloseKey(key);
}

TEST_F(RegistryContract, DataComesBackAsStored) {
    HKey key = Create("Data");
    const Bytes stored = {0x00, 0xFF, 0x80, 0x7F};
    Set(key, "bin", kRegBinary, stored);
    Bytes data(16);
    std::uint32_t size = static_cast<std::uint32_t>(data.size());
    std::uint32_t type = 0;
    ASSERT_EQ(RegQueryValue(key, "bin", &type, data.data(), &size), kErrorSuccess);
    data.resize(size);
    EXPECT_EQ(data, stored);
    EXPECT_EQ(type, kRegBinary);
    RegCloseKey(key);
}

TEST_F(RegistryContract, AnsiTextComesBackAsTheSameBytes) {
    HKey key = Create("Ansi");
    const Bytes text = {'c', 'a', 'f', 0xE9, 0x80, 0};  // "café€" in Windows-1252
    Set(key, "s", kRegSz, text);
    Bytes data(16);
    std::uint32_t size = static_cast<std::uint32_t>(data.size());
    ASSERT_EQ(RegQueryValue(key, "s", nullptr, data.data(), &size), kErrorSuccess);
    data.resize(size);
    EXPECT_EQ(data, text);
    RegCloseKey(key);
}

TEST_F(RegistryContract, TheEmptyNameIsTheDefaultValue) {
    HKey key = Create("Default");
    Set(key, "", kRegBinary, {1, 2, 3, 4});
    std::uint32_t size = 0;
    EXPECT_EQ(RegQueryValue(key, "", nullptr, nullptr, &size), kErrorSuccess);
    EXPECT_EQ(size, 4u);
    EXPECT_THAT(ValueNames(key), ElementsAre(""));
    RegCloseKey(key);
}

// NT counts the NUL that a caller left out of a string's size when it
// follows the data, as after a C string: "abc" with size 3 stores 4 bytes.
// The emulated store stores what it is given: peeking past the caller's
// buffer is what NT does, but it reads memory the caller never handed over,
// and the program's own writers always include the NUL.
TEST_F(RegistryContract, AStringWhoseSizeLeavesOutItsFollowingNul) {
    HKey key = Create("Nul");
    const char text[] = "abc";
    ASSERT_EQ(RegSetValue(key, "s", kRegSz, reinterpret_cast<const std::uint8_t*>(text), 3), kErrorSuccess);
    std::uint32_t size = 0;
    ASSERT_EQ(RegQueryValue(key, "s", nullptr, nullptr, &size), kErrorSuccess);
#ifdef _WIN32
    EXPECT_EQ(size, 4u);
#else
    EXPECT_EQ(size, 3u);
#endif
    RegCloseKey(key);
}

TEST_F(RegistryContract, AStringNotFollowedByANulIsStoredAsGiven) {
    HKey key = Create("NoNul");
    const std::uint8_t text[] = {'a', 'b', 'c', 'd'};
    ASSERT_EQ(RegSetValue(key, "s", kRegSz, text, 3), kErrorSuccess);
    std::uint8_t data[8] = {};
    std::uint32_t size = sizeof data;
    ASSERT_EQ(RegQueryValue(key, "s", nullptr, data, &size), kErrorSuccess);
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data), 3), "abc");
    RegCloseKey(key);
}

TEST_F(RegistryContract, AMissingValueGivesFileNotFound) {
    HKey key = Create("NoValue");
    EXPECT_EQ(RegQueryValue(key, "nothing", nullptr, nullptr, nullptr), kErrorFileNotFound);
    EXPECT_EQ(RegDeleteValue(key, "nothing"), kErrorFileNotFound);
    RegCloseKey(key);
}

TEST_F(RegistryContract, DeletedValuesAreGone) {
    HKey key = Create("DeleteValue");
    Set(key, "v", kRegSz, Text("x"));
    EXPECT_EQ(RegDeleteValue(key, "V"), kErrorSuccess);
    EXPECT_EQ(RegQueryValue(key, "v", nullptr, nullptr, nullptr), kErrorFileNotFound);
    RegCloseKey(key);
}

TEST_F(RegistryContract, AKeyWithSubkeysIsNotDeleted) {
    RegCloseKey(Create("Parent\\Child"));
    EXPECT_EQ(RegDeleteKey(scratch_.Root(), scratch_.Path("Parent")), kErrorAccessDenied);
    EXPECT_EQ(RegDeleteKey(scratch_.Root(), scratch_.Path("Parent\\Child")), kErrorSuccess);
    EXPECT_EQ(RegDeleteKey(scratch_.Root(), scratch_.Path("Parent")), kErrorSuccess);
    HKey key = 0;
    EXPECT_EQ(Open("Parent", kKeyQueryValue, &key), kErrorFileNotFound);
}

TEST_F(RegistryContract, DeletingAMissingKeyGivesFileNotFound) {
    EXPECT_EQ(RegDeleteKey(scratch_.Root(), scratch_.Path("missing")), kErrorFileNotFound);
}

TEST_F(RegistryContract, WritingThroughAReadOnlyHandleIsRefused) {
    RegCloseKey(Create("ReadOnly"));
    HKey key = 0;
    ASSERT_EQ(Open("ReadOnly", kKeyQueryValue, &key), kErrorSuccess);
    const std::uint8_t data[] = {1};
    EXPECT_EQ(RegSetValue(key, "v", kRegBinary, data, 1), kErrorAccessDenied);
    RegCloseKey(key);
}

TEST_F(RegistryContract, InfoCountsSubkeysAndValuesWithTheirLongestSizes) {
    HKey key = Create("Info");
    RegCloseKey(Create("Info\\abc"));
    RegCloseKey(Create("Info\\abcdefg"));
    Set(key, "v", kRegBinary, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    Set(key, "longname", kRegBinary, {1});
    KeyInfo info;
    ASSERT_EQ(RegQueryInfoKey(key, &info), kErrorSuccess);
    EXPECT_EQ(info.subKeys, 2u);
    EXPECT_EQ(info.maxSubKeyLength, 7u);
    EXPECT_EQ(info.values, 2u);
    EXPECT_EQ(info.maxValueNameLength, 8u);
    EXPECT_EQ(info.maxValueLength, 9u);
    RegCloseKey(key);
}

TEST_F(RegistryContract, AKeyDeletedWhileOpenAnswersKeyDeleted) {
    HKey key = Create("Doomed");
    ASSERT_EQ(RegDeleteKey(scratch_.Root(), scratch_.Path("Doomed")), kErrorSuccess);
    const std::uint8_t data[] = {1};
    EXPECT_EQ(RegSetValue(key, "v", kRegBinary, data, 1), kErrorKeyDeleted);
    RegCloseKey(key);
}

TEST_F(RegistryContract, DynDataDoesNotExistOnNt) {
    HKey key = 0;
    const long status = RegOpenKey(kHkeyDynData, "", kKeyQueryValue, &key);
    if (testing_support::RunningOnWine()) {
        // Wine keeps an HKEY_DYN_DATA key of its own.
        EXPECT_EQ(status, kErrorSuccess);
        RegCloseKey(key);
    } else {
        EXPECT_EQ(status, kErrorInvalidHandle);
    }
}

TEST_F(RegistryContract, ClosingAClosedHandleGivesInvalidHandle) {
    HKey key = Create("Closed");
    ASSERT_EQ(RegCloseKey(key), kErrorSuccess);
    EXPECT_EQ(RegCloseKey(key), kErrorInvalidHandle);
}

TEST_F(RegistryContract, ExpandReplacesSetVariablesWhateverTheCaseOfTheirNames) {
    const std::string windows = ExpandEnvironmentStrings("%SystemRoot%");
    ASSERT_GE(windows.size(), 3u);
    EXPECT_EQ(windows.substr(1, 2), ":\\");
    EXPECT_EQ(ExpandEnvironmentStrings("<%SYSTEMROOT%\\x>"), "<" + windows + "\\x>");
}

TEST_F(RegistryContract, ExpandLeavesUnsetVariablesAndLonePercentSignsAsWritten) {
    EXPECT_EQ(ExpandEnvironmentStrings("a%NIMBREL_NOT_SET_ANYWHERE%b"), "a%NIMBREL_NOT_SET_ANYWHERE%b");
    EXPECT_EQ(ExpandEnvironmentStrings("100%"), "100%");
}

}  // namespace
