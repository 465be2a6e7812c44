#include "scan/catalogue_places.h"

#include <span>
#include <string_view>

#include "scan/catalogue_tables.h"
#include "scan/extension_table.h"

namespace scan {

namespace {

using catalogue::Count;
using catalogue::Range;
using catalogue::Row;
using catalogue::Slot;
using catalogue::Text;

std::string Pattern(const Text& text) {
    std::string out;
    for (std::size_t k = 0; k < text.size; ++k) {
        const catalogue::Piece& piece = text.pieces[k];
        switch (piece.slot) {
            case Slot::kText:
                out += piece.text;
                break;
            case Slot::kN:
                out += "<n>";
                break;
            case Slot::kX:
                out += "<x>";
                break;
            case Slot::kE:
                out += "<e>";
                break;
            case Slot::kH:
                out += "<h>";
                break;
            case Slot::kI:
                out += "<i>";
                break;
        }
    }
    return out;
}

std::string RangeText(const Row& row) {
    const Range& range = row.range;
    std::string out = row.group.number != 0 ? "h each hive" : "";
    const auto add = [&out](const std::string& part) { out += (out.empty() ? "" : ", ") + part; };
    if (range.HasExtensionLoop()) {
        add("e " + std::to_string(range.extFirst) + "-" + std::to_string(range.extLast) + " (" +
            std::string(Extension(range.extFirst)) + " to " + std::string(Extension(range.extLast)) + ")");
    }
    switch (range.loop) {
        case Range::Loop::kOnce:
            break;
        case Range::Loop::kNumber:
            add("n " + std::to_string(range.first) + "-" + std::to_string(range.last));
            break;
        case Range::Loop::kLetter:
            add(std::string("x ") + catalogue::Letter(range.first) + "-" + catalogue::Letter(range.last));
            break;
    }
    return out;
}

std::string Condition(std::span<const Row> rows, std::size_t k) {
    const catalogue::Notes& notes = rows[k].notes;
    if (notes.isSwitch) {
        return notes.switchGroup ? "switch of the next hive group"
                                 : "switch of the next " + std::to_string(notes.switchRows) + " rows";
    }
    if (notes.gate) return "gate of the next row";
    if (k > 0 && rows[k - 1].notes.gate) return "only when the key above exists";
    if (notes.onlyWhenAboveFound) return "only when the row above is found";
    return "";
}

std::string Records(const Row& row) {
    if (row.count.count == Count::kNone) return "";
    if (row.notes.recordsKey) return "key " + Pattern(row.notes.parent) + Pattern(row.notes.subkey);
    if (!row.notes.subkeyOverride.Empty()) return "value of " + Pattern(row.notes.subkeyOverride);
    return "value";
}

// Whether a switch row at s guards row k: one of the rows after it up to
// its count, or a row of the hive group right after it.
bool Guards(std::span<const Row> rows, std::size_t s, std::size_t k) {
    const catalogue::Notes& notes = rows[s].notes;
    if (!notes.isSwitch || k <= s) return false;
    if (!notes.switchGroup) return k <= s + static_cast<std::size_t>(notes.switchRows);
    for (std::size_t r = s + 1; r <= k; ++r) {
        if (rows[r].group.number != rows[s + 1].group.number) return false;
    }
    return true;
}

// The switches that decide whether row k is probed: its step's, then those
// of the switch rows that guard it, or its own when it is one.
std::string Category(const CatalogueTable& table, std::size_t k) {
    std::string category(table.category);
    for (std::size_t s = 0; s <= k; ++s) {
        if (s == k ? table.rows[k].notes.isSwitch : Guards(table.rows, s, k)) {
            category += (category.empty() ? "" : " and ") + Pattern(table.rows[s].value);
        }
    }
    return category;
}

}  // namespace

std::vector<CataloguePlace> CataloguePlaces() {
    std::vector<CataloguePlace> places;
    for (const CatalogueTable& table : kCatalogueTables) {
        for (std::size_t k = 0; k < table.rows.size(); ++k) {
            const Row& row = table.rows[k];
            CataloguePlace place;
            place.step = table.step;
            place.category = Category(table, k);
            place.table = table.name;
            place.root = row.root.name;
            place.key = Pattern(row.key);
            place.value = Pattern(row.value);
            place.type = row.type.IsKeyProbe() ? "key" : row.type.code;
            place.range = RangeText(row);
            place.label = Pattern(row.label);
            place.count = row.count.count == Count::kList ? "list" : row.count.count == Count::kItem ? "item" : "";
            place.condition = Condition(table.rows, k);
            place.records = Records(row);
            places.push_back(std::move(place));
        }
    }
    return places;
}

}  // namespace scan
