// Ground shared by the tests of the application, single-item, archiver and
// peer-to-peer scanners: .reg texts, the store's rows, and a machine on which
// every location these scanners probe exists, in three user hives.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "scan/subkey_list.h"
#include "tests/scan/scan_fixture.h"

namespace scan_testing {

using scan::DetectedItem;

inline constexpr const char* kCurrentUser = "S-1-5-21-0-0-0-1000";  // HKCU
inline constexpr const char* kThirdUser = "S-1-5-21-0-0-0-1001";

inline DetectedItem ValueRow(std::string label, std::string root, std::string key, std::string value,
                             std::string type) {
    return {std::move(label), std::move(root), std::move(key), std::move(value), std::move(type), "Value"};
}
inline DetectedItem KeyRow(std::string label, std::string root, std::string parent, std::string subkey) {
    return {std::move(label), std::move(root), std::move(parent), std::move(subkey), "", "Key"};
}

// A row expected at a position of the store.
struct RowAt {
    std::size_t index;
    DetectedItem row;
};

class CatalogueScanTest : public ScanTest {
protected:
    // A .reg body, without its header line.
    void Import(const std::string& body) { ImportReg("Windows Registry Editor Version 5.00\n\n" + body); }

    void SetSwitch(const std::string& id, bool on) {
        Import("[HKEY_CURRENT_USER\\Software\\Nimbrel\\Ignore]\n\"" + id + "\"=hex:" + (on ? "ff,ff" : "00,00") + "\n");
    }

    // The hive list as the scan driver builds it.
    void ListHives() { window.EnumList = scan::ListUserHives(window.registry); }

    // Every location in .DEFAULT, the current user and a third user.
    void ImportEverywhere() {
        ImportFixture("application_lists_everywhere.reg");
        ListHives();
        ASSERT_EQ(window.EnumList, (std::vector<std::string>{".DEFAULT", kCurrentUser, kThirdUser}));
    }

    std::vector<DetectedItem> Rows() const {
        std::vector<DetectedItem> rows;
        for (std::size_t row = 0; row < results.store.RowCount(); ++row) rows.push_back(results.store.Row(row));
        return rows;
    }

    void ExpectRowsAt(const std::vector<RowAt>& expected) const {
        const std::vector<DetectedItem> rows = Rows();
        for (const RowAt& at : expected) {
            ASSERT_LT(at.index, rows.size()) << at.row.label;
            EXPECT_EQ(rows[at.index], at.row) << "row " << at.index;
        }
    }

    void ExpectCounters(int lists, int items) const {
        EXPECT_EQ(window.listsdetected.caption, std::to_string(lists));
        EXPECT_EQ(window.itemsdetected.caption, std::to_string(items));
        EXPECT_EQ(results.store.RowCount(), static_cast<std::size_t>(lists + items));
    }
};

}  // namespace scan_testing
