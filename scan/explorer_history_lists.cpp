#include "scan/explorer_history_lists.h"

#include <string>

#include "platform/ansi_case.h"
#include "scan/catalogue_interpreter.h"
#include "scan/enumerated_lists.h"
#include "scan/explorer_history_list_tables.h"

namespace scan {

namespace {

constexpr const char* kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";
constexpr const char* kRecentApps = "Software\\Microsoft\\Windows\\CurrentVersion\\Search\\RecentApps";
constexpr const char* kShell = "Software\\Microsoft\\Windows\\Shell\\";
constexpr const char* kLocalSettingsShell = "Local Settings\\Software\\Microsoft\\Windows\\Shell\\";

// The UserAssist GUIDs of Windows XP: the "userassist" step records their
// counters.
constexpr const char* kXpUserAssist[] = {"{5E6AB780-7743-11CF-A12B-00AA004AE837}",
                                         "{75048700-EF1F-11D0-9888-006097DEACF9}"};

// The lists found by listing keys: the search terms of each place searched
// (a subkey of WordWheelQuery), the Open/Save dialog's files of each
// extension, the taskbar's use counts per program and the recent apps of
// Windows Search, each app a key with its recent items below it.
void ScanListedExplorerLists(ScanContext& ctx, const UserRegistry& user) {
    const std::string explorer = user.prefix + kExplorer;
    const std::string words = explorer + "WordWheelQuery";
    for (const std::string& place : Subkeys(ctx, user.root, words)) {
        ScanMruListEx(ctx, user.root, words + "\\" + place,
                      "Windows Explorer - Search Terms MRU" + user.tag + " ('" + place + "')");
    }
    const std::string openSave = explorer + "ComDlg32\\OpenSavePidlMRU";
    for (const std::string& extension : Subkeys(ctx, user.root, openSave)) {
        ScanMruListEx(ctx, user.root, openSave + "\\" + extension,
                      "Dialog - Open/Save MRU" + user.tag + " ('" + extension + "')");
    }
    for (const char* usage : {"AppLaunch", "AppSwitched", "ShowJumpView"}) {
        ScanEveryValue(ctx, user.root, explorer + "FeatureUsage\\" + usage,
                       "Windows Taskbar - Feature Usage (" + std::string(usage) + ")" + user.tag);
    }
    const std::string recentApps = user.prefix + kRecentApps;
    for (const std::string& app : Subkeys(ctx, user.root, recentApps)) {
        ScanKeyTree(ctx, user.root, recentApps + "\\", app, "Windows Search - Recent Apps" + user.tag + " - ",
                    catalogue::Count::kItem);
    }
}

bool IsXpUserAssist(const std::string& guid) {
    for (const char* xp : kXpUserAssist) {
        if (platform::EqualsIgnoringCase(guid, xp)) return true;
    }
    return false;
}

}  // namespace

void ScanExplorerHistory(ScanContext& ctx) {
    RunCatalogue(ctx, tables::kExplorerLists);
    for (const UserRegistry& user : UserRegistries(ctx)) ScanListedExplorerLists(ctx, user);
}

// The "Count" key of every UserAssist GUID but Windows XP's two, whatever
// the Windows version named it for; the GUID key itself stays.
void ScanUserAssistSeven(ScanContext& ctx) {
    for (const UserRegistry& user : UserRegistries(ctx)) {
        const std::string userAssist = user.prefix + kExplorer + "UserAssist";
        for (const std::string& guid : Subkeys(ctx, user.root, userAssist)) {
            if (IsXpUserAssist(guid)) continue;
            ScanKeyTree(ctx, user.root, userAssist + "\\" + guid + "\\", "Count",
                        "Windows UserAssist MRU (Windows 7+)" + user.tag + " - " + guid + "\\",
                        catalogue::Count::kList);
        }
    }
}

// Both bag trees of the user's own hive and of the user's classes, where
// Windows 7 and later keep the folders' views.
void ScanShellBags(ScanContext& ctx) {
    for (const UserRegistry& user : UserRegistries(ctx)) {
        for (const char* tree : {"BagMRU", "Bags"}) {
            ScanKeyTree(ctx, user.root, user.prefix + kShell, tree, "Windows Shell Bags" + user.tag + " - ",
                        catalogue::Count::kItem);
            ScanKeyTree(ctx, user.root, user.classesPrefix + kLocalSettingsShell, tree,
                        "Windows Shell Bags (Local Settings)" + user.tag + " - ", catalogue::Count::kItem);
        }
    }
}

}  // namespace scan
