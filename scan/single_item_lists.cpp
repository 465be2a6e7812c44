#include "scan/single_item_lists.h"

#include "scan/catalogue_interpreter.h"
#include "scan/single_item_list_tables.h"

namespace scan {

void ScanSingleItems(ScanContext& ctx) { RunCatalogue(ctx, tables::kSingleItems); }
void ScanArchivers(ScanContext& ctx) { RunCatalogue(ctx, tables::kArchivers); }
void ScanPeerToPeerSearches(ScanContext& ctx) { RunCatalogue(ctx, tables::kPeerToPeerSearches); }

}  // namespace scan
