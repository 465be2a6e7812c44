// What the emulated registry store adds to the Win32 contract: the layout
// of its machine, Windows' enumeration order, persistence, and several
// processes sharing one prefix.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/emulated/paths.h"
#include "platform/emulated/prefix.h"
#include "platform/platform.h"
#include "platform/registry_api.h"
#include "registry/mod_registry.h"
#include "tests/support/scratch_prefix.h"

namespace {

using namespace platform;
using modRegistry::ReadValue;
using modRegistry::ValueHolder;
using modRegistry::WriteValue;

std::string Read(const std::string& root, const std::string& key, const std::string& name) {
    ValueHolder result;
    ReadValue(root, key, name, "S", modRegistry::kNone, result);
    return result.Text();
}

std::vector<std::string> SubKeys(HKey root, const std::string& path) {
    HKey key = 0;
    std::vector<std::string> names;
    if (RegOpenKey(root, path, kKeyRead, &key) != 0) return names;
    char name[256];
    for (std::uint32_t i = 0;; ++i) {
        std::uint32_t length = sizeof name;
        if (RegEnumKey(key, i, name, &length) != 0) break;
        names.emplace_back(name, length);
    }
    RegCloseKey(key);
    return names;
}

std::vector<std::string> ValueNames(HKey root, const std::string& path) {
    HKey key = 0;
    std::vector<std::string> names;
    if (RegOpenKey(root, path, kKeyRead, &key) != 0) return names;
    char name[256];
    for (std::uint32_t i = 0;; ++i) {
        std::uint32_t length = sizeof name;
        if (RegEnumValue(key, i, name, &length, nullptr, nullptr, nullptr) != 0) break;
        names.emplace_back(name, length);
    }
    RegCloseKey(key);
    return names;
}

class EmulatedStore : public ::testing::Test {
protected:
    testing_support::ScratchPrefix prefix_;
};

TEST_F(EmulatedStore, ANewPrefixLooksLikeAFreshProfile) {
    ASSERT_EQ(Start(), "");
    EXPECT_EQ(SubKeys(kHkeyUsers, ""),
              (std::vector<std::string>{".DEFAULT", "S-1-5-21-0-0-0-1000", "S-1-5-21-0-0-0-1000_Classes"}));
    const std::string shell = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    for (const char* folder : {"Recent", "Cookies", "Cache"}) {
        const std::string path = Read("HKCU", shell, folder);
        ASSERT_NE(path, modRegistry::kNone) << folder;
        EXPECT_TRUE(std::filesystem::is_directory(emulated::ToHostPath(path))) << path;
    }
    EXPECT_TRUE(std::filesystem::is_directory(prefix_.Home() / "drive_c" / "WINDOWS"));
}

TEST_F(EmulatedStore, PredefinedKeysAreViewsOfTheTwoRoots) {
    ASSERT_EQ(WriteValue("HKCU", "Software\\Test", "v", "S", "user"), 0);
    EXPECT_EQ(Read("HKU", "S-1-5-21-0-0-0-1000\\Software\\Test", "v"), "user");
    ASSERT_EQ(WriteValue("HKU", "S-1-5-21-0-0-0-1000\\Software\\Test", "v", "S", "again"), 0);
    EXPECT_EQ(Read("HKCU", "Software\\Test", "v"), "again");

    ASSERT_EQ(WriteValue("HKCR", ".txt", "", "S", "txtfile"), 0);
    EXPECT_EQ(Read("HKLM", "SOFTWARE\\Classes\\.txt", ""), "txtfile");
    ASSERT_EQ(WriteValue("HKCC", "Software", "v", "S", "config"), 0);
    EXPECT_EQ(Read("HKLM", "SYSTEM\\CurrentControlSet\\Hardware Profiles\\Current\\Software", "v"), "config");

    HKey key = 1;
    EXPECT_EQ(RegOpenKey(kHkeyDynData, "", kKeyRead, &key), kErrorInvalidHandle);
}

TEST_F(EmulatedStore, KeysRightBelowTheUsersAreNewHivesButTheMachineHivesAreFixed) {
    HKey key = 0;
    ASSERT_EQ(RegCreateKey(kHkeyUsers, "S-1-5-21-0-0-0-1001\\Software", kKeyAllAccess, &key), 0);
    RegCloseKey(key);
    EXPECT_EQ(SubKeys(kHkeyUsers, "").size(), 4u);
    EXPECT_EQ(RegCreateKey(kHkeyLocalMachine, "NEWHIVE", kKeyAllAccess, &key), kErrorAccessDenied);
    EXPECT_EQ(RegDeleteKey(kHkeyUsers, ".DEFAULT\\Software"), 0);
    EXPECT_EQ(RegDeleteKey(kHkeyUsers, ".DEFAULT"), kErrorAccessDenied);
}

TEST_F(EmulatedStore, SubkeysEnumerateByUpperCasedUnicodeName) {
    // 0x8C is the ligature OE (U+0152): after A-umlaut (U+00C4) in Unicode,
    // before it as a Windows-1252 byte.
    for (const char* name : {"b", "\x8C", "\xE4", "A", "_x", "a1"}) {
        HKey key = 0;
        ASSERT_EQ(RegCreateKey(kHkeyCurrentUser, std::string("Order\\") + name, kKeyAllAccess, &key), 0);
        RegCloseKey(key);
    }
    EXPECT_EQ(SubKeys(kHkeyCurrentUser, "Order"), (std::vector<std::string>{"A", "a1", "b", "_x", "\xE4", "\x8C"}));
}

TEST_F(EmulatedStore, ValuesEnumerateInInsertionOrderAndKeepTheirPlaceWhenOverwritten) {
    for (const char* name : {"zeta", "alpha", "Mid"}) ASSERT_EQ(WriteValue("HKCU", "Order", name, "S", "1"), 0);
    ASSERT_EQ(WriteValue("HKCU", "Order", "ALPHA", "S", "2"), 0);
    EXPECT_EQ(ValueNames(kHkeyCurrentUser, "Order"), (std::vector<std::string>{"zeta", "alpha", "Mid"}));
    EXPECT_EQ(Read("HKCU", "Order", "alpha"), "2");
}

TEST_F(EmulatedStore, AHandleToADeletedKeySaysSo) {
    HKey key = 0;
    ASSERT_EQ(RegCreateKey(kHkeyCurrentUser, "Gone", kKeyAllAccess, &key), 0);
    ASSERT_EQ(RegDeleteKey(kHkeyCurrentUser, "Gone"), 0);
    std::uint32_t size = 0;
    EXPECT_EQ(RegQueryValue(key, "v", nullptr, nullptr, &size), kErrorKeyDeleted);
    EXPECT_EQ(RegCloseKey(key), 0);
    EXPECT_EQ(RegCloseKey(key), kErrorInvalidHandle);
}

TEST_F(EmulatedStore, ChangesOutliveTheProcessThatMadeThem) {
    ASSERT_EQ(WriteValue("HKCU", "Kept", "v", "S", "stored"), 0);
    emulated::UsePrefix(prefix_.Home());  // as a new process would
    EXPECT_EQ(Read("HKCU", "Kept", "v"), "stored");
}

TEST_F(EmulatedStore, ADamagedStoreIsReportedAndLeftAsItIs) {
    std::filesystem::create_directories(prefix_.Home());
    const auto file = prefix_.Home() / "registry.db";
    const std::string garbage(4096, 'x');
    std::ofstream(file, std::ios::binary) << garbage;
    emulated::UsePrefix(prefix_.Home());

    const std::string problem = Start();
    EXPECT_NE(problem.find(file.string()), std::string::npos) << problem;
    HKey key = 1;
    EXPECT_EQ(RegOpenKey(kHkeyCurrentUser, "Software", kKeyRead, &key), kErrorBadDb);
    EXPECT_EQ(WriteValue("HKCU", "Software", "v", "S", "x"), kErrorBadDb);
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), garbage);
}

