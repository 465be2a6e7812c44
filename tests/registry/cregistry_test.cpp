#include "registry/cregistry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <new>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/registry_api.h"
#include "registry/scoped_key.h"
#include "tests/support/scratch_prefix.h"

// Allocation failure on demand: after the given number of allocations the
// next one throws std::bad_alloc, once. Negative means never.
namespace {
long allocationsBeforeFailure = -1;
}  // namespace

// None of the three is inlined: GCC would then take malloc and free for
// a mismatch with new and delete.
[[gnu::noinline]] void* operator new(std::size_t size) {
    if (allocationsBeforeFailure == 0) {
        allocationsBeforeFailure = -1;
        throw std::bad_alloc();
    }
    if (allocationsBeforeFailure > 0) --allocationsBeforeFailure;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* memory) noexcept { std::free(memory); }
[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

using Bytes = std::vector<std::uint8_t>;
using TaggedValue = cRegistry::TaggedValue;

// Hives as callers hold them: the signed values of the handles.
constexpr std::int32_t kHkcr = -2147483647 - 1;
constexpr std::int32_t kHkcu = -2147483647;
constexpr std::int32_t kHklm = -2147483646;
constexpr std::int32_t kHku = -2147483645;
constexpr std::int32_t kHkdd = -2147483642;

constexpr std::int32_t kError26001 = 26001;
constexpr std::int32_t kError800469A9 = -2147194455;
constexpr std::int32_t kError800469AA = -2147194454;
constexpr std::int32_t kError800469AC = -2147194452;
constexpr std::int32_t kError800469AD = -2147194451;

constexpr std::int32_t kSentinelCount = 0x5EED;
constexpr std::int32_t kSentinelType = 0x7777;
const std::vector<std::string> kStaleList = {"stale0", "stale1", "stale2"};

platform::HKey Handle(std::int32_t hive) { return static_cast<platform::HKey>(static_cast<std::uint32_t>(hive)); }

Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

// Names in any order (Wine and Windows enumerate values differently).
std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

void MakeKey(std::int32_t hive, const std::string& path) {
    registry::ScopedKey key;
    ASSERT_EQ(key.Create(Handle(hive), path, platform::kKeyWrite), platform::kErrorSuccess) << path;
}

void PutRaw(std::int32_t hive, const std::string& path, const std::string& name, std::uint32_t type,
            const Bytes& data) {
    registry::ScopedKey key;
    ASSERT_EQ(key.Create(Handle(hive), path, platform::kKeyWrite), platform::kErrorSuccess) << path;
    ASSERT_EQ(platform::RegSetValue(key.Get(), name, type, data.data(), static_cast<std::uint32_t>(data.size())),
              platform::kErrorSuccess);
}

struct RawValue {
    std::uint32_t type = 0;
    Bytes data;
    friend bool operator==(const RawValue&, const RawValue&) = default;
    friend std::ostream& operator<<(std::ostream& out, const RawValue& raw) {
        out << "type " << raw.type << ", bytes";
        for (auto byte : raw.data) out << ' ' << static_cast<int>(byte);
        return out;
    }
};

// The stored type and bytes; the test values are small.
std::optional<RawValue> GetRaw(std::int32_t hive, const std::string& path, const std::string& name) {
    registry::ScopedKey key;
    RawValue raw{0, Bytes(4096)};
    auto size = static_cast<std::uint32_t>(raw.data.size());
    if (key.Open(Handle(hive), path, platform::kKeyQueryValue) != platform::kErrorSuccess ||
        platform::RegQueryValue(key.Get(), name, &raw.type, raw.data.data(), &size) != platform::kErrorSuccess) {
        return std::nullopt;
    }
    raw.data.resize(size);
    return raw;
}

RawValue TextValue(const std::string& text, std::uint32_t type = platform::kRegSz) {
    return {type, BytesOf(text + std::string(1, '\0'))};
}

// The RegistryError a call raises; a call that raises none fails the test
// and yields an error numbered 0.
registry::RegistryError RaisedBy(const std::function<void()>& call) {
    try {
        call();
    } catch (const registry::RegistryError& error) {
        return error;
    }
    ADD_FAILURE() << "no RegistryError raised";
    return registry::RegistryError(0, "", "");
}

cRegistry At(std::int32_t hive, const std::string& section, const std::string& value = "",
             std::int32_t type = kSentinelType) {
    cRegistry reg;
    reg.SetClassKey(hive);
    reg.SetSectionKey(section);
    reg.SetValueKey(value);
    reg.SetValueType(type);
    return reg;
}

class CRegistryTest : public ::testing::Test {
protected:
    testing_support::ScratchPrefix prefix_;
};

// --- Subkey listing ---------------------------------------------------------

TEST_F(CRegistryTest, MissingKeyListsNothingAndSucceeds) {
    auto reg = At(kHkcu, "Software\\NoSuchKey");
    auto sSect = kStaleList;
    std::int32_t iSectCount = kSentinelCount;
    EXPECT_TRUE(reg.EnumerateSections(sSect, iSectCount));
    EXPECT_EQ(iSectCount, 0);
    EXPECT_EQ(sSect, std::vector<std::string>{""});
}

TEST_F(CRegistryTest, UserHivesListFromIndexOneWithDefaultAndClassesHives) {
    MakeKey(kHku, "S-1-5-21-0-0-0-1001");
    auto reg = At(kHku, "");
    auto sSect = kStaleList;
    std::int32_t iSectCount = kSentinelCount;
    ASSERT_TRUE(reg.EnumerateSections(sSect, iSectCount));
    ASSERT_EQ(sSect.size(), static_cast<std::size_t>(iSectCount) + 1);
    EXPECT_EQ(sSect[0], "");
    for (const char* hive : {".DEFAULT", "S-1-5-21-0-0-0-1000", "S-1-5-21-0-0-0-1000_Classes", "S-1-5-21-0-0-0-1001"}) {
        EXPECT_EQ(std::count(sSect.begin() + 1, sSect.end(), hive), 1) << hive;
    }
}

TEST_F(CRegistryTest, NameOf254IsWholeAndLongerNameEndsListing) {
    const std::string fits(254, 'A');
    for (const auto& name : {fits, std::string(255, 'B'), std::string("C")}) MakeKey(kHkcu, "Software\\Long\\" + name);
    auto reg = At(kHkcu, "Software\\Long");
    std::vector<std::string> sSect;
    std::int32_t iSectCount = kSentinelCount;
    EXPECT_TRUE(reg.EnumerateSections(sSect, iSectCount));
    EXPECT_EQ(iSectCount, 1);
    EXPECT_EQ(sSect, (std::vector<std::string>{"", fits}));
}

TEST_F(CRegistryTest, EnumeratingAgainReplacesListAndCount) {
    for (const char* name : {"one", "two", "three"}) MakeKey(kHkcu, std::string("Software\\First\\") + name);
    MakeKey(kHkcu, "Software\\Second\\Only");
    auto reg = At(kHkcu, "Software\\First");
    std::vector<std::string> sSect;
    std::int32_t iSectCount = 0;
    ASSERT_TRUE(reg.EnumerateSections(sSect, iSectCount));
    ASSERT_EQ(iSectCount, 3);
    reg.SetSectionKey("Software\\Second");
    EXPECT_TRUE(reg.EnumerateSections(sSect, iSectCount));
    EXPECT_EQ(iSectCount, 1);
    EXPECT_EQ(sSect, (std::vector<std::string>{"", "Only"}));
}

// Fails each allocation in turn: a failure that reaches the class comes out
// as its error 0x800469AA, never as a bare std::bad_alloc.
TEST_F(CRegistryTest, OutOfMemoryWhileListingRaisesUnexpectedError) {
    for (const char* name : {"First subkey with a long name", "Second subkey with a long name"}) {
        MakeKey(kHkcu, std::string("Software\\Many\\") + name);
    }
    auto reg = At(kHkcu, "Software\\Many");
    std::vector<std::string> sSect;
    std::int32_t iSectCount = 0;
    ASSERT_TRUE(reg.EnumerateSections(sSect, iSectCount));
    int raised = 0;
    for (long allowed = 0; allowed < 100; ++allowed) {
        allocationsBeforeFailure = allowed;
        try {
            reg.EnumerateSections(sSect, iSectCount);
        } catch (const registry::RegistryError& error) {
            allocationsBeforeFailure = -1;
            ++raised;
            EXPECT_EQ(error.Number(), kError800469AA) << "allocation " << allowed;
            EXPECT_EQ(error.Description(), "Out of memory");
        }
        allocationsBeforeFailure = -1;
    }
    EXPECT_GT(raised, 0);
    ASSERT_TRUE(reg.EnumerateSections(sSect, iSectCount));
    EXPECT_EQ(iSectCount, 2);
}

// The trace file is chosen once per process, so the listing runs in a fresh
// one that inherits NIMBREL_TRACE.
TEST_F(CRegistryTest, ListingIsTraced) {
    const char* inherited = std::getenv("NIMBREL_TRACE");
    const std::string trace = inherited != nullptr ? inherited : (prefix_.Home() / "trace.tsv").string();
    setenv("NIMBREL_TRACE", trace.c_str(), 1);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            std::vector<std::string> sSect;
            std::int32_t iSectCount = 0;
            At(kHku, "").EnumerateSections(sSect, iSectCount);
            At(kHkcu, "Software\\NoSuchKey").EnumerateSections(sSect, iSectCount);
            // exit() skips the fixture's clean-up, and this process never
            // destroys the fixture itself.
            prefix_.~ScratchPrefix();
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
    unsetenv("NIMBREL_TRACE");
    std::ifstream file(trace);
    const std::string lines{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(lines, "EnumerateSections\tHKU\t\t\t\t1\nEnumerateSections\tHKCU\tSoftware\\NoSuchKey\t\t\t0\n");
}

// --- Keys and values --------------------------------------------------------

TEST_F(CRegistryTest, KeyIsCreatedFoundAndDeleted) {
    auto reg = At(kHkcu, "Software\\Made\\Deep");
    EXPECT_FALSE(reg.KeyExists());
    EXPECT_TRUE(reg.CreateKey());
    EXPECT_TRUE(At(kHkcu, "Software\\Made\\Deep\\").KeyExists());
    EXPECT_TRUE(reg.CreateKey()) << "an existing key is opened";
    EXPECT_TRUE(reg.DeleteKey());
    EXPECT_FALSE(reg.KeyExists());
    EXPECT_TRUE(At(kHkcu, "Software\\Made").KeyExists());
}

TEST_F(CRegistryTest, MissingValueOrKeyReadsAsDefault) {
    MakeKey(kHkcu, "Software\\Present");
    for (const char* section : {"Software\\Present", "Software\\Absent"}) {
        auto reg = At(kHkcu, section, "nothing");
        reg.SetDefault(std::string("<none>"));
        EXPECT_EQ(reg.Value(), TaggedValue(std::string("<none>"))) << section;
        EXPECT_EQ(reg.ValueType(), kSentinelType) << section;
    }
}

struct ReadRow {
    const char* name;
    std::uint32_t type;
    Bytes data;
    TaggedValue expected;
};
void PrintTo(const ReadRow& row, std::ostream* out) { *out << row.name; }

class ValueReadTest : public CRegistryTest, public ::testing::WithParamInterface<ReadRow> {};

TEST_P(ValueReadTest, ReadsStoredDataAndType) {
    const auto& row = GetParam();
    PutRaw(kHkcu, "Software\\Read", "v", row.type, row.data);
    auto reg = At(kHkcu, "Software\\Read", "v");
    reg.SetDefault(std::string("<none>"));
    EXPECT_EQ(reg.Value(), row.expected);
    EXPECT_EQ(reg.ValueType(), static_cast<std::int32_t>(row.type));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ValueReadTest,
    ::testing::Values(ReadRow{"TextWithNul", platform::kRegSz, BytesOf(std::string("abc\0", 4)), std::string("abc")},
                      ReadRow{"TextWithoutNulKeepsLastCharacter", platform::kRegSz, BytesOf("abc"), std::string("abc")},
                      ReadRow{"EmptyText", platform::kRegSz, Bytes{}, std::string()},
                      ReadRow{"MultiTextLosesOnlyFinalNul", platform::kRegMultiSz, BytesOf(std::string("a\0b\0\0", 5)),
                              std::string("a\0b\0", 4)},
                      ReadRow{"Dword", platform::kRegDword, Bytes{0xFE, 0xFF, 0xFF, 0x7F}, std::int32_t{0x7FFFFFFE}},
                      ReadRow{"BigEndianDword", platform::kRegDwordBigEndian, Bytes{0x12, 0x34, 0x56, 0x78},
                              std::int32_t{0x12345678}},
                      ReadRow{"Binary", platform::kRegBinary, Bytes{0x00, 0x01, 0xFF}, Bytes{0x00, 0x01, 0xFF}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CRegistryTest, ExpandableTextIsExpanded) {
    const std::string stored = "%SystemDrive%\\x";
    const std::string expanded = platform::ExpandEnvironmentStrings(stored);
    ASSERT_NE(expanded, stored);
    PutRaw(kHkcu, "Software\\Read", "v", platform::kRegExpandSz, TextValue(stored).data);
    EXPECT_EQ(At(kHkcu, "Software\\Read", "v").Value(), TaggedValue(expanded));
}

struct WriteRow {
    const char* name;
    std::int32_t eValueType;
    TaggedValue value;
    RawValue stored;
};
void PrintTo(const WriteRow& row, std::ostream* out) { *out << row.name; }

class ValueWriteTest : public CRegistryTest, public ::testing::WithParamInterface<WriteRow> {};

TEST_P(ValueWriteTest, StoresTypeAndBytesAndRemembersValue) {
    const auto& row = GetParam();
    auto reg = At(kHkcu, "Software\\Written\\New", "v", row.eValueType);
    reg.SetValue(row.value);
    EXPECT_EQ(GetRaw(kHkcu, "Software\\Written\\New", "v"), row.stored);
    EXPECT_EQ(reg.LastWritten(), row.value);
    EXPECT_EQ(reg.ValueType(), row.eValueType);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ValueWriteTest,
    ::testing::Values(WriteRow{"Text", platform::kRegSz, std::string("abc"), TextValue("abc")},
                      WriteRow{"SinglePercent", platform::kRegSz, std::string("100%"), TextValue("100%")},
                      WriteRow{"AdjacentPercents", platform::kRegSz, std::string("a%%b"), TextValue("a%%b")},
                      WriteRow{"PercentPair", platform::kRegSz, std::string("%TEMP%\\x"),
                               TextValue("%TEMP%\\x", platform::kRegExpandSz)},
                      WriteRow{"ExpandTypeWithoutPercents", platform::kRegExpandSz, std::string("plain"),
                               TextValue("plain")},
                      WriteRow{"ShortSignExtended", platform::kRegDword, std::int16_t{-2},
                               RawValue{platform::kRegDword, {0xFE, 0xFF, 0xFF, 0xFF}}},
                      WriteRow{"BigEndianStoredAsDword", platform::kRegDwordBigEndian, std::int32_t{0x01020304},
                               RawValue{platform::kRegDword, {0x04, 0x03, 0x02, 0x01}}},
                      WriteRow{"Binary", platform::kRegBinary, Bytes{0x00, 0x01, 0xFF},
                               RawValue{platform::kRegBinary, {0, 1, 0xFF}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CRegistryTest, TypeOutsideOneToFiveStoresNothing) {
    for (std::int32_t type : {0, 6, 7, -1}) {
        auto reg = At(kHkcu, "Software\\Other", "v", type);
        reg.SetValue(std::string("text"));
        EXPECT_EQ(GetRaw(kHkcu, "Software\\Other", "v"), std::nullopt) << type;
        EXPECT_EQ(reg.LastWritten(), TaggedValue()) << type;
    }
}

TEST_F(CRegistryTest, ValueIsDeleted) {
    PutRaw(kHkcu, "Software\\Del", "gone", platform::kRegSz, BytesOf("x"));
    EXPECT_TRUE(At(kHkcu, "Software\\Del", "gone").DeleteValue());
    EXPECT_EQ(GetRaw(kHkcu, "Software\\Del", "gone"), std::nullopt);
}

TEST_F(CRegistryTest, ValueNamesListedWholeAfterShorterOnes) {
    for (const char* name : {"a", "a much longer value name", "", "mid name"}) {
        PutRaw(kHkcu, "Software\\Values", name, platform::kRegSz, BytesOf("x"));
    }
    for (const auto& [section, expected] :
         {std::pair{"Software\\Values", std::vector<std::string>{"", "a", "a much longer value name", "mid name"}},
          std::pair{"Software\\NoSuchKey", std::vector<std::string>{}}}) {
        auto names = kStaleList;
        std::int32_t count = kSentinelCount;
        ASSERT_TRUE(At(kHkcu, section).EnumerateValues(names, count));
        EXPECT_EQ(count, static_cast<std::int32_t>(expected.size())) << section;
        ASSERT_EQ(names.size(), expected.size() + 1) << section;
        EXPECT_EQ(names[0], "");
        EXPECT_EQ(Sorted({names.begin() + 1, names.end()}), expected) << section;
    }
}

// --- File associations --------------------------------------------------------

void ExpectDefaults(const std::vector<std::pair<std::string, std::string>>& entries) {
    for (const auto& [hive, prefix] : {std::pair{kHkcr, ""}, std::pair{kHklm, "SOFTWARE\\Classes\\"}}) {
        for (const auto& [key, text] : entries) {
            EXPECT_EQ(GetRaw(hive, prefix + key, ""), TextValue(text)) << prefix << key;
        }
    }
}

TEST_F(CRegistryTest, AssociationWithEveryVerbAndIcon) {
    cRegistry reg;
    reg.CreateEXEAssociation("  C:\\Program Files\\Ed\\ed.exe ", "Nimbrel.Doc", "Nimbrel document", "nbd", "", true, "",
                             true, "", true, "", 2);
    const std::string path = "\"C:\\Program Files\\Ed\\ed.exe\"";
    ExpectDefaults({{".nbd", "Nimbrel.Doc"},
                    {"Nimbrel.Doc", "Nimbrel document"},
                    {"Nimbrel.Doc\\shell\\open", "&Open"},
                    {"Nimbrel.Doc\\shell\\open\\command", path + " \"%1\""},
                    {"Nimbrel.Doc\\shell\\print", "&Print"},
                    {"Nimbrel.Doc\\shell\\print\\command", path + " /p \"%1\""},
                    {"Nimbrel.Doc\\shell\\add", "&Install nbd"},
                    {"Nimbrel.Doc\\shell\\add\\command", path + " /a \"%1\""},
                    {"Nimbrel.Doc\\shell\\new", "&New"},
                    {"Nimbrel.Doc\\shell\\new\\command", path + " /n \"%1\""},
                    {"Nimbrel.Doc\\DefaultIcon", path + ",2"}});
}

TEST_F(CRegistryTest, AssociationWithOwnTextsAndNoOptionalVerbsKeepsProperties) {
    auto reg = At(kHku, "Keep\\This", "keep", platform::kRegBinary);
    reg.CreateEXEAssociation("\"C:\\ed.exe", "Plain.Doc", "Plain", "pld", "Edit it", false, "Print it", false,
                             "New one", false, "Add it", -1);
    ExpectDefaults({{".pld", "Plain.Doc"},
                    {"Plain.Doc", "Plain"},
                    {"Plain.Doc\\shell\\open", "Edit it"},
                    {"Plain.Doc\\shell\\open\\command", "\"C:\\ed.exe\" \"%1\""}});
    for (const char* absent : {"shell\\print", "shell\\add", "shell\\new", "DefaultIcon"}) {
        EXPECT_FALSE(At(kHkcr, std::string("Plain.Doc\\") + absent).KeyExists()) << absent;
    }
    EXPECT_EQ(reg.ClassKey(), kHku);
    EXPECT_EQ(reg.SectionKey(), "Keep\\This");
    EXPECT_EQ(reg.ValueKey(), "keep");
    EXPECT_EQ(reg.ValueType(), static_cast<std::int32_t>(platform::kRegBinary));
}

TEST_F(CRegistryTest, AdditionalVerbsWrittenForDefinedClass) {
    MakeKey(kHkcr, "Extra.Doc");
    cRegistry reg;
    reg.CreateAdditionalEXEAssociations(
        "Extra.Doc", {std::string("view"), std::string("&View"), std::string("viewer.exe \"%1\""), std::string("edit"),
                      std::string("&Edit"), std::string("editor.exe \"%1\"")});
    EXPECT_EQ(GetRaw(kHkcr, "Extra.Doc\\shell\\view", ""), TextValue("&View"));
    EXPECT_EQ(GetRaw(kHkcr, "Extra.Doc\\shell\\view\\command", ""), TextValue("viewer.exe \"%1\""));
    EXPECT_EQ(GetRaw(kHkcr, "Extra.Doc\\shell\\edit\\command", ""), TextValue("editor.exe \"%1\""));
}

// --- Errors -------------------------------------------------------------------

struct ErrorRow {
    const char* name;
    std::function<void()> call;
    std::int32_t number;
    std::string description;
};
void PrintTo(const ErrorRow& row, std::ostream* out) { *out << row.name; }

const std::string kTooLongName(platform::kMaxValueNameLength + 1, 'n');
const std::string kSetFailed = "Failed to set registry value Key: '";

class ErrorTest : public CRegistryTest, public ::testing::WithParamInterface<ErrorRow> {};

// Each failure raises its number and text, and writes nothing.
TEST_P(ErrorTest, RaisesNumberAndDescription) {
    MakeKey(kHkcu, "Software\\Parent\\Child");
    MakeKey(kHkcr, "Extra.Doc");
    const auto error = RaisedBy(GetParam().call);
    EXPECT_EQ(error.Number(), GetParam().number);
    EXPECT_EQ(error.Description(), GetParam().description);
    EXPECT_STREQ(error.what(), GetParam().description.c_str());
    EXPECT_EQ(error.Source(), "nimbrel.cRegistry");
    EXPECT_EQ(GetRaw(kHkcu, "Software\\Parent", "v"), std::nullopt);
    EXPECT_FALSE(At(kHkcr, "Extra.Doc\\shell").KeyExists());
    EXPECT_TRUE(At(kHkcu, "Software\\Parent\\Child").KeyExists());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ErrorTest,
    ::testing::Values(
        ErrorRow{"CreateKey", [] { At(kHkdd, "Software\\X").CreateKey(); }, kError26001,
                 "Failed to create registry Key: 'Software\\X"},
        ErrorRow{"DeleteKeyWithSubkeys", [] { At(kHkcu, "Software\\Parent").DeleteKey(); }, kError26001,
                 "Failed to delete registry Key: '-2147483647',Section: 'Software\\Parent"},
        ErrorRow{"DeleteValueOfMissingKey", [] { At(kHkcu, "Software\\Missing", "v").DeleteValue(); }, kError26001,
                 "Failed to open key '-2147483647',Section: 'Software\\Missing' for delete access"},
        ErrorRow{"DeleteMissingValue", [] { At(kHkcu, "Software\\Parent", "gone").DeleteValue(); }, kError26001,
                 "Failed to delete registry Key: '-2147483647',Section: 'Software\\Parent',Key: 'gone"},
        ErrorRow{"SetValueKeyNotCreated",
                 [] { At(kHkdd, "Software\\X", "v", platform::kRegSz).SetValue(std::string("abc")); }, kError26001,
                 kSetFailed + "-2147483642',Section: 'Software\\X',Key: 'v' to value: 'abc'"},
        ErrorRow{"SetBinaryFromText",
                 [] { At(kHkcu, "Software\\Parent", "v", platform::kRegBinary).SetValue(std::string("abc")); },
                 kError26001, kSetFailed + "-2147483647',Section: 'Software\\Parent',Key: 'v' to value: 'abc'"},
        ErrorRow{"SetDwordFromText",
                 [] { At(kHkcu, "Software\\Parent", "v", platform::kRegDword).SetValue(std::string("12")); },
                 kError26001, kSetFailed + "-2147483647',Section: 'Software\\Parent',Key: 'v' to value: '12'"},
        ErrorRow{
            "SetValueNotStored",
            [] { At(kHkcu, "Software\\Parent", kTooLongName.c_str(), platform::kRegDword).SetValue(std::int32_t{5}); },
            kError800469A9,
            kSetFailed + "-2147483647',Section: 'Software\\Parent',Key: '" + kTooLongName + "' to value: '5'"},
        ErrorRow{"IncompleteTriple",
                 [] {
                     cRegistry().CreateAdditionalEXEAssociations(
                         "Extra.Doc",
                         {std::string("view"), std::string("&View"), std::string("v.exe"), std::string("x")});
                 },
                 kError800469AC,
                 "Invalid parameter list passed to CreateAdditionalEXEAssociations - expected Name/Text/Command"},
        ErrorRow{"ClassNotDefined",
                 [] {
                     cRegistry().CreateAdditionalEXEAssociations(
                         "Undefined.Doc", {std::string("view"), std::string("&View"), std::string("v.exe")});
                 },
                 kError800469AD, "Error - attempt to create additional associations before class defined."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CRegistryTest, ErrorSourceNamesProgram) {
    registry::SetProgramName("ixwipe");
    EXPECT_EQ(RaisedBy([] { At(kHkdd, "Software\\X").CreateKey(); }).Source(), "ixwipe.cRegistry");
    registry::SetProgramName("nimbrel");
}

}  // namespace
