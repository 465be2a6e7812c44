// The steps of Windows Vista to 11 and Office 2007 to 365 on real user
// hives (tests/data/hives, exported with hivexregedit and imported as the
// current user's): the values and keys under the steps' locations, listed
// here by walking the imported registry through the platform's own
// enumeration, are exactly what the steps find; a clean removes those and
// nothing else; a second scan finds none of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "clean/clean_item.h"
#include "platform/ansi_case.h"
#include "platform/registry_api.h"
#include "platform/system_info.h"
#include "registry/key_contents.h"
#include "scan/explorer_history_lists.h"
#include "scan/office_mru_lists.h"
#include "scan/subkey_list.h"
#include "scan/tool_history_lists.h"
#include "tests/scan/scan_fixture.h"
#include "tests/support/run_program.h"

namespace {

using registry::ValueEntry;

// Places in one spelling: "ROOT\KEY" for a key, "ROOT\KEY" TAB "NAME" for
// a value, upper-cased.
std::string KeyPlace(const std::string& root, const std::string& key) { return platform::UpperName(root + "\\" + key); }
std::string ValuePlace(const std::string& root, const std::string& key, const std::string& name) {
    return KeyPlace(root, key) + "\t" + platform::UpperName(name);
}

platform::HKey RootHandle(const std::string& root) {
    return root == "HKCU" ? platform::kHkeyCurrentUser : platform::kHkeyUsers;
}

std::vector<std::string> SubkeysOf(const std::string& root, const std::string& key) {
    std::vector<std::string> names;
    platform::HKey handle = 0;
    if (platform::RegOpenKey(RootHandle(root), key, platform::kKeyRead, &handle) != 0) return names;
    registry::ListSubKeys(handle, names);
    platform::RegCloseKey(handle);
    return names;
}

std::optional<std::vector<ValueEntry>> ValuesOf(const std::string& root, const std::string& key) {
    platform::HKey handle = 0;
    if (platform::RegOpenKey(RootHandle(root), key, platform::kKeyRead, &handle) != 0) return std::nullopt;
    std::vector<ValueEntry> values;
    registry::ListValues(handle, values);
    platform::RegCloseKey(handle);
    return values;
}

// What the newer steps are to find, listed from the registry itself.
class Traces {
public:
    // Every value of the key whose name starts with prefix; a value without
    // data is no trace (the catalogue's rule).
    void Values(const std::string& root, const std::string& key, const std::string& prefix = "") {
        for (const ValueEntry& value : ValuesOf(root, key).value_or(std::vector<ValueEntry>{})) {
            if (value.data.empty() || !platform::EqualsIgnoringCase(value.name.substr(0, prefix.size()), prefix))
                continue;
            places.insert(ValuePlace(root, key, value.name));
        }
    }
    void Value(const std::string& root, const std::string& key, const std::string& name) {
        for (const ValueEntry& value : ValuesOf(root, key).value_or(std::vector<ValueEntry>{})) {
            if (!value.data.empty() && platform::EqualsIgnoringCase(value.name, name))
                places.insert(ValuePlace(root, key, name));
        }
    }
    // The key and every key below it.
    void Tree(const std::string& root, const std::string& key) {
        if (!ValuesOf(root, key)) return;
        places.insert(KeyPlace(root, key));
        for (const std::string& name : SubkeysOf(root, key)) Tree(root, key + "\\" + name);
    }
    // Tree for each subkey of key.
    void TreesBelow(const std::string& root, const std::string& key) {
        for (const std::string& name : SubkeysOf(root, key)) Tree(root, key + "\\" + name);
    }

