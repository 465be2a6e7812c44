// Rows that name one item under different names: the current user's hive
// as HKCU and under its SID, HKCR below HKLM, names in any case, paths with
// any separators. An unchecked row keeps every checked row that names its
// item, or holds it.
#include "clean/item_place.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using scan::DetectedItem;

constexpr const char* kSid = "S-1-5-21-7-7-7-1001";

DetectedItem Value(const std::string& root, const std::string& key, const std::string& name) {
    return {"label", root, key, name, "S", "Value"};
}
DetectedItem Key(const std::string& root, const std::string& parent, const std::string& name) {
    return {"label", root, parent, name, "", "Key"};
}
DetectedItem Path(const std::string& path, const char* kind) { return {"label", path, " ", " ", " ", kind}; }

TEST(ItemPlaceTest, AnUncheckedRowKeepsTheCheckedRowsThatNameOrHoldItsItem) {
    struct Case {
        const char* what;
        DetectedItem unchecked;
        DetectedItem checked;
        bool kept;
    };
    const std::string typed = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
    const std::string sidTyped = std::string(kSid) + "\\" + typed;
    const Case cases[] = {
        {"HKCU and the user's SID", Value("HKCU", typed, "url1"), Value("HKU", sidTyped, "url1"), true},
        {"the SID and HKCU", Value("HKU", sidTyped, "url1"), Value("hkcu", typed + "\\", "url1"), true},
        {"names in another case", Value("HKCU", typed, "url1"),
         Value("HKU", "s-1-5-21-7-7-7-1001\\SOFTWARE\\" + typed.substr(9), "URL1"), true},
        {"another value of the key", Value("HKCU", typed, "url1"), Value("HKU", sidTyped, "url2"), false},
        {"another user's hive", Value("HKCU", typed, "url1"), Value("HKU", "S-1-5-21-7-7-7-1002\\" + typed, "url1"),
         false},
        {"the default user's hive", Value("HKCU", typed, "url1"), Value("HKU", ".DEFAULT\\" + typed, "url1"), false},
        {"HKCR and HKLM's classes", Value("HKCR", ".doc\\OpenWithList", "a"),
         Value("HKLM", "Software\\Classes\\.doc\\OpenWithList", "a"), true},
        {"a key around the value", Value("HKCU", typed, "url1"),
         Key("HKU", std::string(kSid) + "\\Software\\Microsoft\\Internet Explorer", "TypedURLs"), true},
        {"a key beside the value's", Value("HKCU", typed, "url1"),
         Key("HKCU", "Software\\Microsoft\\Internet Explorer", "TypedPaths"), false},
        {"a value inside the unchecked key", Key("HKCU", "Software\\Microsoft\\Internet Explorer", "TypedURLs"),
         Value("HKU", sidTyped, "url1"), false},
        {"a value whose name holds the key's", Value("HKCU", typed, "x\\y"), Key("HKCU", typed, "x"), false},
        {"the same file", Path("C:\\Documents and Settings\\anna\\Recent\\a.lnk", "File"),
         Path("c:/documents and settings/ANNA/recent//a.lnk", "File"), true},
        {"the folder around the file", Path("C:\\Office\\Recent\\a.lnk", "File"),
         Path("C:\\Office\\Recent\\", "Folder"), true},
        {"a folder beside it", Path("C:\\Office\\Recent\\a.lnk", "File"), Path("C:\\Office\\Recent2", "Folder"), false},
        {"a key row without a name", Key("HKCU", typed, ""), Key("HKCU", typed, ""), false},
    };
    for (const Case& c : cases) {
        scan::DetectedItems store;
        store.Append(c.unchecked);
        store.Append(c.checked);
        store.Append(Value("HKLM", "Software\\Elsewhere", "x"));
        store.SetChecked(0, false);
        EXPECT_EQ(clean::RowsKeptForUncheckedTwin(store, kSid), (std::vector<bool>{false, c.kept, false})) << c.what;
        // With every row checked, nothing is kept.
        store.SetChecked(0, true);
        EXPECT_EQ(clean::RowsKeptForUncheckedTwin(store, kSid), (std::vector<bool>(3, false))) << c.what;
    }
}

}  // namespace
