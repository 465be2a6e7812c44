#include "scan/open_find_tables.h"

#include <iterator>
#include <span>

namespace scan {

namespace {

using namespace catalogue;

struct Entry {
    const char* key;
    const char* label;
};

// {Key, Label}
// clang-format off
constexpr Entry kTableA[] = {
    {"Software\\Microsoft\\Office\\9.0\\Common\\Open Find\\Microsoft Word\\Settings\\Save As\\File Name MRU", "Word MRU (Save As - 9.0)"},
    {"Software\\Microsoft\\Office\\9.0\\Common\\Open Find\\Microsoft Word\\Settings\\Open\\File Name MRU", "Word MRU (Open - 9.0)"},
    {"Software\\Microsoft\\Office\\9.0\\Common\\Open Find\\Microsoft Word\\Settings\\Create custom dictionary\\File Name MRU", "Word MRU (Create Custom Dictionary - 9.0)"},
    {"Software\\Microsoft\\Office\\9.0\\Common\\Open Find\\Microsoft Word\\Settings\\Add Custom Dictionary\\File Name MRU", "Word MRU (Add Custom Dictionary - 9.0)"},
    {"Software\\Microsoft\\Office\\9.0\\Common\\Open Find\\Microsoft PowerPoint\\Settings\\Insert Picture\\File Name MRU", "Powerpoint MRU (Insert Picture - 9.0)"},
    {"Software\\Microsoft\\Office\\9.0\\Common\\Open Find\\Microsoft PowerPoint\\Settings\\Save As\\File Name MRU", "Powerpoint MRU (Save As - 9.0)"},
    {"Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft Word\\Settings\\Save As\\File Name MRU", "Word MRU (Save As - XP)"},
    {"Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft Word\\Settings\\Open\\File Name MRU", "Word MRU (Open - XP)"},
    {"Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft Word\\Settings\\Create custom dictionary\\File Name MRU", "Word MRU (Create Custom Dictionary - XP)"},
    {"Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft Word\\Settings\\Add Custom Dictionary\\File Name MRU", "Word MRU (Add Custom Dictionary - XP)"},
    {"Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft Word\\Settings\\Insert Picture\\File Name MRU", "Word MRU (Insert Picture - XP)"},
    {"Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft Word\\Settings\\New from Existing Document\\File Name MRU", "Word MRU (New from Existing Document - XP)"},
    {"Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft PowerPoint\\Settings\\Insert Picture\\File Name MRU", "Powerpoint MRU (Insert Picture - XP)"},
    {"Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft PowerPoint\\Settings\\Save As\\File Name MRU", "Powerpoint MRU (Save As - XP)"},
    {"Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft Document Imaging\\Settings\\Save As\\File Name MRU", "MS Document Imaging MRU (Save As - XP)"},
    {"Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft Document Imaging\\Settings\\Open\\File Name MRU", "MS Document Imaging MRU (Open - XP)"},
};

constexpr Entry kTableB[] = {
    {"Software\\Microsoft\\Office\\8.0\\Common\\Open Find\\Microsoft Word\\Settings\\Save As\\File Name MRU", "Word MRU (Save As - Office 97)"},
    {"Software\\Microsoft\\Office\\8.0\\Common\\Open Find\\Microsoft Word\\Settings\\Open\\File Name MRU", "Word MRU (Open - Office 97)"},
    {"Software\\Microsoft\\Office\\8.0\\Common\\Open Find\\Microsoft Word\\Settings\\Select File to Merge Into Current Document\\File Name MRU", "Word MRU (Select File to Merge into Current - Office 97)"},
    {"Software\\Microsoft\\Office\\8.0\\Common\\Open Find\\Office\\Settings\\Open Office Document\\File Name MRU", "Open Office Document (File Name List - Office 97)"},
    {"Software\\Microsoft\\Office\\8.0\\Common\\Open Find\\Office\\Settings\\Open Office Document\\Any Text MRU", "Open Office Document (Any Text MRU - Office 97)"},
    {"Software\\Microsoft\\Office\\8.0\\Common\\Open Find\\Microsoft PowerPoint\\Settings\\Save\\File Name MRU", "Powerpoint MRU (Save - Office 97)"},
};
// clang-format on

std::span<const Entry> Entries(OpenFindTable table) {
    return table == OpenFindTable::kA ? std::span<const Entry>(kTableA) : std::span<const Entry>(kTableB);
}

}  // namespace

int OpenFindEntries(OpenFindTable table) { return static_cast<int>(Entries(table).size()); }

std::optional<Row> OpenFindRow(OpenFindTable table, int index) {
    const std::span<const Entry> entries = Entries(table);
    if (index < 1 || index > static_cast<int>(entries.size())) return std::nullopt;
    const Entry& entry = entries[static_cast<std::size_t>(index - 1)];
    return Row{_, HKCU, {entry.key}, {"Value"}, table == OpenFindTable::kA ? S : BB, _, {entry.label}, list, _};
}

}  // namespace scan