    std::set<std::string> places;
};

void ListUserTraces(Traces& traces, const std::string& root, const std::string& prefix, bool currentUser) {
    const std::string explorer = prefix + "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";
    traces.Values(root, explorer + "TypedPaths");
    traces.Values(root, explorer + "WordWheelQuery");
    for (const std::string& place : SubkeysOf(root, explorer + "WordWheelQuery")) {
        traces.Values(root, explorer + "WordWheelQuery\\" + place);
    }
    for (const std::string& extension : SubkeysOf(root, explorer + "ComDlg32\\OpenSavePidlMRU")) {
        traces.Values(root, explorer + "ComDlg32\\OpenSavePidlMRU\\" + extension);
    }
    for (const char* list : {"LastVisitedPidlMRU", "LastVisitedPidlMRULegacy", "CIDSizeMRU", "FirstFolder"}) {
        traces.Values(root, explorer + "ComDlg32\\" + list);
    }
    traces.Values(root, explorer + "Map Network Drive MRU");
    for (const char* usage : {"AppLaunch", "AppSwitched", "ShowJumpView"}) {
        traces.Values(root, explorer + "FeatureUsage\\" + usage);
    }
    traces.TreesBelow(root, prefix + "Software\\Microsoft\\Windows\\CurrentVersion\\Search\\RecentApps");

    for (const std::string& guid : SubkeysOf(root, explorer + "UserAssist")) {
        if (platform::EqualsIgnoringCase(guid, "{5E6AB780-7743-11CF-A12B-00AA004AE837}") ||
            platform::EqualsIgnoringCase(guid, "{75048700-EF1F-11D0-9888-006097DEACF9}")) {
            continue;  // Windows XP's, the "userassist" step's
        }
        traces.Tree(root, explorer + "UserAssist\\" + guid + "\\Count");
    }

    traces.Values(root, prefix + "Software\\Microsoft\\Terminal Server Client\\Default");
    traces.TreesBelow(root, prefix + "Software\\Microsoft\\Terminal Server Client\\Servers");

    for (const char* version : {"12.0", "14.0", "15.0", "16.0"}) {
        const std::string office = prefix + "Software\\Microsoft\\Office\\" + version + "\\";
        for (const std::string& application : SubkeysOf(root, office.substr(0, office.size() - 1))) {
            const std::string key = office + application;
            std::vector<std::string> lists = {key + "\\File MRU", key + "\\Place MRU"};
            for (const std::string& account : SubkeysOf(root, key + "\\User MRU")) {
                lists.push_back(key + "\\User MRU\\" + account + "\\File MRU");
                lists.push_back(key + "\\User MRU\\" + account + "\\Place MRU");
            }
            for (const std::string& list : lists) traces.Values(root, list, "Item ");
        }
    }

    traces.Values(root, prefix + "Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList");
    if (!currentUser)
        traces.Values(root,
                      prefix + "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List");
    traces.Values(root, prefix + "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit\\Favorites");
    traces.Value(root, prefix + "Software\\7-Zip\\Compression", "ArcHistory");
    traces.Value(root, prefix + "Software\\7-Zip\\Extraction", "PathHistory");
    traces.Value(root, prefix + "Software\\7-Zip\\FM", "CopyHistory");
    for (const std::string& product : SubkeysOf(root, prefix + "Software\\Adobe")) {
        for (const std::string& version : SubkeysOf(root, prefix + "Software\\Adobe\\" + product)) {
            const std::string general = prefix + "Software\\Adobe\\" + product + "\\" + version + "\\AVGeneral\\";
            const bool catalogued = (platform::EqualsIgnoringCase(product, "Acrobat Reader") ||
                                     platform::EqualsIgnoringCase(product, "Adobe Acrobat")) &&
                                    (version == "5.0" || version == "6.0");
            if (!catalogued) traces.TreesBelow(root, general + "cRecentFiles");
            traces.TreesBelow(root, general + "cRecentFolders");
        }
    }
}

void ListShellBags(Traces& traces, const std::string& root, const std::string& prefix, const std::string& classes) {
    for (const char* tree : {"BagMRU", "Bags"}) {
        traces.Tree(root, prefix + "Software\\Microsoft\\Windows\\Shell\\" + tree);
        traces.Tree(root, classes + "Local Settings\\Software\\Microsoft\\Windows\\Shell\\" + tree);
    }
}

// Every key of HKEY_USERS by place, with its values in enumeration order.
using Registry = std::map<std::string, std::vector<ValueEntry>>;

void TakeSnapshot(const std::string& key, Registry& registry) {
    std::vector<ValueEntry>& values = registry[KeyPlace("HKU", key)];
    values = ValuesOf("HKU", key).value_or(std::vector<ValueEntry>{});
    for (const std::string& name : SubkeysOf("HKU", key))
        TakeSnapshot(key.empty() ? name : key + "\\" + name, registry);
}

// A few places of a that b lacks, for the message.
std::vector<std::string> FirstOnlyIn(const std::set<std::string>& a, const std::set<std::string>& b) {
    std::vector<std::string> only;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(only));
    if (only.size() > 10) only.resize(10);
    return only;
}

bool SameValues(const std::vector<ValueEntry>& a, const std::vector<ValueEntry>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const ValueEntry& x, const ValueEntry& y) {
        return x.name == y.name && x.type == y.type && x.data == y.data;
    });
}

// The places where two snapshots differ, a few of them for the message.
std::vector<std::string> Differences(const Registry& expected, const Registry& actual) {
    std::vector<std::string> differences;
    for (const auto& [place, values] : expected) {
        const auto found = actual.find(place);
        if (found == actual.end())
            differences.push_back("gone: " + place);
        else if (!SameValues(found->second, values))
            differences.push_back("values differ: " + place);
    }
    for (const auto& [place, values] : actual) {
        if (!expected.contains(place)) differences.push_back("stayed: " + place);
    }
    if (differences.size() > 10) differences.resize(10);
    return differences;
}

