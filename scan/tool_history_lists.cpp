#include "scan/tool_history_lists.h"

#include <string>

#include "platform/ansi_case.h"
#include "scan/catalogue_interpreter.h"
#include "scan/enumerated_lists.h"
#include "scan/tool_history_list_tables.h"

namespace scan {

namespace {

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
                    ScanKeyTree(ctx, user.root, key + "\\", entry, label, catalogue::Count::kItem);
                }
            }
        }
    }
}

}  // namespace

// The computers' list, then one key per computer connected to, holding the
// user name given and the certificate accepted.
void ScanRemoteDesktop(ScanContext& ctx) {
    RunCatalogue(ctx, tables::kRemoteDesktop);
    for (const UserRegistry& user : UserRegistries(ctx)) {
        const std::string servers = user.prefix + kServers;
        for (const std::string& host : Subkeys(ctx, user.root, servers)) {
            ScanKeyTree(ctx, user.root, servers + "\\", host, "Remote Desktop - Servers" + user.tag + " - ",
                        catalogue::Count::kItem);
        }
    }
}

void ScanMediaAndTools(ScanContext& ctx) {
    RunCatalogue(ctx, tables::kMediaAndTools);
    for (const UserRegistry& user : UserRegistries(ctx)) {
        ScanEveryValue(ctx, user.root, user.prefix + kRegeditFavorites, "Microsoft RegEdit - Favorites" + user.tag);
        ScanAdobe(ctx, user);
    }
}

}  // namespace scan
