#include "scan/shell_lists.h"

#include <string>
#include <vector>

#include "scan/catalogue_interpreter.h"
#include "scan/record.h"
#include "scan/shell_list_tables.h"
#include "scan/subkey_list.h"

namespace scan {

namespace {

// Lists the subkeys of a current-user key into subkeyNames and records each
// as a key row counted as an item; nothing inside them is probed.
void RecordSubkeys(ScanContext& ctx, const std::string& keyPath, const std::string& labelPrefix) {
    std::vector<std::string>& names = ctx.window.subkeyNames;
    names = ListSubkeys(ctx.window.registry, kClassKeyCurrentUser, keyPath);
    const std::size_t count = names.size();
    for (std::size_t k = 0; k < count; ++k) {
        Record(ctx, Counter::kItems, {labelPrefix + names[k], "HKCU", keyPath, names[k], "", "Key"});
    }
}

}  // namespace

void ScanTypedUrls(ScanContext& ctx) { RunCatalogue(ctx, tables::kTypedUrls); }
void ScanMediaPlayer(ScanContext& ctx) { RunCatalogue(ctx, tables::kMediaPlayer); }
void ScanPaintAndWordPad(ScanContext& ctx) { RunCatalogue(ctx, tables::kPaintAndWordPad); }
void ScanLastVisitedMru(ScanContext& ctx) { RunCatalogue(ctx, tables::kLastVisitedMru); }
void ScanRunMru(ScanContext& ctx) { RunCatalogue(ctx, tables::kRunMru); }
void ScanFindMrus(ScanContext& ctx) { RunCatalogue(ctx, tables::kFindMrus); }

void ScanNetworkMrus(ScanContext& ctx) {
    RunCatalogue(ctx, tables::kNetworkMrus);
    RecordSubkeys(ctx, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\NetCrawl\\Shares",
                  "Windows Network - Recent Visited Shared Folders MRU - ");
    RecordSubkeys(ctx, "Network\\Recent", "Windows Network - Recent Opened Folders MRU - ");
}

void ScanInstallLocations(ScanContext& ctx) { RunCatalogue(ctx, tables::kInstallLocations); }
void ScanLastVisitedMruHives(ScanContext& ctx) { RunCatalogue(ctx, tables::kLastVisitedMruHives); }
void ScanStreamMru(ScanContext& ctx) { RunCatalogue(ctx, tables::kStreamMru); }

}  // namespace scan
