#include "scan/office_lists.h"

#include <optional>
#include <span>

#include "scan/catalogue_interpreter.h"
#include "scan/office_list_tables.h"
#include "scan/open_find_tables.h"

namespace scan {

namespace {

// Each entry is a whole list; the scan window gets a chance to repaint
// after every one.
void ScanOpenFind(ScanContext& ctx, OpenFindTable table) {
    for (int index = 1; index <= OpenFindEntries(table); ++index) {
        if (const std::optional<catalogue::Row> row = OpenFindRow(table, index)) RunCatalogue(ctx, std::span(&*row, 1));
        ctx.host.Yield();
    }
}

}  // namespace

void ScanMicrosoftOffice(ScanContext& ctx) {
    ScanOpenFind(ctx, OpenFindTable::kA);
    ScanOpenFind(ctx, OpenFindTable::kB);
    RunCatalogue(ctx, tables::kMicrosoftOffice);
}

void ScanWordPerfect(ScanContext& ctx) { RunCatalogue(ctx, tables::kWordPerfect); }
void ScanQuattroPro(ScanContext& ctx) { RunCatalogue(ctx, tables::kQuattroPro); }
void ScanCorelPresentations(ScanContext& ctx) { RunCatalogue(ctx, tables::kCorelPresentations); }

}  // namespace scan
