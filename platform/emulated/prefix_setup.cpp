#include "platform/emulated/prefix_setup.h"

#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/emulated/machine_layout.h"
#include "platform/emulated/paths.h"
#include "platform/registry_api.h"

namespace platform::emulated {

namespace {

std::vector<std::string_view> Components(std::string_view path) {
    std::vector<std::string_view> names;
    while (!path.empty()) {
        const std::size_t cut = path.find('\\');
        names.push_back(path.substr(0, cut));
        if (cut == std::string_view::npos) break;
        path.remove_prefix(cut + 1);
    }
    return names;
}

struct ProfileFolderValue {
    const char* name;
    const char* below;  // below the profile folder
};

constexpr ProfileFolderValue kShellFolders[] = {
    {"Recent", "Recent"},
    {"Cookies", "Cookies"},
    {"Cache", "Local Settings\\Temporary Internet Files"},
};

}  // namespace

long SetUpMachine(RegistryStore& store) {
    const std::string user = std::string("HKEY_USERS\\") + kCurrentUserSid;
    const std::string shellFolders = user + "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    const std::string keys[] = {
        std::string("HKEY_LOCAL_MACHINE\\") + kClassesRootPath,
        std::string("HKEY_LOCAL_MACHINE\\") + kCurrentConfigPath,
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
        "HKEY_LOCAL_MACHINE\\HARDWARE",
        "HKEY_LOCAL_MACHINE\\SAM",
        "HKEY_LOCAL_MACHINE\\SECURITY",
        "HKEY_USERS\\.DEFAULT\\Software",
        user + "\\Software",
        user + "_Classes",
    };
    auto create = [&store](const std::string& path, std::int64_t* id) {
        std::vector<std::string_view> names = Components(path);
        const std::int64_t root = names.front() == "HKEY_USERS" ? kUsersId : kLocalMachineId;
        names.erase(names.begin());
        return store.CreatePath(root, names, id);
    };
    std::int64_t id = 0;
    for (const std::string& path : keys)
        if (const long rc = create(path, &id); rc != kErrorSuccess) return rc;
    if (const long rc = create(shellFolders, &id); rc != kErrorSuccess) return rc;

    const std::string profile = ProfileFolder();
    std::error_code error;
    std::filesystem::create_directories(ToHostPath(kWindowsDirectory), error);
    for (const ProfileFolderValue& folder : kShellFolders) {
        const std::string path = profile + "\\" + folder.below;
        std::filesystem::create_directories(ToHostPath(path), error);
        if (error) return kErrorAccessDenied;
        std::string data = path;
        data.push_back('\0');  // strings are stored with their terminator, as Windows does
        if (const long rc = store.SetValue(id, folder.name, kRegSz, data); rc != kErrorSuccess) return rc;
    }
    return kErrorSuccess;
}

}  // namespace platform::emulated
