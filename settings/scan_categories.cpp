#include "settings/scan_categories.h"

namespace settings {

// clang-format off
const std::array<ScanCategory, kCategoryCount> kScanCategories = {{
    {"IETypedURL",         "IETypedURL",         "Internet Explorer Typed URLs",          true},
    {"WinRun",             "WinRun",             "Windows \"Run...\" Dialog MRU",          true},
    {"MSOffice",           "MSOffice",           "Microsoft Office MRU Items",            true},
    {"WinStream",          "WinStream",          "Windows Stream MRU",                    true},
    {"OfficeFolder",       "officefolder",       "Microsoft Office \"Recent\" folder(s)",  true},
    {"WinFind",            "WinFind",            "Windows Find/Search MRUs",              true},
    {"googletoolbar",      "googletoolbar",      "Google Toolbar History",                true},
    {"WinRecent",          "WinRecent",          "Windows \"Recent\" folder(s)",           true},
    {"userassist",         "userassist",         "Windows UserAssist MRUs",               true},
    {"miscnotlists",       "miscnotlists",       "Various Extra Single MRU Items",        true},
    {"regedit",            "regedit",            "Microsoft Regedit MRUs",                true},
    {"windowsnetwork",     "windowsnetwork",     "Windows Network Items",                 true},
    {"installlocations",   "installlocations",   "Install Locations MRU",                 true},
    {"quattropro",         "quattropro",         "QuattroPro MRU Items",                  true},
    {"wordperfect",        "wordperfect",        "WordPerfect MRU Items",                 true},
    {"corelpresentations", "corelpresentations", "Corel Presentations MRU Items",         true},
    {"cleartraynotify",    "cleartraynotify",    "Customize Notifications Past Items",    false},
    {"unreadmail",         "unreadmail",         "UnreadMail Count (Win XP Logon)",       true},
    {"vs6",                "vs6",                "MS Visual Studio 6.0 MRU Items",        true},
    {"winopenwith",        "winopenwith",        "Windows OpenWith MRUs",                 true},
    {"WinExplorer",        "WinExplorer",        "Explorer Searches, Paths, Dialogs",     true},
    {"userassist7",        "userassist7",        "Windows 7+ UserAssist MRUs",            true},
    {"remotedesktop",      "remotedesktop",      "Remote Desktop Connection History",     true},
    {"MSOffice2007",       "MSOffice2007",       "Office 2007-365 File/Place MRUs",       true},
    {"mediatools",         "mediatools",         "Media Player, WordPad, Acrobat, 7-Zip", true},
    {"WinJumpLists",       "WinJumpLists",       "Windows Jump Lists",                    true},
    {"shellbags",          "shellbags",          "Windows Shell Bags (Folder Views)",     false},
}};
// clang-format on

std::size_t CategoryIndex(std::string_view id) {
    for (std::size_t index = 0; index < kCategoryCount; ++index) {
        if (id == kScanCategories[index].id) return index;
    }
    return kCategoryCount;
}

}  // namespace settings
