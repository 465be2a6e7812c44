// Import, export and import again give back the same bytes, on an emulated
// machine of the test's own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "platform/ansi_codepage.h"
#include "platform/registry_api.h"
#include "registry/key_contents.h"
#include "registry/reg_export.h"
#include "registry/reg_file.h"
#include "registry/reg_import.h"
#include "tests/support/scratch_prefix.h"

namespace {

using namespace std::string_literals;
using registry::KeyName;

// Every value of a subtree by key path below it, in enumeration order.
using Snapshot = std::map<std::string, std::vector<registry::ValueEntry>>;

void TakeSnapshot(platform::HKey key, const std::string& path, Snapshot& snapshot) {
    ASSERT_EQ(registry::ListValues(key, snapshot[path]), platform::kErrorSuccess);
    std::vector<std::string> subKeys;
    ASSERT_EQ(registry::ListSubKeys(key, subKeys), platform::kErrorSuccess);
    for (const std::string& name : subKeys) {
        platform::HKey subKey = 0;
        ASSERT_EQ(platform::RegOpenKey(key, name, platform::kKeyRead, &subKey), platform::kErrorSuccess);
        TakeSnapshot(subKey, path + "\\" + name, snapshot);
        platform::RegCloseKey(subKey);
    }
}

Snapshot SnapshotOf(const KeyName& key) {
    Snapshot snapshot;
    platform::HKey handle = 0;
    EXPECT_EQ(platform::RegOpenKey(key.root, key.path, platform::kKeyRead, &handle), platform::kErrorSuccess);
    TakeSnapshot(handle, "", snapshot);
    platform::RegCloseKey(handle);
    return snapshot;
}

std::string Export(const KeyName& key) {
    std::string text;
    registry::AppendRegFileHeader(text);
    EXPECT_EQ(registry::ExportKey(key, text), "");
    return text;
}

void Import(const std::string& bytes) {
    std::vector<registry::RegOperation> operations;
    ASSERT_EQ(registry::ParseRegFile(bytes, operations), "");
    ASSERT_EQ(registry::ApplyOperations(operations), "");
}

void SetValue(platform::HKey key, const std::string& name, std::uint32_t type, const std::string& data) {
    ASSERT_EQ(platform::RegSetValue(key, name, type, reinterpret_cast<const std::uint8_t*>(data.data()),
                                    static_cast<std::uint32_t>(data.size())),
              platform::kErrorSuccess);
}

bool SameValues(const Snapshot& a, const Snapshot& b) {
    if (a.size() != b.size()) return false;
    for (const auto& [path, values] : a) {
        const auto other = b.find(path);
        if (other == b.end() || other->second.size() != values.size()) return false;
        for (std::size_t i = 0; i < values.size(); ++i) {
            const registry::ValueEntry& x = values[i];
            const registry::ValueEntry& y = other->second[i];
            if (x.name != y.name || x.type != y.type || x.data != y.data) return false;
        }
    }
    return true;
}

class RegRoundTripTest : public testing::Test {
protected:
    testing_support::ScratchPrefix prefix_;
    const KeyName key_{platform::kHkeyCurrentUser, "Software\\RoundTrip"};
};

TEST_F(RegRoundTripTest, AwkwardValuesComeBackByteForByte) {
    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte) everyByte += static_cast<char>(byte);
    std::string counting;
    for (int byte = 0; byte < 200; ++byte) counting += static_cast<char>(byte);

    platform::HKey key = 0;
    ASSERT_EQ(platform::RegCreateKey(key_.root, key_.path, platform::kKeyAllAccess, &key), platform::kErrorSuccess);
    SetValue(key, "text", platform::kRegSz, "abc\0"s);
    SetValue(key, "", platform::kRegSz, "default\0"s);
    SetValue(key, "empty", platform::kRegSz, "\0"s);
    SetValue(key, "zero bytes", platform::kRegSz, "");
    SetValue(key, "no nul", platform::kRegSz, "ab");
    SetValue(key, "inner nul", platform::kRegSz, "a\0b\0"s);
    SetValue(key, "line break", platform::kRegSz, "one\r\ntwo\0"s);
    SetValue(key, "every byte", platform::kRegSz, everyByte + '\0');
    SetValue(key, "na\"me\\ \xe9\x81", platform::kRegExpandSz, "%PATH%\\x\0"s);
    SetValue(key, "multi", platform::kRegMultiSz, "a\0b\0\0"s);
    SetValue(key, "multi empty", platform::kRegMultiSz, "");
    SetValue(key, "none", platform::kRegNone, "");
    SetValue(key, "none data", platform::kRegNone, "xyz");
    SetValue(key, "binary", platform::kRegBinary, counting);
    SetValue(key, "binary empty", platform::kRegBinary, "");
    SetValue(key, "dword", platform::kRegDword, "\x01\x02\x03\x04"s);
    SetValue(key, "short dword", platform::kRegDword, "\x01\x02\x03"s);
    SetValue(key, "qword", platform::kRegQword, "\x01\0\0\0\0\0\0\x80"s);
    SetValue(key, "odd type", 0x100, "%PATH%\0"s);
    SetValue(key, std::string(300, 'n'), platform::kRegBinary, counting);
    for (const char* subKey : {"Sub\xe9", "Sub\xe9\\Deep", "br]acket", "with space"}) {
        platform::HKey below = 0;
        ASSERT_EQ(platform::RegCreateKey(key, subKey, platform::kKeyAllAccess, &below), platform::kErrorSuccess);
        SetValue(below, "v", platform::kRegSz, std::string(subKey) + '\0');
        platform::RegCloseKey(below);
    }
    platform::RegCloseKey(key);

    const Snapshot original = SnapshotOf(key_);
    const std::string text = Export(key_);

