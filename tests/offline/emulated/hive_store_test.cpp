// The registry calls on an installation's hives, in this process: keys
// and values read as the A functions read them, subkeys in Windows's
// order, HKEY_CURRENT_USER the chosen user's hive; a deletion undone with
// its batch; changes other than deletions never reaching a hive; nothing
// changed at all on a machine that may not be; the hive's base block.
#include <gtest/gtest.h>
#include <hivex.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/offline/regf_header.h"
#include "platform/offline_machine.h"
#include "platform/registry_api.h"
#include "platform/system_info.h"
#include "registry/key_contents.h"
#include "tests/support/offline_installation.h"

namespace {

namespace fs = std::filesystem;

using testing_support::OfflineInstallation;

constexpr const char* kTypedUrls = "Software\\Microsoft\\Internet Explorer\\TypedURLs";

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Text(platform::HKey root, const std::string& key, const std::string& name, long* status = nullptr) {
    platform::HKey handle = 0;
    long rc = platform::RegOpenKey(root, key, platform::kKeyRead, &handle);
    std::string data(4096, '\0');
    auto size = static_cast<std::uint32_t>(data.size());
    std::uint32_t type = 0;
    if (rc == 0) rc = platform::RegQueryValue(handle, name, &type, reinterpret_cast<std::uint8_t*>(data.data()), &size);
    if (handle != 0) platform::RegCloseKey(handle);
    if (status != nullptr) *status = rc;
    data.resize(rc == 0 ? size : 0);
    return data;
}

long DeleteValue(platform::HKey root, const std::string& key, const std::string& name) {
    platform::HKey handle = 0;
    long rc = platform::RegOpenKey(root, key, platform::kKeySetValue, &handle);
    if (rc == 0) rc = platform::RegDeleteValue(handle, name);
    if (handle != 0) platform::RegCloseKey(handle);
    return rc;
}

class HiveStoreTest : public ::testing::Test {
protected:
    void Use(bool readOnly = false) {
        platform::OfflineOptions options;
        options.windowsFolder = windows_.Drive().string();
        options.user = "jmroberts";
        options.readOnly = readOnly;
        ASSERT_EQ(platform::UseOfflineMachine(options), "");
    }
    void TearDown() override { platform::LeaveOfflineMachine(); }

