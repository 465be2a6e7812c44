// Lists whose keys or value names are not known beforehand: an Office
// application, a file extension of the Open/Save dialog, a remote host, a
// shell bag node. The code here lists a key's subkeys or values and runs
// catalogue rows built for each name it finds, so that every probe and
// every record follows the catalogue's rules (catalogue_interpreter.h).
#pragma once

#include <string>
#include <vector>

#include "scan/catalogue.h"
#include "scan/scan_context.h"

namespace scan {

// One user's registry as the newer lists walk it: the current user, or one
// hive of the hive list.
struct UserRegistry {
    const char* root;           // "HKCU" or "HKU"
    std::string prefix;         // "" for HKCU, the hive's name and "\" for a hive
    std::string classesPrefix;  // the user's classes: "Software\Classes\", or the hive's "_Classes" hive
    std::string tag;            // "" for HKCU, " {i}" for a hive: it follows a list's name in labels
};

// HKCU first, then each hive of the hive list, in order.
std::vector<UserRegistry> UserRegistries(const ScanContext& ctx);

// The subkeys of root\path in the registry's order; none when the key
// cannot be opened.
std::vector<std::string> Subkeys(ScanContext& ctx, const char* root, const std::string& path);

// An MRUListEx list: "MRUListEx" (a list, labelled label " - MAIN") and the
// entries 0 to 249 (items, label " - " n), both read as raw data.
void ScanMruListEx(ScanContext& ctx, const char* root, const std::string& key, const std::string& label);

// Every value of the key, read as raw data: each one found is an item
// labelled label " - " and its name.
void ScanEveryValue(ScanContext& ctx, const char* root, const std::string& key, const std::string& label);

// The key parent + name and every key below it, each recorded as a key row
// labelled label followed by its path below parent, deepest keys first, so
// that the clean deletes every key after the keys it holds (the registry
// refuses to delete a key that has subkeys).
void ScanKeyTree(ScanContext& ctx, const char* root, const std::string& parent, const std::string& name,
                 const std::string& label, catalogue::Count count);

// A piece of a text cell holding text as it is, for rows built from the
// names found; text must outlive the rows.
catalogue::Piece Literal(const std::string& text);

}  // namespace scan
