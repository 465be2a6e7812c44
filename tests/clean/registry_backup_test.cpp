// The .reg backup of what a clean deletes, on a scratch key of either
// platform: what it holds, what it leaves out, and that importing it brings
// the data back byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clean/clean_item.h"
#include "clean/registry_backup.h"
#include "scan/registry_row.h"
#include "platform/registry_api.h"
#include "registry/key_contents.h"
#include "registry/reg_file.h"
#include "registry/reg_import.h"
#include "tests/support/scratch_key.h"

namespace {

using scan::DetectedItem;

class RegistryBackupTest : public ::testing::Test {
protected:
    RegistryBackupTest() {
        Set("List", "url1", platform::kRegSz, std::string("http://a.example/\0", 18));
        Set("List", "odd", platform::kRegBinary, std::string("\x00\xFF\x01", 3));
        Set("List", "kept", platform::kRegSz, std::string("stays\0", 6));
        Set("Count", "HRZR", platform::kRegBinary, std::string("\x01\x02", 2));
        Set("Count", "n", platform::kRegDword, std::string("\x07\x00\x00\x00", 4));
        Set("Account\\Sub", "x", platform::kRegSz, std::string("y\0", 2));
    }

    void Set(const std::string& below, const std::string& name, std::uint32_t type, const std::string& data) {
        platform::HKey handle = 0;
        ASSERT_EQ(platform::RegCreateKey(key.Root(), key.Path(below), platform::kKeyAllAccess, &handle), 0);
        EXPECT_EQ(platform::RegSetValue(handle, name, type, reinterpret_cast<const std::uint8_t*>(data.data()),
                                        static_cast<std::uint32_t>(data.size())),
                  0);
        platform::RegCloseKey(handle);
    }
    std::vector<registry::ValueEntry> Values(const std::string& below) {
        std::vector<registry::ValueEntry> values;
        platform::HKey handle = 0;
        if (platform::RegOpenKey(key.Root(), key.Path(below), platform::kKeyRead, &handle) != 0) return values;
        registry::ListValues(handle, values);
        platform::RegCloseKey(handle);
        return values;
    }
    DetectedItem ValueRow(const std::string& below, const std::string& name) {
        return {"label", key.RootName(), key.Path(below), name, "S", "Value"};
    }
    DetectedItem KeyRow(const std::string& name) {
        return {"label", key.RootName(), key.Path() + "\\", name, "", "Key"};
    }

    testing_support::ScratchKey key;
    scan::DetectedItems store;
};

TEST_F(RegistryBackupTest, ImportingTheBackupAfterTheCleanBringsTheDataBack) {
    store.Append(ValueRow("List", "url1"));
    store.Append(ValueRow("List", "odd"));
    store.Append(KeyRow("Count"));
    const auto listBefore = Values("List");
    const auto countBefore = Values("Count");

    std::string text;
    ASSERT_EQ(clean::BackUpRegistryRows(store, text), "");
    for (std::size_t row = 0; row < store.RowCount(); ++row) clean::CleanItem(store.Row(row), "C:\\WINDOWS");
    ASSERT_EQ(Values("List").size(), 1u);
    ASSERT_TRUE(Values("Count").empty());

    std::vector<registry::RegOperation> operations;
    ASSERT_EQ(registry::ParseRegFile(text, operations), "") << text;
    ASSERT_EQ(registry::ApplyOperations(operations), "");
    const auto listAfter = Values("List");
    EXPECT_EQ(listAfter.size(), listBefore.size());
    for (const auto& before : listBefore) {
        bool same = false;
        for (const auto& after : listAfter)
            same = same || (after.name == before.name && after.type == before.type && after.data == before.data);
        EXPECT_TRUE(same) << before.name;
    }
    const auto countAfter = Values("Count");
    ASSERT_EQ(countAfter.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(countAfter[i].type, countBefore[i].type);
        EXPECT_EQ(countAfter[i].data, countBefore[i].data);
    }
}

TEST_F(RegistryBackupTest, LeavesOutWhatTheCleanCannotDeleteOrDoesNotFind) {
    store.Append(KeyRow("Account"));         // has a subkey: stays
    store.Append(ValueRow("List", "gone"));  // no such value
    store.Append(KeyRow("Nowhere"));         // no such key
    store.Append({"label", "C:\\x.lnk", " ", " ", " ", "File"});
    EXPECT_TRUE(scan::KeyRowStays(store.Row(0)));
    EXPECT_FALSE(scan::KeyRowStays(KeyRow("Count")));
    std::string text;
    ASSERT_EQ(clean::BackUpRegistryRows(store, text), "");
    EXPECT_EQ(text, "Windows Registry Editor Version 5.00\n\n");
}

TEST_F(RegistryBackupTest, ValuesOfOneKeyShareOneSection) {
    store.Append(ValueRow("List", "url1"));
    store.Append(ValueRow("List", "kept"));
    std::string text;
    ASSERT_EQ(clean::BackUpRegistryRows(store, text), "");
    EXPECT_EQ(text, "Windows Registry Editor Version 5.00\n\n[" + key.FullName() +
                        "\\List]\n"
                        "\"url1\"=\"http://a.example/\"\n\"kept\"=\"stays\"\n\n");
}

TEST_F(RegistryBackupTest, ARowThatNoRegistryRootNamesIsRefused) {
    store.Append({"Some INI entry", "C:\\nowhere\\settings.ini", "Section", "Entry", "S", "Value"});
    std::string text;
    const std::string fault = clean::BackUpRegistryRows(store, text);
    EXPECT_NE(fault.find("Some INI entry"), std::string::npos) << fault;
    EXPECT_NE(fault.find("no registry hive"), std::string::npos) << fault;
}

}  // namespace
