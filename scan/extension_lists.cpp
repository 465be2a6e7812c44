#include "scan/extension_lists.h"

#include "scan/catalogue_interpreter.h"
#include "scan/extension_list_tables.h"

namespace scan {

void ScanOpenSaveMruCurrentUser(ScanContext& ctx) {
    RunCatalogue(ctx, tables::kOpenSaveMruCurrentUser, {.yieldAfterEachExtension = true});
}

void ScanOpenSaveMruDefaultUser(ScanContext& ctx) {
    RunCatalogue(ctx, tables::kOpenSaveMruDefaultUser, {.yieldAfterEachExtension = true});
}

void ScanRecentDocs(ScanContext& ctx) { RunCatalogue(ctx, tables::kRecentDocs); }

// A failing probe does not end this scanner; the next one runs.
void ScanOpenWith(ScanContext& ctx) { RunCatalogue(ctx, tables::kOpenWith, {.ignoreErrorsPerProbe = true}); }

}  // namespace scan
