#include "tests/support/offline_installation.h"

#include <hivex.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "tests/support/run_program.h"

namespace testing_support {

namespace fs = std::filesystem;

namespace {

std::string Utf16Text(const std::string& ascii) {
    std::string bytes;
    for (char c : ascii) {
        bytes += c;
        bytes += '\0';
    }
    bytes += std::string(2, '\0');
    return bytes;
}

hive_node_h Child(hive_h* hive, hive_node_h parent, const char* name) {
    if (const hive_node_h found = hivex_node_get_child(hive, parent, name)) return found;
    const hive_node_h made = hivex_node_add_child(hive, parent, name);
    if (made == 0) throw std::runtime_error(std::string("hivex cannot add ") + name);
    return made;
}

hive_node_h Path(hive_h* hive, hive_node_h node, const std::string& path) {
    std::stringstream parts(path);
    for (std::string part; std::getline(parts, part, '\\');) node = Child(hive, node, part.c_str());
    return node;
}

void SetText(hive_h* hive, hive_node_h node, const char* name, hive_type type, const std::string& text) {
    std::string data = Utf16Text(text);
    hive_set_value value{const_cast<char*>(name), type, data.size(), data.data()};
    if (hivex_node_set_value(hive, node, &value, 0) != 0) throw std::runtime_error("hivex cannot set a value");
}

}  // namespace

fs::path TestHive(const std::string& name) { return fs::path(NIMBREL_SOURCE_DIR) / "tests" / "data" / "hives" / name; }

void MakeSoftwareHive(const fs::path& path, const std::vector<std::pair<std::string, std::string>>& profiles) {
    fs::copy_file(TestHive("xp-ntuser.dat"), path, fs::copy_options::overwrite_existing);
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
    hive_h* hive = hivex_open(path.c_str(), HIVEX_OPEN_WRITE);
    if (hive == nullptr) throw std::runtime_error("hivex cannot open " + path.string());
    const hive_node_h root = hivex_root(hive);
    hive_node_h* children = hivex_node_children(hive, root);
    for (hive_node_h* child = children; child != nullptr && *child != 0; ++child) hivex_node_delete_child(hive, *child);
    std::free(children);
    SetText(hive, Path(hive, root, "Microsoft\\Windows NT\\CurrentVersion"), "SystemRoot", hive_t_REG_SZ,
            "C:\\Windows");
    SetText(hive, Path(hive, root, "Microsoft\\Windows\\CurrentVersion"), "ProgramFilesDir", hive_t_REG_SZ,
            "C:\\Program Files");
    const hive_node_h list = Path(hive, root, "Microsoft\\Windows NT\\CurrentVersion\\ProfileList");
    SetText(hive, Path(hive, list, "S-1-5-18"), "ProfileImagePath", hive_t_REG_EXPAND_SZ,
            "%systemroot%\\system32\\config\\systemprofile");
    for (const auto& [sid, profile] : profiles)
        SetText(hive, Path(hive, list, sid), "ProfileImagePath", hive_t_REG_EXPAND_SZ, profile);
    if (hivex_commit(hive, nullptr, 0) != 0) throw std::runtime_error("hivex cannot write " + path.string());
    hivex_close(hive);
}

OfflineInstallation::OfflineInstallation(const std::vector<OfflineUser>& users) {
    std::string pattern = (fs::temp_directory_path() / "nimbrel-windows-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a folder");
    drive_ = pattern;
    fs::create_directories(drive_ / "Windows" / "System32" / "config");
    std::vector<std::pair<std::string, std::string>> profiles;
    for (const OfflineUser& user : users) {
        parents_[user.name] = user.parent;
        fs::create_directories(drive_ / user.parent / user.name);
        fs::copy_file(TestHive(user.hive), NtUser(user.name));
        fs::permissions(NtUser(user.name), fs::perms::owner_write, fs::perm_options::add);
        profiles.emplace_back(user.sid, "%SystemDrive%\\" + user.parent + "\\" + user.name);
    }
    MakeSoftwareHive(Software(), profiles);
}

OfflineInstallation::~OfflineInstallation() {
    std::error_code ignored;
    // Folders a test made read-only are opened again first.
    for (auto entry = fs::recursive_directory_iterator(drive_, ignored); entry != fs::recursive_directory_iterator();
         entry.increment(ignored)) {
        if (entry->is_directory(ignored) && !entry->is_symlink(ignored))
            fs::permissions(entry->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::permissions(drive_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(drive_, ignored);
}

fs::path OfflineInstallation::Software() const { return drive_ / "Windows" / "System32" / "config" / "SOFTWARE"; }

fs::path OfflineInstallation::NtUser(const std::string& name) const {
    const auto parent = parents_.find(name);
    return drive_ / (parent != parents_.end() ? parent->second : "Users") / name / "NTUSER.DAT";
}

fs::path OfflineInstallation::HostPath(const std::string& windowsPath) const {
    std::string rest = windowsPath.substr(3);
    for (char& c : rest)
        if (c == '\\') c = '/';
    return drive_ / rest;
}

std::string ExportHive(const fs::path& hive, const std::string& prefix) {
    const ProgramRun run = RunProgram("hivexregedit", {"--export", "--prefix", prefix, hive.string(), "\\"});
    if (run.exitCode != 0) throw std::runtime_error("hivexregedit cannot export " + hive.string() + ": " + run.err);
    return run.out;
}

std::string ExportForImport(const fs::path& hive, const std::string& prefix) {
    const std::string mixed = ExportHive(hive, prefix);
    std::string text = "\xEF\xBB\xBF";
    for (std::size_t i = 0; i < mixed.size(); ++i) {
        const auto c = static_cast<unsigned char>(mixed[i]);
        std::size_t length = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xC2 && c <= 0xDF ? 2 : 1;
        for (std::size_t k = 1; k < length; ++k) {
            if (i + k >= mixed.size() || (static_cast<unsigned char>(mixed[i + k]) & 0xC0) != 0x80) length = 1;
        }
        if (c < 0x80 || length > 1) {
            text.append(mixed, i, length);
            i += length - 1;
        } else {
            text += static_cast<char>(0xC0 | (c >> 6));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return text;
}

std::map<std::string, std::string> FolderContents(const fs::path& folder) {
    std::map<std::string, std::string> contents;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = fs::relative(entry.path(), folder).string();
        if (entry.is_symlink()) {
            contents[name] = "link " + fs::read_symlink(entry.path()).string();
        } else if (entry.is_directory()) {
            struct stat info {};
            ::lstat(entry.path().c_str(), &info);
            contents[name] = "folder " + std::to_string(info.st_mode);
        } else {
            std::ifstream in(entry.path(), std::ios::binary);
            contents[name] = std::string(std::istreambuf_iterator<char>(in), {});
        }
    }
    return contents;
}

}  // namespace testing_support
