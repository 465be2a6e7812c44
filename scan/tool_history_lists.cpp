#include "scan/tool_history_lists.h"

#include <string>

#include "platform/ansi_case.h"
#include "scan/catalogue.h"
#include "scan/catalogue_interpreter.h"
#include "scan/enumerated_lists.h"

namespace scan {

namespace {

using namespace catalogue;

constexpr const char* kServers = "Software\\Microsoft\\Terminal Server Client\\Servers";
constexpr const char* kRegeditFavorites = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit\\Favorites";

// Reader's and Acrobat's 5.0 and 6.0 recent files: the application list
// of step 13 probes them in every hive.
constexpr const char* kAdobeInCatalogue[] = {"Acrobat Reader\\5.0", "Acrobat Reader\\6.0", "Adobe Acrobat\\5.0",
                                             "Adobe Acrobat\\6.0"};

struct AdobeList {
    const char* key;
    const char* label;
    bool catalogued;  // kAdobeInCatalogue's versions are probed by the catalogue
};

constexpr AdobeList kAdobeLists[] = {{"cRecentFiles", "Recent Files List", true},
                                     {"cRecentFolders", "Recent Folders List", false}};

// One row per catalogue row, in probe order:
// {Group, Root, Key, Value, Type, Range, Label, Count, Notes}
// clang-format off
// The computers typed into the Remote Desktop client.
constexpr Row kRemoteDesktop[] = {
    {_, HKCU, {"Software\\Microsoft\\Terminal Server Client\\Default"}, {"MRU", n}, S, N(0, 99), {"Remote Desktop - Recent Computers MRU - MRU", n}, item, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Terminal Server Client\\Default"}, {"MRU", n}, S, N(0, 99), {"Remote Desktop - Recent Computers MRU {", i, "} - MRU", n}, item, _},
};

// Media Player's opened addresses and 7-Zip's archive, extraction-path and
// copy histories (its folder history is step 14's), for the current user
// and each hive; WordPad's files for each hive (step 10 has the current
// user's).
constexpr Row kMediaAndTools[] = {
    {_, HKCU, {"Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList"}, {"URL", n}, S, N(0, 99), {"WMP - Recent URL List - URL", n}, item, _},
    {_, HKCU, {"Software\\7-Zip\\Compression"}, {"ArcHistory"}, BB, _, {"7-Zip - Archive History"}, item, _},
    {_, HKCU, {"Software\\7-Zip\\Extraction"}, {"PathHistory"}, BB, _, {"7-Zip - Extraction Path History"}, item, _},
    {_, HKCU, {"Software\\7-Zip\\FM"}, {"CopyHistory"}, BB, _, {"7-Zip - Copy History"}, item, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList"}, {"URL", n}, S, N(0, 99), {"WMP - Recent URL List {", i, "} - URL", n}, item, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List"}, {"File", n}, S, N(0, 99), {"MS Wordpad - Recent File List {", i, "} - File", n}, item, _},
    {H1, HKU, {h, "\\Software\\7-Zip\\Compression"}, {"ArcHistory"}, BB, _, {"7-Zip - Archive History {", i, "}"}, item, _},
    {H1, HKU, {h, "\\Software\\7-Zip\\Extraction"}, {"PathHistory"}, BB, _, {"7-Zip - Extraction Path History {", i, "}"}, item, _},
    {H1, HKU, {h, "\\Software\\7-Zip\\FM"}, {"CopyHistory"}, BB, _, {"7-Zip - Copy History {", i, "}"}, item, _},
};
// clang-format on

bool InCatalogue(const std::string& productVersion) {
    for (const char* known : kAdobeInCatalogue) {
        if (platform::EqualsIgnoringCase(productVersion, known)) return true;
    }
    return false;
}

// Every version of every Adobe product that keeps AVGeneral's lists: one
// subkey (c1, c2, ...) per file or folder.
void ScanAdobe(ScanContext& ctx, const UserRegistry& user) {
    const std::string adobe = user.prefix + "Software\\Adobe";
    for (const std::string& product : Subkeys(ctx, user.root, adobe)) {
        for (const std::string& version : Subkeys(ctx, user.root, adobe + "\\" + product)) {
            const std::string general = adobe + "\\" + product + "\\" + version + "\\AVGeneral\\";
            for (const AdobeList& list : kAdobeLists) {
                if (list.catalogued && InCatalogue(product + "\\" + version)) continue;
                const std::string key = general + list.key;
                const std::string label = "Adobe - " + product + " " + version + " - " + list.label + user.tag + " - ";
                for (const std::string& entry : Subkeys(ctx, user.root, key)) {
                    ScanKeyTree(ctx, user.root, key + "\\", entry, label, item);
                }
            }
        }
    }
}

}  // namespace

// The computers' list, then one key per computer connected to, holding the
// user name given and the certificate accepted.
void ScanRemoteDesktop(ScanContext& ctx) {
    RunCatalogue(ctx, kRemoteDesktop);
    for (const UserRegistry& user : UserRegistries(ctx)) {
        const std::string servers = user.prefix + kServers;
        for (const std::string& host : Subkeys(ctx, user.root, servers)) {
            ScanKeyTree(ctx, user.root, servers + "\\", host, "Remote Desktop - Servers" + user.tag + " - ", item);
        }
    }
}

void ScanMediaAndTools(ScanContext& ctx) {
    RunCatalogue(ctx, kMediaAndTools);
    for (const UserRegistry& user : UserRegistries(ctx)) {
        ScanEveryValue(ctx, user.root, user.prefix + kRegeditFavorites, "Microsoft RegEdit - Favorites" + user.tag);
        ScanAdobe(ctx, user);
    }
}

}  // namespace scan