    // the file regedit would write
    ASSERT_EQ(registry::DeleteKeyTree(key_.root, key_.path), platform::kErrorSuccess);
    Import(registry::EncodeRegFileUtf16(text));
    EXPECT_TRUE(SameValues(SnapshotOf(key_), original));
    EXPECT_EQ(Export(key_), text);

    // the text that goes to standard output
    ASSERT_EQ(registry::DeleteKeyTree(key_.root, key_.path), platform::kErrorSuccess);
    Import(platform::AnsiToUtf8(text));
    EXPECT_TRUE(SameValues(SnapshotOf(key_), original));
}

TEST_F(RegRoundTripTest, FailedImportKeepsNothing) {
    Import("REGEDIT4\n[HKCU\\Software\\RoundTrip]\n\"kept\"=\"yes\"\n");
    const Snapshot before = SnapshotOf(key_);

    std::vector<registry::RegOperation> operations;
    ASSERT_EQ(registry::ParseRegFile("REGEDIT4\n[HKCU\\Software\\RoundTrip\\New]\n\"new\"=\"v\"\n"
                                     "[-HKCU\\Software\\RoundTrip]\n",
                                     operations),
              "");
    // HKEY_DYN_DATA does not exist on NT: its handle is refused with 6
    registry::RegOperation failing;
    failing.line = 9;
    failing.key = KeyName{platform::kHkeyDynData, "x"};
    operations.push_back(failing);

    const std::string fault = registry::ApplyOperations(operations);
    EXPECT_EQ(fault.rfind("line 9: cannot create key", 0), 0u) << fault;
    EXPECT_NE(fault.find("error 6"), std::string::npos) << fault;
    EXPECT_TRUE(SameValues(SnapshotOf(key_), before));
}

TEST_F(RegRoundTripTest, DeletingAKeyTreeTakesItsSubkeys) {
    Import(
        "REGEDIT4\n[HKCU\\Software\\RoundTrip\\A\\B\\C]\n\"v\"=\"1\"\n[HKCU\\Software\\RoundTrip\\A\\D]\n"
        "[HKCU\\Software\\RoundTrip\\Kept]\n");
    Import("REGEDIT4\n[-HKCU\\Software\\RoundTrip\\A]\n[-HKCU\\Software\\RoundTrip\\NeverThere]\n");
    const Snapshot after = SnapshotOf(key_);
    EXPECT_EQ(after.size(), 2u);
    EXPECT_TRUE(after.count("\\Kept"));
}

// A user hive written by a real Windows XP, turned into a .reg file by
// hivexregedit (Debian package libwin-hivex-perl).
TEST_F(RegRoundTripTest, RealUserHiveImportsAndReadsBack) {
    if (std::system("command -v hivexregedit > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "hivexregedit (libwin-hivex-perl) is not installed";
    }
    const std::string hive = NIMBREL_SOURCE_DIR "/tests/data/hives/xp-ntuser.dat";
    const std::filesystem::path regFile = prefix_.Home() / "xp-ntuser.reg";
    const std::string command = "hivexregedit --export --prefix HKEY_CURRENT_USER '" + hive + "' '\\' > '" +
                                regFile.string() + "' 2> /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream in(regFile, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    Import(bytes);

    struct Sample {
        const char* key;
        const char* value;
        std::uint32_t type;
        std::string data;
    };
    const std::vector<Sample> samples = {
        {"AppEvents\\EventLabels\\.Default", "", platform::kRegSz, "Default Beep\0"s},
        {"Software\\Microsoft\\Internet Explorer\\TypedURLs", "url1", platform::kRegSz, "http://firefox.com/\0"s},
        {"Console", "ColorTable01", platform::kRegDword, "\x00\x00\x80\x00"s},
        {"Control Panel\\Desktop", "UserPreferencesMask", platform::kRegBinary, "\x9e\x3e\x07\x80"s},
        {"Control Panel\\Appearance\\New Schemes\\0\\Sizes\\0", "Size #1", platform::kRegQword, "\x0d\0\0\0\0\0\0\0"s},
        {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.aif\\OpenWithProgids", "AIFFFile",
         platform::kRegNone, ""},
        // the file is not UTF-8 throughout, so it is read as ANSI: the
        // name's byte 0xF0 stays itself
        {"Software\\Microsoft\\Windows\\ShellNoRoam\\MUICache",
         "C:\\Documents and Settings\\joe\\My Documents\\Ni\xf0urhal\\bcwipe3.exe", platform::kRegSz,
         "Jetico Setup Utility...\0"s},
    };
    for (const Sample& sample : samples) {
        SCOPED_TRACE(std::string(sample.key) + " " + sample.value);
        platform::HKey key = 0;
        ASSERT_EQ(platform::RegOpenKey(platform::kHkeyCurrentUser, sample.key, platform::kKeyRead, &key),
                  platform::kErrorSuccess);
        registry::ValueEntry value;
        EXPECT_EQ(registry::QueryValueEntry(key, sample.value, value), platform::kErrorSuccess);
        EXPECT_EQ(value.type, sample.type);
        EXPECT_EQ(value.data, sample.data);
        platform::RegCloseKey(key);
    }

    const KeyName software{platform::kHkeyCurrentUser, "Software"};
    const Snapshot original = SnapshotOf(software);
    EXPECT_GT(original.size(), 500u);
    const std::string text = Export(software);
    ASSERT_EQ(registry::DeleteKeyTree(software.root, software.path), platform::kErrorSuccess);
    Import(registry::EncodeRegFileUtf16(text));
    EXPECT_TRUE(SameValues(SnapshotOf(software), original));
    EXPECT_EQ(Export(software), text);
}

}  // namespace