    OfflineInstallation windows_{{{"jmroberts", "S-1-5-21-0-0-0-1000", "win7-ntuser.dat"},
                                  {"nfury", "S-1-5-21-111-222-333-1002", "win7-ntuser-2.dat"}}};
};

TEST_F(HiveStoreTest, ReadsTheHivesWhereWindowsLoadsThem) {
    Use();
    // Text data as the A functions hand it out: ANSI, with its NUL.
    EXPECT_EQ(Text(platform::kHkeyCurrentUser, kTypedUrls, "url1"), std::string("http://10.1.4.108:8000/") + '\0');
    EXPECT_EQ(Text(platform::kHkeyUsers, std::string("S-1-5-21-0-0-0-1000\\") + kTypedUrls, "url1"),
              Text(platform::kHkeyCurrentUser, kTypedUrls, "url1"));
    EXPECT_EQ(Text(platform::kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "SystemRoot"),
              std::string("C:\\Windows") + '\0');
    EXPECT_EQ(platform::CurrentUserSid(), "S-1-5-21-0-0-0-1000");
    EXPECT_EQ(platform::WindowsDirectory(), "C:\\Windows");
    EXPECT_EQ(platform::UserName(200), "jmroberts");
    EXPECT_EQ(platform::ExpandEnvironmentStrings("%USERPROFILE%"), "C:\\Users\\jmroberts");

    // HKEY_USERS as a running Windows has it: .DEFAULT first, then the
    // users' hives by SID.
    platform::HKey users = platform::kHkeyUsers;
    std::vector<std::string> hives;
    registry::ListSubKeys(users, hives);
    EXPECT_EQ(hives, (std::vector<std::string>{".DEFAULT", "S-1-5-21-0-0-0-1000", "S-1-5-21-111-222-333-1002"}));
    // No Classes key in this SOFTWARE hive: HKEY_CLASSES_ROOT is not there.
    platform::HKey classes = 0;
    EXPECT_NE(platform::RegOpenKey(platform::kHkeyClassesRoot, "", platform::kKeyRead, &classes), 0);
}

TEST_F(HiveStoreTest, ADeletionIsUndoneWithItsBatchAndSavedOnlyWhenAsked) {
    Use();
    const fs::path hive = windows_.NtUser("jmroberts");
    const std::string original = ReadFile(hive);
    {
        platform::RegistryBatch batch;
        ASSERT_EQ(batch.Status(), 0);
        EXPECT_EQ(DeleteValue(platform::kHkeyCurrentUser, kTypedUrls, "url2"), 0);
        long status = 0;
        Text(platform::kHkeyCurrentUser, kTypedUrls, "url2", &status);
        EXPECT_EQ(status, platform::kErrorFileNotFound);
    }  // not committed
    EXPECT_NE(Text(platform::kHkeyCurrentUser, kTypedUrls, "url2"), "");
    std::string problem;
    EXPECT_EQ(platform::SaveRegistryChanges(problem), 0);
    EXPECT_EQ(ReadFile(hive), original) << "nothing to save";

    // A value set and a key made last for this run only; a deletion is saved.
    platform::HKey made = 0;
    ASSERT_EQ(
        platform::RegCreateKey(platform::kHkeyCurrentUser, "Software\\Nimbrel\\Ignore", platform::kKeyAllAccess, &made),
        0);
    const std::uint8_t off[2] = {0, 0};
    EXPECT_EQ(platform::RegSetValue(made, "MSOffice", platform::kRegBinary, off, 2), 0);
    platform::RegCloseKey(made);
    EXPECT_EQ(DeleteValue(platform::kHkeyCurrentUser, kTypedUrls, "url3"), 0);
    EXPECT_EQ(platform::SaveRegistryChanges(problem), 0) << problem;
    EXPECT_NE(ReadFile(hive), original);
    EXPECT_EQ(ReadFile(hive.string() + ".nimbrel-backup"), original);

    // Read again from the file: the deletion is there, the run's own
    // changes are not.
    long status = 0;
    Text(platform::kHkeyCurrentUser, kTypedUrls, "url3", &status);
    EXPECT_EQ(status, platform::kErrorFileNotFound);
    EXPECT_NE(Text(platform::kHkeyCurrentUser, kTypedUrls, "url2"), "");
    platform::HKey nimbrel = 0;
    EXPECT_EQ(platform::RegOpenKey(platform::kHkeyCurrentUser, "Software\\Nimbrel", platform::kKeyRead, &nimbrel),
              platform::kErrorFileNotFound);

    // A second save in the same run keeps the first backup.
    EXPECT_EQ(DeleteValue(platform::kHkeyCurrentUser, kTypedUrls, "url4"), 0);
    EXPECT_EQ(platform::SaveRegistryChanges(problem), 0) << problem;
    EXPECT_EQ(ReadFile(hive.string() + ".nimbrel-backup"), original);
    Text(platform::kHkeyCurrentUser, kTypedUrls, "url4", &status);
    EXPECT_EQ(status, platform::kErrorFileNotFound);
}

// The names of a key's values as the registry calls enumerate them.
std::vector<std::string> ValueNames(const std::string& key) {
    platform::HKey handle = 0;
    std::vector<registry::ValueEntry> values;
    if (platform::RegOpenKey(platform::kHkeyCurrentUser, key, platform::kKeyRead, &handle) == 0)
        registry::ListValues(handle, values);
    if (handle != 0) platform::RegCloseKey(handle);
    std::vector<std::string> names;
    for (const registry::ValueEntry& value : values) names.push_back(value.name);
    return names;
}

TEST_F(HiveStoreTest, ValuesEnumerateInTheHivesOrderThroughChangesAndTheirRollback) {
    // The order the hive itself lists the values in.
    std::vector<std::string> inHive;
    {
        hive_h* hive = hivex_open(windows_.NtUser("jmroberts").c_str(), 0);
        ASSERT_NE(hive, nullptr);
        hive_node_h node = hivex_root(hive);
        for (const char* name : {"Software", "Microsoft", "Internet Explorer", "TypedURLs"})
            if (node != 0) node = hivex_node_get_child(hive, node, name);
        ASSERT_NE(node, 0u);
        hive_value_h* values = hivex_node_values(hive, node);
        for (hive_value_h* value = values; value != nullptr && *value != 0; ++value) {
            char* name = hivex_value_key(hive, *value);
            inHive.emplace_back(name);
            std::free(name);
        }
        std::free(values);
        hivex_close(hive);
    }
    ASSERT_GE(inHive.size(), 3u);
    Use();
    EXPECT_EQ(ValueNames(kTypedUrls), inHive);
    const std::string firstData = Text(platform::kHkeyCurrentUser, kTypedUrls, inHive[0]);
    ASSERT_NE(firstData, "");

    {
        platform::RegistryBatch batch;
        ASSERT_EQ(batch.Status(), 0);
        const std::uint8_t text[] = "x";
        platform::HKey handle = 0;
        ASSERT_EQ(platform::RegOpenKey(platform::kHkeyCurrentUser, kTypedUrls, platform::kKeyAllAccess, &handle), 0);
        EXPECT_EQ(platform::RegDeleteValue(handle, inHive[1]), 0);
        EXPECT_EQ(platform::RegSetValue(handle, inHive[0], platform::kRegSz, text, sizeof text), 0);
        EXPECT_EQ(platform::RegSetValue(handle, "added", platform::kRegSz, text, sizeof text), 0);
        platform::RegCloseKey(handle);
        std::vector<std::string> changed = inHive;
        changed.erase(changed.begin() + 1);
        changed.push_back("added");
        EXPECT_EQ(ValueNames(kTypedUrls), changed) << "a value set keeps its place, one added comes last";
    }  // not committed
    EXPECT_EQ(ValueNames(kTypedUrls), inHive) << "the deleted value is back in its place";
    EXPECT_EQ(Text(platform::kHkeyCurrentUser, kTypedUrls, inHive[0]), firstData);
    long status = 0;
    Text(platform::kHkeyCurrentUser, kTypedUrls, "added", &status);
    EXPECT_EQ(status, platform::kErrorFileNotFound);
}

TEST_F(HiveStoreTest, AKeyWithSubkeysIsNotDeleted) {
    Use();
    EXPECT_EQ(platform::RegDeleteKey(platform::kHkeyCurrentUser, "Software\\Microsoft"), platform::kErrorAccessDenied);
    EXPECT_EQ(platform::RegDeleteKey(platform::kHkeyUsers, "S-1-5-21-0-0-0-1000"), platform::kErrorAccessDenied);
}

TEST_F(HiveStoreTest, AMachineThatMayNotBeChangedRefusesEveryChange) {
    Use(true);
    EXPECT_EQ(platform::RegistryBatch().Status(), platform::kErrorWriteProtect);
    EXPECT_EQ(DeleteValue(platform::kHkeyCurrentUser, kTypedUrls, "url1"), platform::kErrorWriteProtect);
    EXPECT_EQ(platform::RegDeleteKey(platform::kHkeyCurrentUser, kTypedUrls), platform::kErrorWriteProtect);
    EXPECT_NE(platform::OfflineCleanRefusal().find("--read-only"), std::string::npos);
}

TEST_F(HiveStoreTest, AHiveThatCannotBeWrittenBackAsItWasIsLeftWholeAndSoAreTheOthers) {
    // A hive of version 1.5 whose TypedURLs key also holds a value larger
    // than one cell: hivex would not write it back as Windows keeps it.
    const fs::path hive = windows_.NtUser("jmroberts");
    hive_h* writer = hivex_open(hive.c_str(), HIVEX_OPEN_WRITE);
    ASSERT_NE(writer, nullptr);
    hive_node_h key = hivex_root(writer);
    for (const char* name : {"Software", "Microsoft", "Internet Explorer", "TypedURLs"})
        key = hivex_node_get_child(writer, key, name);
    ASSERT_NE(key, 0u);
    std::string big(20000, 'x');
    hive_set_value value{const_cast<char*>("big"), hive_t_REG_BINARY, big.size(), big.data()};
    ASSERT_EQ(hivex_node_set_value(writer, key, &value, 0), 0);
    ASSERT_EQ(hivex_commit(writer, nullptr, 0), 0);
    hivex_close(writer);
    std::string bytes = ReadFile(hive);
    bytes[0x18] = 5;
    const std::uint32_t sum = platform::offline::BaseBlockChecksum(bytes);
    for (int i = 0; i < 4; ++i) bytes[508 + i] = static_cast<char>(sum >> (8 * i));
    std::ofstream(hive, std::ios::binary | std::ios::trunc) << bytes;
    const std::string before = ReadFile(hive);
    const std::string otherBefore = ReadFile(windows_.NtUser("nfury"));

    Use();
    EXPECT_EQ(DeleteValue(platform::kHkeyCurrentUser, kTypedUrls, "url1"), 0);
    EXPECT_EQ(DeleteValue(platform::kHkeyUsers,
                          "S-1-5-21-111-222-333-1002\\Software\\Microsoft\\Internet Explorer\\TypedURLs", "url1"),
              0);
    std::string problem;
    EXPECT_NE(platform::SaveRegistryChanges(problem), 0);
    EXPECT_NE(problem.find("16 KB"), std::string::npos) << problem;
    EXPECT_EQ(ReadFile(hive), before);
    EXPECT_EQ(ReadFile(windows_.NtUser("nfury")), otherBefore);
    EXPECT_FALSE(fs::exists(hive.string() + ".nimbrel-new"));
    EXPECT_FALSE(fs::exists(windows_.NtUser("nfury").string() + ".nimbrel-new"));
    // What is read now is what the files hold.
    EXPECT_NE(Text(platform::kHkeyCurrentUser, kTypedUrls, "url1"), "");
}

TEST_F(HiveStoreTest, AUsersClassesHiveIsItsSidWithClasses) {
    const fs::path classes = windows_.HostPath("C:\\Users\\nfury\\AppData\\Local\\Microsoft\\Windows\\UsrClass.dat");
    fs::create_directories(classes.parent_path());
    testing_support::MakeSoftwareHive(classes, {});
    Use();
    EXPECT_EQ(Text(platform::kHkeyUsers, "S-1-5-21-111-222-333-1002_Classes\\Microsoft\\Windows NT\\CurrentVersion",
                   "SystemRoot"),
              std::string("C:\\Windows") + '\0');
}

TEST(OfflineXpTest, ProfilesInDocumentsAndSettingsAreFound) {
    OfflineInstallation xp({{"joe", "S-1-5-21-5-6-7-1003", "xp-ntuser.dat", "Documents and Settings"}});
    platform::OfflineOptions options;
    options.windowsFolder = xp.Drive().string();
    ASSERT_EQ(platform::UseOfflineMachine(options), "");
    EXPECT_EQ(platform::CurrentUserSid(), "S-1-5-21-5-6-7-1003");
    EXPECT_EQ(platform::ExpandEnvironmentStrings("%USERPROFILE%"), "C:\\Documents and Settings\\joe");
    platform::HKey software = 0;
    EXPECT_EQ(platform::RegOpenKey(platform::kHkeyCurrentUser, "Software\\Microsoft", platform::kKeyRead, &software),
              0);
    platform::RegCloseKey(software);
    platform::LeaveOfflineMachine();
}

TEST(RegfHeaderTest, TellsAWholeHiveFromADirtyOneAndChecksItsChecksum) {
    using platform::offline::ReadRegfHeader;
    const std::string clean = ReadFile(testing_support::TestHive("win7-ntuser.dat")).substr(0, 4096);
    const platform::offline::RegfHeader header = ReadRegfHeader(clean);
    EXPECT_TRUE(header.isHive);
    EXPECT_TRUE(header.checksumHolds);
    EXPECT_FALSE(header.Dirty());
    EXPECT_TRUE(header.embeddedPath.ends_with("\\Users\\jmroberts\\ntuser.dat")) << header.embeddedPath;

    EXPECT_TRUE(ReadRegfHeader(ReadFile(testing_support::TestHive("win10-ntuser-office.dat"))).Dirty());
    std::string damaged = clean;
    damaged[100] ^= 1;
    EXPECT_FALSE(ReadRegfHeader(damaged).checksumHolds);
    EXPECT_FALSE(ReadRegfHeader("not a hive").isHive);
}

}  // namespace