struct Hive {
    const char* name;
    const char* file;
    std::size_t traces;  // how many the hive holds at least, so that a walk that finds none fails
};

class NewerWindowsHivesTest : public scan_testing::ScanTest, public ::testing::WithParamInterface<Hive> {
protected:
    void SetUp() override {
        const std::string hive = std::string(NIMBREL_SOURCE_DIR) + "/tests/data/hives/" + GetParam().file;
        const testing_support::ProgramRun exported =
            testing_support::RunProgram("hivexregedit", {"--export", "--prefix", "HKEY_CURRENT_USER", hive, "\\"});
        if (exported.exitCode == 127) GTEST_SKIP() << "hivexregedit (Debian libwin-hivex-perl) is not installed";
        ASSERT_EQ(exported.exitCode, 0) << exported.err;
        scan_testing::ImportReg(exported.out);
        window.EnumList = scan::ListUserHives(window.registry);
    }

    void ScanNewerLists() {
        for (scan::Scanner scanner : {scan::ScanExplorerHistory, scan::ScanUserAssistSeven, scan::ScanRemoteDesktop,
                                      scan::ScanOfficeFileMru, scan::ScanMediaAndTools, scan::ScanShellBags}) {
            scanner(ctx);
        }
    }

    // The rows' places, each once.
    std::set<std::string> FoundPlaces() const {
        std::set<std::string> places;
        for (std::size_t row = 0; row < results.store.RowCount(); ++row) {
            const scan::DetectedItem item = results.store.Row(row);
            const std::string place = item.kind == "Key" ? KeyPlace(item.mainkey, item.subkey + item.value)
                                                         : ValuePlace(item.mainkey, item.subkey, item.value);
            EXPECT_TRUE(places.insert(place).second) << "listed twice: " << item.label;
        }
        return places;
    }
};

TEST_P(NewerWindowsHivesTest, TheStepsFindEveryTraceAndTheCleanRemovesThoseAlone) {
    Traces traces;
    ListUserTraces(traces, "HKCU", "", true);
    ListShellBags(traces, "HKCU", "", "Software\\Classes\\");
    for (const std::string& hive : window.EnumList) {
        ListUserTraces(traces, "HKU", hive + "\\", false);
        ListShellBags(traces, "HKU", hive + "\\", hive + "_Classes\\");
    }
    ASSERT_GE(traces.places.size(), GetParam().traces);

    ScanNewerLists();
    const std::set<std::string> found = FoundPlaces();
    EXPECT_EQ(FirstOnlyIn(traces.places, found), std::vector<std::string>{}) << "missed";
    EXPECT_EQ(FirstOnlyIn(found, traces.places), std::vector<std::string>{}) << "found beyond the locations";

    Registry expected;
    TakeSnapshot("", expected);
    for (const std::string& found : traces.places) {
        // HKCU is this hive of HKU on the emulated machine.
        const std::string place = found.starts_with("HKCU\\") ? "HKU\\S-1-5-21-0-0-0-1000" + found.substr(4) : found;
        const std::size_t tab = place.find('\t');
        if (tab == std::string::npos) {
            expected.erase(place);
            continue;
        }
        std::vector<ValueEntry>& values = expected[place.substr(0, tab)];
        std::erase_if(
            values, [&](const ValueEntry& value) { return platform::UpperName(value.name) == place.substr(tab + 1); });
    }
    const std::string windows = platform::WindowsDirectory();
    for (std::size_t row = 0; row < results.store.RowCount(); ++row) {
        const clean::RowResult result =
            clean::CleanItem(results.store.Row(row), windows, results.store.Snapshot(row)).result;
        // The current user's items are listed twice, as HKCU and under the SID.
        EXPECT_TRUE(result == clean::RowResult::kDeleted || result == clean::RowResult::kAbsent)
            << results.store.Row(row).label << ": " << clean::RowResultName(result);
    }
    Registry after;
    TakeSnapshot("", after);
    EXPECT_EQ(Differences(expected, after), std::vector<std::string>{});

    results.store.Clear();
    ScanNewerLists();
    EXPECT_EQ(results.store.RowCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Hives, NewerWindowsHivesTest,
                         ::testing::Values(Hive{"WindowsXp", "xp-ntuser.dat", 8},
                                           Hive{"Windows7", "win7-ntuser.dat", 100},
                                           Hive{"Windows7Second", "win7-ntuser-2.dat", 100},
                                           Hive{"Windows10", "win10-ntuser.dat", 38},
                                           Hive{"Windows10Office", "win10-ntuser-office.dat", 100}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