// Runs body in a child process that opens the prefix for itself.
pid_t InChild(const std::filesystem::path& home, void (*body)(int), int arg) {
    const pid_t pid = fork();
    if (pid == 0) {
        emulated::UsePrefix(home);
        body(arg);
        _exit(0);
    }
    return pid;
}

constexpr int kWrites = 200;

void WriteMany(int writer) {
    for (int i = 0; i < kWrites; ++i) {
        const std::string name = "w" + std::to_string(writer) + "-" + std::to_string(i);
        if (WriteValue("HKCU", "Shared", name, "D", std::int32_t{i}) != 0) _exit(1);
        if (WriteValue("HKCU", "Own" + std::to_string(writer) + "\\" + std::to_string(i % 7), name, "S", name) != 0)
            _exit(1);
    }
}

TEST_F(EmulatedStore, TwoWritingProcessesLoseNothing) {
    ASSERT_EQ(Start(), "");  // set up before the writers race for it
    emulated::UsePrefix(prefix_.Home());
    const pid_t first = InChild(prefix_.Home(), WriteMany, 1);
    const pid_t second = InChild(prefix_.Home(), WriteMany, 2);
    for (pid_t pid : {first, second}) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int writer : {1, 2}) {
        for (int i = 0; i < kWrites; ++i) {
            const std::string name = "w" + std::to_string(writer) + "-" + std::to_string(i);
            ValueHolder number;
            ReadValue("HKCU", "Shared", name, "D", std::int32_t{-1}, number);
            EXPECT_EQ(number, std::int32_t{i}) << name;
            EXPECT_EQ(Read("HKCU", "Own" + std::to_string(writer) + "\\" + std::to_string(i % 7), name), name);
        }
    }
}

void WriteOne(int value) { WriteValue("HKCU", "Seen", "v", "D", std::int32_t{value}); }

TEST_F(EmulatedStore, AChangeByAnotherProcessIsSeenAtTheNextCall) {
    ASSERT_EQ(WriteValue("HKCU", "Seen", "v", "D", std::int32_t{1}), 0);
    ValueHolder before;
    ReadValue("HKCU", "Seen", "v", "D", std::int32_t{0}, before);
    ASSERT_EQ(before, std::int32_t{1});

    int status = 0;
    const pid_t child = InChild(prefix_.Home(), WriteOne, 2);
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ValueHolder after;
    ReadValue("HKCU", "Seen", "v", "D", std::int32_t{0}, after);
    EXPECT_EQ(after, std::int32_t{2});
}

}  // namespace
