#include "scan/key_scanners.h"

#include <string>

#include "registry/mod_registry.h"
#include "scan/catalogue.h"
#include "scan/catalogue_interpreter.h"
#include "scan/record.h"
#include "scan/subkey_list.h"

namespace scan {

namespace {

using namespace catalogue;

// {Group, Root, Key, Value, Type, Range, Label, Count, Notes}
// clang-format off
// The UserAssist "Count" keys of two GUIDs, current and default user; only
// "Count" is recorded, not its GUID parent.
constexpr Row kUserAssist[] = {
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist\\{5E6AB780-7743-11CF-A12B-00AA004AE837}\\Count"}, _, key, _, {"Windows UserAssist MRU - {5E6AB780-7743-11CF-A12B-00AA004AE837}"}, list, Key({"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist\\{5E6AB780-7743-11CF-A12B-00AA004AE837}\\"}, {"Count"})},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist\\{75048700-EF1F-11D0-9888-006097DEACF9}\\Count"}, _, key, _, {"Windows UserAssist MRU - {75048700-EF1F-11D0-9888-006097DEACF9}"}, list, Key({"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist\\{75048700-EF1F-11D0-9888-006097DEACF9}\\"}, {"Count"})},
    {_, HKU, {".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist\\{5E6AB780-7743-11CF-A12B-00AA004AE837}\\Count"}, _, key, _, {"Windows UserAssist MRU (Default) - {5E6AB780-7743-11CF-A12B-00AA004AE837}"}, list, Key({".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist\\{5E6AB780-7743-11CF-A12B-00AA004AE837}\\"}, {"Count"})},
    {_, HKU, {".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist\\{75048700-EF1F-11D0-9888-006097DEACF9}\\Count"}, _, key, _, {"Windows UserAssist MRU (Default) - {75048700-EF1F-11D0-9888-006097DEACF9}"}, list, Key({".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist\\{75048700-EF1F-11D0-9888-006097DEACF9}\\"}, {"Count"})},
};

// Google Toolbar history of the current user and of every user hive; the
// label carries the hive's position in the list, not its name.
constexpr Row kGoogleToolbar[] = {
    {_, HKCU, {"Software\\Google\\NavClient\\1.1\\History"}, _, key, _, {"Google Toolbar - History"}, list, Key({"Software\\Google\\NavClient\\1.1\\"}, {"History"})},
    {H1, HKU, {h, "\\Software\\Google\\NavClient\\1.1\\History"}, _, key, _, {"Google Toolbar - History {", i, "}"}, list, Key({h, "\\Software\\Google\\NavClient\\1.1\\"}, {"History"})},
};

// The notification area's past items, read as raw data and recorded as "B".
constexpr Row kTrayNotify[] = {
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\TrayNotify"}, {"IconStreams"}, BB, _, {"Windows - Past Items List in Customize Notifications - IconStreams"}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\TrayNotify"}, {"PastIconsStream"}, BB, _, {"Windows - Past Items List in Customize Notifications - PastIconsStream"}, item, _},
};

// Outlook Express stationery outside the identities, after them.
constexpr Row kOutlookExpressStationery[] = {
    {_, HKCU, {"Software\\Microsoft\\Outlook Express\\Recent Stationery List"}, {"File", n}, S, N(0, 25), {"Outlook Express - Recent Stationery List - File", n}, item, _},
};
// clang-format on

constexpr const char* kUnreadMail = "Software\\Microsoft\\Windows\\CurrentVersion\\UnreadMail";
constexpr int kStationeryFiles = 26;  // File0 to File25

bool ValueThere(const std::string& key, const std::string& name) {
    modRegistry::ValueHolder result;
    modRegistry::ReadValue("HKCU", key, name, "S", modRegistry::kNone, result);
    return !(result.IsText() && result.Text() == modRegistry::kNone);
}

void ScanStationery(ScanContext& ctx, const std::string& key, const std::string& label) {
    for (int c = 0; c < kStationeryFiles; ++c) {
        const std::string name = "File" + std::to_string(c);
        if (ValueThere(key, name)) Record(ctx, Counter::kItems, {label + std::to_string(c), "HKCU", key, name, "S", "Value"});
    }
}

// The stationery lists and the attachment path of one mail identity; the
// labels do not name it.
void ScanIdentity(ScanContext& ctx, const std::string& id) {
    const std::string express = "Identities\\" + id + "\\Software\\Microsoft\\Outlook Express\\5.0\\";
    ScanStationery(ctx, express + "Recent Stationery List", "Outlook Express 5.0 - Recent Stationery List - File");
    ScanStationery(ctx, express + "Recent Stationery Wide List",
                   "Outlook Express 5.0 - Recent Stationery Wide List - File");
    if (ValueThere(express, "Save Attachment Path")) {
        Record(ctx, Counter::kItems,
               {"Outlook Express 5.0 - Save Attachment Path MRU", "HKCU", express, "Save Attachment Path", "S", "Value"});
    }
}

}  // namespace

void ScanOutlookExpressIdentities(ScanContext& ctx) {
    ctx.window.subkeyNames.clear();
    ctx.window.subkeyNames = ListSubkeys(ctx.window.registry, kClassKeyCurrentUser, "Identities");
    for (const std::string& id : ctx.window.subkeyNames) ScanIdentity(ctx, id);
    RunCatalogue(ctx, kOutlookExpressStationery);
}

void ScanGoogleToolbar(ScanContext& ctx) { RunCatalogue(ctx, kGoogleToolbar); }

void ScanUserAssist(ScanContext& ctx) { RunCatalogue(ctx, kUserAssist); }

void ScanTrayNotify(ScanContext& ctx) { RunCatalogue(ctx, kTrayNotify); }

void ScanUnreadMail(ScanContext& ctx) {
    ctx.window.subkeyNames.clear();
    ctx.window.subkeyNames = ListSubkeys(ctx.window.registry, kClassKeyCurrentUser, kUnreadMail);
    for (const std::string& account : ctx.window.subkeyNames) {
        Record(ctx, Counter::kItems,
               {"Windows - UnreadMail Count MRU List - " + account, "HKCU", std::string(kUnreadMail) + "\\", account, "",
                "Key"});
    }
}

}  // namespace scan
