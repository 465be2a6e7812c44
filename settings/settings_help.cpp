#include "settings/settings_help.h"

namespace settings {

const std::array<CategoryHelp, kHelpCount> kCategoryHelp = {{
    {"chameleonButton233", "unreadmail", "About UnreadMail Count",
     "In many cases the Windows XP logon screen displays the number of unread e-mails in all of an "
     "individual's e-mail accounts.\n\n"
     "Windows stores information on every e-mail address you have ever used with various e-mail "
     "programs and with MSN/Windows Messenger. This information includes a count of the number of "
     "unread e-mail messages (at last check), the last time the account was accessed, and the "
     "application used to access the account. Even if you stop using an e-mail account, the "
     "information is still stored in the Windows registry.\n\n"
     "Nimbrel can clear this 'UnreadMail' information. This will NOT delete any e-mails you haven't "
     "read or any e-mails in your inbox - it doesn't touch your e-mail account at all. Instead, "
     "deleting these MRU items simply removes the UnreadMail count information from the registry. "
     "This is a safe procedure.\n\n"
     "If you find this information useful, and are not worried about the privacy implications, you "
     "can uncheck the item in the Settings area of Nimbrel."},
    {"chameleonButton277", "WinStream", "About Windows Stream MRU",
     "The Windows Stream MRUs contain various data, such as files you have "
     "opened/created/saved/edited.\n\n"
     "NOTE: On Windows 9x/ME, you may find deleting these entries can reset 'folder view' settings "
     "that you have customized per-folder to the overall defaults (on some systems). If this "
     "happens, you can simply uncheck the Windows Stream MRU item."},
    {"chameleonButton53", "WinRecent", "About Windows 'Recent' Folders",
     "On Windows XP this folder contains the 'My Recent Documents' data - it is very similar on "
     "Windows 9x and 2000."},
    {"chameleonButton54", "miscnotlists", "About Various Extra Single MRU Items",
     "The 'Various Extra Single MRU Items' are simply single items (usually not lists) that could be "
     "considered an additional privacy concern.\n\n"
     "An example would be the Internet Explorer recent download directory (information stored in "
     "the registry). Having Nimbrel clean these items may reset certain software folders to the "
     "defaults in 'file browse' boxes."},
    {"chameleonButton299", "cleartraynotify", "About Customize Notifications Past Items",
     "The 'Customize Notifications Past Items' are found in Windows XP. They record every item that "
     "has placed an icon in your system tray.\n\n"
     "It is important to note that clearing these items will also remove any customizations you "
     "have made to the default Windows XP system-tray-icon display settings. For example, if you "
     "have set the icon for Nimbrel Scheduler to remain hidden in the system tray, clearing these "
     "past items will also remove that setting."},
    {"chameleonButton2332", "winopenwith", "About Windows OpenWith MRUs",
     "The 'Windows OpenWith MRUs' contain a list of all the programs you have used to open various "
     "file types. On many Windows versions, if you right-click on a file you can see most (or all) "
     "of the OpenWith list for that particular file type under an 'Open With...' submenu."},
    {"jumplistsHelp", "WinJumpLists", "About Windows Jump Lists",
     "Windows 7 and later keep a jump list for each program: the files and places you recently opened "
     "with it, shown when you right-click its taskbar button or its Start menu entry. They are files in "
     "the 'AutomaticDestinations' and 'CustomDestinations' folders inside the Windows 'Recent' "
     "folder.\n\n"
     "Cleaning them also removes the items you have pinned to those jump lists."},
    {"shellbagsHelp", "shellbags", "About Windows Shell Bags",
     "Windows remembers how every folder you have opened in Explorer or in an Open/Save dialog was "
     "shown: its view, sort order, icon size and window position. These 'shell bags' keep the names "
     "and paths of those folders long after the folders are gone, including folders on removable "
     "drives and network shares.\n\n"
     "Cleaning them removes that record, but it also resets the view settings of every folder to the "
     "Windows defaults: any view you have customized for a folder is lost. For this reason this item "
     "is not scanned unless you check it."},
}};

std::size_t HelpIndex(std::string_view categoryId) {
    for (std::size_t index = 0; index < kHelpCount; ++index) {
        if (categoryId == kCategoryHelp[index].categoryId) return index;
    }
    return kHelpCount;
}

}  // namespace settings
