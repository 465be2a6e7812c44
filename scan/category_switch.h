// The scan category switches: one "B" value per category under
// Software\Nimbrel\Ignore of the current user.
#pragma once

#include <map>
#include <string>

namespace scan {

inline constexpr const char* kIgnoreKey = "Software\\Nimbrel\\Ignore";

// The value a missing switch stands for: on, except "cleartraynotify" and
// "shellbags", whose cleaning also resets settings the user made.
bool CategoryDefault(const std::string& id);

// A switch is on when it reads as all 16 bits set (FF FF); 01 00 or a
// single byte is off; a missing or unreadable value counts as its default.
bool CategoryOn(const std::string& id);

// For this run alone: categories taken as on or off whatever their stored
// switch says (nimbrel-cli scan --only and --skip), by id. The switches are
// still read, so the probe trace stays the same; only the answer differs.
// An empty map ends the override.
void OverrideCategories(std::map<std::string, bool> forced);

// The switch read of a catalogue row, which names its own root, key and
// value.
bool SwitchOn(const std::string& root, const std::string& key, const std::string& id);

}  // namespace scan
