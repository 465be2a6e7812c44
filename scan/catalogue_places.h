// Every place the catalogue tables can probe, one row of a table at a time,
// as text for people: the documentation's view of kCatalogueTables
// (nimbrel-cli catalogue prints it).
//
// A row stays one place with its placeholders written <n>, <x>, <e>, <h>
// and <i>, and its range beside it, rather than being expanded: h and i
// stand for the hive list of the machine scanned, which the catalogue does
// not know, and the extension loops alone would make some ten thousand
// lines of one list each.
#pragma once

#include <string>
#include <vector>

namespace scan {

struct CataloguePlace {
    int step = 0;           // the scan driver's step
    std::string category;   // the switch that decides whether it is probed; "" always
    std::string table;      // as scan::tables names it
    std::string root;       // HKCU, HKLM or HKU
    std::string key;        // with its placeholders
    std::string value;      // the value name; "" for the unnamed value or a key probe
    std::string type;       // S, BB, D or B read through ReadValue, or "key" for a key probe
    std::string range;      // "h each hive, e 1-168 (* to sss), x a-z"; "" when probed once
    std::string label;      // what a find is listed as; "" when the row records nothing
    std::string count;      // "list", "item", or "" when the row records nothing
    std::string condition;  // when it is probed, where that depends on the rows around it
    std::string records;    // "value", "value of KEY" or "key KEY"; "" when it records nothing
};

// In table order, the tables in scan order.
std::vector<CataloguePlace> CataloguePlaces();

}  // namespace scan
