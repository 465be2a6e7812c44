// Single hive files without their installation (--hive FILE): each is
// told for what it is by its file name, else by the path its header keeps
// (Windows writes the hive's own path there, "\??\C:\Users\anna\ntuser.dat"),
// else by what its root key holds. There is no drive: no Windows path in
// the registry names a file, so only registry traces are found.
#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/ansi_case.h"
#include "platform/ansi_codepage.h"
#include "platform/emulated/drive_walk.h"
#include "platform/emulated/machine.h"
#include "platform/offline/hive_reading.h"
#include "platform/offline/offline_layout.h"

namespace platform::offline {

namespace {

enum class Kind { kUser, kClasses, kSoftware, kDefault, kUnknown };

bool Contains(const std::string& text, const char* part) {
    return UpperName(text).find(UpperName(part)) != std::string::npos;
}

Kind KindByName(const std::string& name) {
    if (Contains(name, "usrclass")) return Kind::kClasses;
    if (Contains(name, "ntuser")) return Kind::kUser;
    const std::string upper = UpperName(name);
    if (upper == "SOFTWARE" || upper.ends_with("\\SOFTWARE")) return Kind::kSoftware;
    if (upper == "DEFAULT" || upper.ends_with("\\DEFAULT")) return Kind::kDefault;
    return Kind::kUnknown;
}

Kind KindOf(const HiveFile& hive, const std::string& fileName) {
    if (const Kind kind = KindByName(fileName); kind != Kind::kUnknown) return kind;
    if (const Kind kind = KindByName(Utf8ToAnsi(hive.Header().embeddedPath)); kind != Kind::kUnknown) return kind;
    hive_h* reader = hive.Reader();
    const hive_node_h root = hivex_root(reader);
    if (NodeAt(reader, root, "Software") != 0 && NodeAt(reader, root, "Control Panel") != 0) return Kind::kUser;
    if (NodeAt(reader, root, "Microsoft") != 0 && NodeAt(reader, root, "Classes") != 0) return Kind::kSoftware;
    if (NodeAt(reader, root, "Local Settings") != 0 && NodeAt(reader, root, "Software") == 0) return Kind::kClasses;
    return Kind::kUnknown;
}

// The profile folder a user's hive names in its header, as a Windows path
// ("C:\Users\anna"), or "" when it names none.
std::string ProfileFromHeader(const HiveFile& hive) {
    std::string path = Utf8ToAnsi(hive.Header().embeddedPath);
    for (const char* anchor : {"\\Users\\", "\\Documents and Settings\\"}) {
        const std::size_t at = UpperName(path).find(UpperName(anchor));
        if (at == std::string::npos || at < 2 || path[at - 1] != ':') continue;
        const std::size_t end = path.find('\\', at + std::strlen(anchor));
        if (end == std::string::npos) return "";
        return path.substr(at - 2, end - (at - 2));
    }
    return "";
}

std::unique_ptr<HiveFile> OpenFile(const std::string& file, std::string& problem) {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::absolute(file, error);
    const std::filesystem::path folder = path.parent_path();
    emulated::Descriptor opened(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!opened) {
        problem = "--hive " + file + ": " + std::strerror(errno);
        return nullptr;
    }
    return HiveFile::Open(std::move(opened), path.filename().string(), path.string(), problem);
}

}  // namespace

std::string GatherHiveFiles(const std::vector<std::string>& files, OfflineLayout& layout) {
    std::vector<std::pair<std::unique_ptr<HiveFile>, std::string>> classes;  // with the profile they name
    for (const std::string& file : files) {
        std::string problem;
        std::unique_ptr<HiveFile> hive = OpenFile(file, problem);
        if (!hive) return problem;
        layout.name += (layout.name.empty() ? "the hive files " : ", ") + hive->Display();
        switch (KindOf(*hive, std::filesystem::path(file).filename().string())) {
            case Kind::kUser: {
                UserHives user;
                user.profileFolder = ProfileFromHeader(*hive);
                user.name = user.profileFolder.empty() ? std::filesystem::path(file).stem().string()
                                                       : LastComponent(user.profileFolder);
                user.user = std::move(hive);
                layout.users.push_back(std::move(user));
                break;
            }
            case Kind::kClasses: {
                const std::string profile = ProfileFromHeader(*hive);
                classes.emplace_back(std::move(hive), profile);
                break;
            }
            case Kind::kSoftware:
                if (layout.software) return "--hive " + file + ": a second SOFTWARE hive";
                layout.software = std::move(hive);
                break;
            case Kind::kDefault:
                if (layout.defaultUser) return "--hive " + file + ": a second DEFAULT hive";
                layout.defaultUser = std::move(hive);
                break;
            case Kind::kUnknown:
                return "--hive " + file +
                       ": cannot tell which hive it is (NTUSER.DAT, UsrClass.dat, SOFTWARE or "
                       "DEFAULT); "
                       "give it its Windows name";
        }
    }

    // SIDs: from the SOFTWARE hive's ProfileList where it names the same
    // profile, else made up in the range of local accounts.
    std::vector<std::pair<std::string, std::string>> profiles;  // SID, profile name
    if (layout.software) {
        hive_h* software = layout.software->Reader();
        const hive_node_h list =
            NodeAt(software, hivex_root(software), "Microsoft\\Windows NT\\CurrentVersion\\ProfileList");
        for (const auto& [sid, node] : Subkeys(software, list)) {
            if (const std::optional<std::string> image = TextValue(software, node, "ProfileImagePath"))
                profiles.emplace_back(sid, LastComponent(*image));
        }
    }
    int madeUp = 1000;
    for (UserHives& user : layout.users) {
        for (const auto& [sid, name] : profiles)
            if (EqualsIgnoringCase(name, user.name)) user.sid = sid;
        if (user.sid.empty()) user.sid = "S-1-5-21-0-0-0-" + std::to_string(madeUp++);
    }
    for (auto& [hive, profile] : classes) {
        UserHives* owner = layout.users.size() == 1 ? &layout.users.front() : nullptr;
        for (UserHives& user : layout.users)
            if (!profile.empty() && EqualsIgnoringCase(user.name, LastComponent(profile))) owner = &user;
        if (owner == nullptr || owner->classes)
            return "--hive " + hive->Display() +
                   ": cannot tell whose UsrClass.dat it is; give it with that user's "
                   "NTUSER.DAT only";
        owner->classes = std::move(hive);
    }
    if (layout.users.empty() && !layout.software && !layout.defaultUser) return "--hive: no hive file given";
    return {};
}

}  // namespace platform::offline
