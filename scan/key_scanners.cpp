#include "scan/key_scanners.h"

#include <string>

#include "registry/mod_registry.h"
#include "scan/catalogue_interpreter.h"
#include "scan/key_scanner_tables.h"
#include "scan/record.h"
#include "scan/subkey_list.h"

namespace scan {

namespace {

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
        if (ValueThere(key, name))
            Record(ctx, Counter::kItems, {label + std::to_string(c), "HKCU", key, name, "S", "Value"});
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
        Record(
            ctx, Counter::kItems,
            {"Outlook Express 5.0 - Save Attachment Path MRU", "HKCU", express, "Save Attachment Path", "S", "Value"});
    }
}

}  // namespace

void ScanOutlookExpressIdentities(ScanContext& ctx) {
    ctx.window.subkeyNames.clear();
    ctx.window.subkeyNames = ListSubkeys(ctx.window.registry, kClassKeyCurrentUser, "Identities");
    for (const std::string& id : ctx.window.subkeyNames) ScanIdentity(ctx, id);
    RunCatalogue(ctx, tables::kOutlookExpressStationery);
}

void ScanGoogleToolbar(ScanContext& ctx) { RunCatalogue(ctx, tables::kGoogleToolbar); }

void ScanUserAssist(ScanContext& ctx) { RunCatalogue(ctx, tables::kUserAssist); }

void ScanTrayNotify(ScanContext& ctx) { RunCatalogue(ctx, tables::kTrayNotify); }

void ScanUnreadMail(ScanContext& ctx) {
    ctx.window.subkeyNames.clear();
    ctx.window.subkeyNames = ListSubkeys(ctx.window.registry, kClassKeyCurrentUser, kUnreadMail);
    for (const std::string& account : ctx.window.subkeyNames) {
        Record(ctx, Counter::kItems,
               {"Windows - UnreadMail Count MRU List - " + account, "HKCU", std::string(kUnreadMail) + "\\", account,
                "", "Key"});
    }
}

}  // namespace scan
