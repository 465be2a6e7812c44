#include "scan/open_find_tables.h"

#include <span>

#include "scan/office_list_tables.h"

namespace scan {

namespace {

std::span<const catalogue::Row> Rows(OpenFindTable table) {
    return table == OpenFindTable::kA ? std::span<const catalogue::Row>(tables::kOpenFindA)
                                      : std::span<const catalogue::Row>(tables::kOpenFindB);
}

}  // namespace

int OpenFindEntries(OpenFindTable table) { return static_cast<int>(Rows(table).size()); }

std::optional<catalogue::Row> OpenFindRow(OpenFindTable table, int index) {
    const std::span<const catalogue::Row> rows = Rows(table);
    if (index < 1 || index > static_cast<int>(rows.size())) return std::nullopt;
    return rows[static_cast<std::size_t>(index - 1)];
}

}  // namespace scan
