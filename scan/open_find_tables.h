// The Open Find tables of the Microsoft Office scanner: one key per Open,
// Save and similar dialog of Office 8.0, 9.0 and 10.0, whose value "Value"
// stands for the dialog's whole list.
#pragma once

#include <optional>

#include "scan/catalogue.h"

namespace scan {

// Table A holds Office 9.0 and 10.0 (read as text), table B Office 8.0
// (read as binary).
enum class OpenFindTable { kA, kB };

// The number of entries of a table; they are indexed from 1.
int OpenFindEntries(OpenFindTable table);

// The entry at index as a catalogue row of its own (its label, root, key,
// value name and type code), or nothing outside the table.
std::optional<catalogue::Row> OpenFindRow(OpenFindTable table, int index);

}  // namespace scan
