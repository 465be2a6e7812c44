#include "platform/offline/offline_layout.h"

#include <utility>

#include "platform/ansi_case.h"
#include "platform/offline/hive_reading.h"
#include "platform/registry_api.h"

namespace platform::offline {

namespace {

constexpr const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string UserList(const std::vector<UserHives>& users) {
    std::string list;
    for (const UserHives& user : users) list += "\n  " + user.name + " (" + user.sid + ")";
    return list;
}

// The index of the current user: the one --user names (by profile name or
// SID), else the only one. -1, with problem set, when it cannot be told.
int ChooseUser(const std::vector<UserHives>& users, const std::string& wanted, std::string& problem) {
    if (!wanted.empty()) {
        for (std::size_t i = 0; i < users.size(); ++i)
            if (EqualsIgnoringCase(users[i].name, wanted) || EqualsIgnoringCase(users[i].sid, wanted))
                return static_cast<int>(i);
        problem = "--user " + wanted + ": no such user; the users are:" + UserList(users);
        return -1;
    }
    if (users.size() == 1) return 0;
    if (users.empty()) {
        problem = "no user's hive (NTUSER.DAT) was found, so there is no current user";
        return -1;
    }
    problem = "there are several users; say with --user NAME whose registry is HKEY_CURRENT_USER:" + UserList(users);
    return -1;
}

// The environment strings a session of the user would have.
std::vector<std::pair<std::string, std::string>> EnvironmentOf(const emulated::Installation& installation,
                                                               const UserHives* user, const HiveFile* software) {
    const std::string drive{static_cast<char>(installation.systemDriveLetter - 'a' + 'A'), ':'};
    std::vector<std::pair<std::string, std::string>> variables = {
        {"SystemRoot", installation.windowsDirectory},
        {"windir", installation.windowsDirectory},
        {"SystemDrive", drive},
        {"ProgramFiles", drive + "\\Program Files"},
        {"CommonProgramFiles", drive + "\\Program Files\\Common Files"},
        {"OS", "Windows_NT"},
    };
    if (software != nullptr) {
        hive_h* hive = software->Reader();
        const hive_node_h current = NodeAt(hive, hivex_root(hive), "Microsoft\\Windows\\CurrentVersion");
        if (const auto folder = TextValue(hive, current, "ProgramFilesDir")) variables[3].second = *folder;
        if (const auto folder = TextValue(hive, current, "CommonFilesDir")) variables[4].second = *folder;
    }
    if (user == nullptr || user->profileFolder.empty()) return variables;
    const std::string& profile = user->profileFolder;
    // Where the user's application data is: as the user's own Shell
    // Folders say, else where Windows Vista and later keep it.
    hive_h* hive = user->user->Reader();
    const hive_node_h shell = NodeAt(hive, hivex_root(hive), kShellFolders);
    const std::string appData = TextValue(hive, shell, "AppData").value_or(profile + "\\AppData\\Roaming");
    const std::string localAppData = TextValue(hive, shell, "Local AppData").value_or(profile + "\\AppData\\Local");
    const std::string temp = localAppData + "\\Temp";
    variables.insert(variables.end(), {
                                          {"USERPROFILE", profile},
                                          {"HOMEDRIVE", profile.substr(0, 2)},
                                          {"HOMEPATH", profile.substr(2)},
                                          {"APPDATA", appData},
                                          {"LOCALAPPDATA", localAppData},
                                          {"TEMP", temp},
                                          {"TMP", temp},
                                          {"USERNAME", user->name},
                                      });
    return variables;
}

}  // namespace

std::string LastComponent(const std::string& windowsPath) {
    std::string path = windowsPath;
    while (!path.empty() && (path.back() == '\\' || path.back() == '/')) path.pop_back();
    const std::size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string FinishLayout(OfflineLayout& layout, const OfflineOptions& options, std::vector<HiveMount>& mounts) {
    std::string problem;
    int current = -1;
    if (!layout.users.empty() || !options.user.empty()) {
        current = ChooseUser(layout.users, options.user, problem);
        if (current < 0) return problem;
    }
    const UserHives* user = current >= 0 ? &layout.users[static_cast<std::size_t>(current)] : nullptr;
    emulated::Installation& installation = layout.installation;
    // With no user, HKEY_CURRENT_USER names a hive that is not there.
    installation.currentUserSid = user != nullptr ? user->sid : "S-1-5-21-0-0-0-1000";
    if (user != nullptr) installation.userName = user->name;
    installation.environment = EnvironmentOf(installation, user, layout.software.get());

    // Why nothing may be changed: every reason, each hive's included.
    std::vector<HiveFile*> hives;
    if (layout.software) hives.push_back(layout.software.get());
    if (layout.defaultUser) hives.push_back(layout.defaultUser.get());
    for (UserHives& each : layout.users) {
        hives.push_back(each.user.get());
        if (each.classes) hives.push_back(each.classes.get());
    }
    if (options.readOnly) layout.refusals.insert(layout.refusals.begin(), "--read-only was given");
    for (HiveFile* hive : hives) {
        if (!hive->Unreplayed().empty()) {
            layout.refusals.push_back("Windows was not shut down cleanly, or it hibernated (Fast Startup): " +
                                      hive->Unreplayed() + "; start Windows and shut it down fully first");
            layout.notes.push_back("the scan shows " + hive->Display() +
                                   " as it is on the disk: " + hive->Unreplayed());
        }
        if (const std::string why = hive->WriteProblem(options.backup); !why.empty()) layout.refusals.push_back(why);
    }
    installation.writeRefusal = layout.refusals.empty() ? kErrorSuccess : kErrorWriteProtect;

    if (layout.software) mounts.push_back({"SOFTWARE", false, std::move(layout.software)});
    if (layout.defaultUser) mounts.push_back({".DEFAULT", true, std::move(layout.defaultUser)});
    for (UserHives& each : layout.users) {
        mounts.push_back({each.sid, true, std::move(each.user)});
        if (each.classes) mounts.push_back({each.sid + "_Classes", true, std::move(each.classes)});
    }
    return {};
}

}  // namespace platform::offline
