#include "platform/offline/hive_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <utility>

#include "platform/emulated/paths.h"
#include "platform/offline/subkey_links.h"

namespace platform::offline {

namespace {

using emulated::Descriptor;

std::string ErrorText(int error) { return std::strerror(error); }

std::string ProcPath(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

std::string ReadAt(int fd, std::uint64_t offset, std::size_t length) {
    std::string bytes(length, '\0');
    std::size_t done = 0;
    while (done < length) {
        const ssize_t got = ::pread(fd, bytes.data() + done, length - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

bool Newer(const timespec& a, const timespec& b) {
    return a.tv_sec != b.tv_sec ? a.tv_sec > b.tv_sec : a.tv_nsec > b.tv_nsec;
}

// A name, value or list that hivex hands out, freed when it goes.
struct Freed {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using Owned = std::unique_ptr<T, Freed>;

// One value as hivex reads it: its name (UTF-8), type and data.
struct ValueRecord {
    std::string name;
    hive_type type = hive_t_none;
    std::string data;
    bool operator==(const ValueRecord&) const = default;
};

// The value as hivex reads it; false when it cannot be read whole, or its
// name cannot be written back as it is (a NUL inside it).
bool ReadValue(hive_h* hive, hive_value_h value, ValueRecord& record) {
    errno = 0;
    const Owned<char> name(hivex_value_key(hive, value));
    if (!name) return false;
    const std::size_t nameLength = hivex_value_key_len(hive, value);
    if (errno != 0 || std::strlen(name.get()) != nameLength) return false;
    std::size_t length = 0;
    const Owned<char> data(hivex_value_value(hive, value, &record.type, &length));
    if (!data && length != 0) return false;
    record.name = name.get();
    record.data.assign(data ? data.get() : "", length);
    return true;
}

bool ReadValues(hive_h* hive, hive_node_h node, std::vector<hive_value_h>& handles, std::vector<ValueRecord>& records) {
    const Owned<hive_value_h> values(hivex_node_values(hive, node));
    if (!values) return false;
    for (const hive_value_h* value = values.get(); *value != 0; ++value) {
        ValueRecord record;
        if (!ReadValue(hive, *value, record)) return false;
        handles.push_back(*value);
        records.push_back(std::move(record));
    }
    return true;
}

bool ReadChildNames(hive_h* hive, hive_node_h node, std::vector<std::string>& names,
                    std::vector<hive_node_h>* handles = nullptr) {
    const Owned<hive_node_h> children(hivex_node_children(hive, node));
    if (!children) return false;
    for (const hive_node_h* child = children.get(); *child != 0; ++child) {
        const Owned<char> name(hivex_node_name(hive, *child));
        if (!name) return false;
        names.emplace_back(name.get());
        if (handles != nullptr) handles->push_back(*child);
    }
    return true;
}

}  // namespace

struct HiveFile::Expectation {
    hive_node_h node = 0;
    bool values = false;  // else the subkeys' names
    std::vector<ValueRecord> remainingValues;
    std::vector<std::string> remainingChildren;
};

bool HiveFile::Identity::operator==(const Identity& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}

HiveFile::HiveFile(Descriptor folder, std::string name, std::string display)
    : folder_(std::move(folder)), name_(std::move(name)), display_(std::move(display)) {}

HiveFile::~HiveFile() {
    if (reader_ != nullptr) hivex_close(reader_);
}

std::unique_ptr<HiveFile> HiveFile::Open(Descriptor folder, std::string name, std::string display,
                                         std::string& problem) {
    // The folder opened for reading too (the walk's descriptor may be
    // O_PATH), so that it can be flushed after a rename.
    Descriptor opened(::openat(folder.Get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!opened) {
        problem = "cannot open the folder of " + display + ": " + ErrorText(errno);
        return nullptr;
    }
    std::unique_ptr<HiveFile> hive(new HiveFile(std::move(opened), std::move(name), std::move(display)));
    problem = hive->OpenReader();
    if (!problem.empty()) return nullptr;
    hive->CheckLogs();
    return hive;
}

std::string HiveFile::OpenReader() {
    if (reader_ != nullptr) {
        hivex_close(reader_);
        reader_ = nullptr;
    }
    const Descriptor file(::openat(folder_.Get(), name_.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!file) {
        if (errno == ELOOP) return display_ + " is a symbolic link; give the hive file itself";
        return "cannot open " + display_ + ": " + ErrorText(errno);
    }
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return display_ + " is not a regular file";
    identity_ = {info.st_dev, info.st_ino, info.st_size, info.st_mtim};
    header_ = ReadRegfHeader(ReadAt(file.Get(), 0, kBaseBlockSize));
    if (!header_.isHive) return display_ + " is not a registry hive file (no \"regf\" header)";
    if (!header_.checksumHolds) return display_ + " has a damaged header (its checksum does not hold)";
    reader_ = hivex_open(ProcPath(file.Get()).c_str(), 0);
    if (reader_ == nullptr) return "hivex cannot read " + display_ + ": " + ErrorText(errno);
    unreplayed_.clear();
    if (header_.Dirty()) {
        unreplayed_ = display_ + " was not written to the end (its sequence numbers " +
                      std::to_string(header_.sequence1) + " and " + std::to_string(header_.sequence2) + " differ)";
    }
    return {};
}

void HiveFile::CheckLogs() {
    if (!unreplayed_.empty()) return;
    for (const char* suffix : {".LOG", ".LOG1", ".LOG2"}) {
        const std::optional<std::string> log = emulated::EntryIgnoringCase(folder_.Get(), name_ + suffix);
        if (!log) continue;
        const Descriptor file(::openat(folder_.Get(), log->c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat info {};
        if (!file || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        // An empty log, or one that no longer starts with a base block,
        // holds nothing to replay; one written after the hive may.
        if (ReadAt(file.Get(), 0, 4) != "regf" || !Newer(info.st_mtim, identity_.modified)) continue;
        unreplayed_ =
            "its transaction log " + *log + " is newer than " + display_ + " and may hold changes not yet in it";
        return;
    }
}

std::string HiveFile::WriteProblem(bool backup) const {
    struct statvfs volume {};
    if (::fstatvfs(folder_.Get(), &volume) == 0 && (volume.f_flag & ST_RDONLY) != 0)
        return display_ + " is on a file system mounted read-only";
    struct stat folderInfo {};
    struct stat fileInfo {};
    if (::fstat(folder_.Get(), &folderInfo) != 0 ||
        ::fstatat(folder_.Get(), name_.c_str(), &fileInfo, AT_SYMLINK_NOFOLLOW) != 0)
        return "cannot look at " + display_ + ": " + ErrorText(errno);
    // Read-only as the emulated machine has it: no owner write bit (which
    // holds for root too), or no right to write for this user.
    if ((fileInfo.st_mode & S_IWUSR) == 0 || ::faccessat(folder_.Get(), name_.c_str(), W_OK, AT_EACCESS) != 0)
        return display_ + " is read-only";
    if ((folderInfo.st_mode & S_IWUSR) == 0 || ::faccessat(folder_.Get(), ".", W_OK, AT_EACCESS) != 0)
        return "the folder of " + display_ + " is read-only";
    struct stat backupInfo {};
    if (backup && !backedUp_ &&
        ::fstatat(folder_.Get(), (name_ + kBackupSuffix).c_str(), &backupInfo, AT_SYMLINK_NOFOLLOW) == 0)
        return display_ + kBackupSuffix +
               " (from an earlier clean) is in the way: move it elsewhere, or clean "
               "with --no-backup";
    return {};
}

void HiveFile::DeleteValue(hive_node_h node, hive_value_h value) { journal_.push_back({false, node, value}); }

void HiveFile::DeleteKey(hive_node_h node) { journal_.push_back({true, node, 0}); }

void HiveFile::TruncateJournal(std::size_t size) {
    if (size < journal_.size()) journal_.resize(size);
}

std::string HiveFile::ApplyJournal(hive_h* writer, int fd, std::vector<Expectation>& expectations) const {
    const HiveBytes bytes = [fd](std::uint64_t offset, std::size_t length) { return ReadAt(fd, offset, length); };
    std::set<hive_node_h> deletedKeys;
    std::map<hive_node_h, std::set<hive_value_h>> deletedValues;
    for (const Change& change : journal_) {
        if (change.key) {
            deletedKeys.insert(change.node);
        } else {
            deletedValues[change.node].insert(change.value);
        }
    }

    // The values first: each key that loses some is given the rest anew,
    // name, type and data as they were.
    for (const auto& [node, gone] : deletedValues) {
        if (deletedKeys.count(node) != 0) continue;  // goes with its key
        std::vector<hive_value_h> handles;
        std::vector<ValueRecord> records;
        if (!ReadValues(writer, node, handles, records))
            return "a key in " + display_ + " holds a value that cannot be written back as it is";
        Expectation expectation{node, true, {}, {}};
        for (std::size_t i = 0; i < handles.size(); ++i) {
            if (gone.count(handles[i]) != 0) continue;
            // Large data lives in big-data records from hive version 1.4
            // on, which hivex does not write.
            if (header_.minor >= 4 && records[i].data.size() > kLargestSingleCellData)
                return "a key in " + display_ +
                       " keeps a value of more than 16 KB beside the one to delete, "
                       "which hivex cannot write back";
            expectation.remainingValues.push_back(records[i]);
        }
        std::vector<hive_set_value> kept;
        for (ValueRecord& record : expectation.remainingValues)
            kept.push_back({record.name.data(), record.type, record.data.size(), record.data.data()});
        if (hivex_node_set_values(writer, node, kept.size(), kept.data(), 0) != 0)
            return "hivex cannot change a key of " + display_ + ": " + ErrorText(errno);
        expectations.push_back(std::move(expectation));
    }

    // Then the keys, each with what is below it, in the order deleted.
    std::map<hive_node_h, Expectation> parents;
    for (const Change& change : journal_) {
        if (!change.key) continue;
        const hive_node_h parent = hivex_node_parent(writer, change.node);
        if (parent == 0) return "a key to delete in " + display_ + " has no parent";
        if (!LinkedThroughHashList(bytes, parent, change.node))
            return "a key to delete in " + display_ +
                   " is listed in an old form of subkey list that hivex "
                   "cannot change";
        auto [entry, inserted] = parents.try_emplace(parent, Expectation{parent, false, {}, {}});
        std::vector<std::string> names;
        std::vector<hive_node_h> children;
        if (!ReadChildNames(writer, parent, names, &children)) return "cannot read the subkeys of a key in " + display_;
        if (inserted) entry->second.remainingChildren = names;
        const auto at = std::find(children.begin(), children.end(), change.node);
        if (at == children.end()) return "a key to delete in " + display_ + " is not where it was";
        const std::string& name = names[static_cast<std::size_t>(at - children.begin())];
        auto& remaining = entry->second.remainingChildren;
        remaining.erase(std::find(remaining.begin(), remaining.end(), name));
        if (hivex_node_delete_child(writer, change.node) != 0)
            return "hivex cannot delete a key of " + display_ + ": " + ErrorText(errno);
    }
    for (auto& [parent, expectation] : parents) expectations.push_back(std::move(expectation));
    return {};
}

std::string HiveFile::WriteNew() {
    newWritten_ = false;
    if (journal_.empty()) return {};
    const std::string newName = name_ + kNewSuffix;
    // The file read afresh: the same file as was scanned, unchanged since.
    const Descriptor file(::openat(folder_.Get(), name_.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (!file || ::fstat(file.Get(), &info) != 0) return "cannot read " + display_ + " again: " + ErrorText(errno);
    if (!(Identity{info.st_dev, info.st_ino, info.st_size, info.st_mtim} == identity_))
        return display_ +
               " changed since it was read (is that Windows running, or did another program write "
               "it?); scan again";
    hive_h* writer = hivex_open(ProcPath(file.Get()).c_str(), HIVEX_OPEN_WRITE);
    if (writer == nullptr) return "hivex cannot read " + display_ + " for writing: " + ErrorText(errno);
    std::vector<Expectation> expectations;
    std::string problem = ApplyJournal(writer, file.Get(), expectations);

    // A new file of its own (a leftover of a killed clean goes first).
    Descriptor created;
    if (problem.empty()) {
        ::unlinkat(folder_.Get(), newName.c_str(), 0);
        created = Descriptor(::openat(folder_.Get(), newName.c_str(),
                                      O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, info.st_mode & 07777));
        if (!created) problem = "cannot make " + display_ + kNewSuffix + ": " + ErrorText(errno);
    }
    if (problem.empty()) {
        newWritten_ = true;
        if (hivex_commit(writer, ProcPath(created.Get()).c_str(), 0) != 0) {
            problem = "cannot write " + display_ + kNewSuffix + ": " + ErrorText(errno);
        } else if (::fsync(created.Get()) != 0) {
            problem = "cannot write " + display_ + kNewSuffix + " to the disk: " + ErrorText(errno);
        }
    }
    hivex_close(writer);

    // Read back: hivex reads it, its header holds, and every changed key
    // holds exactly what should remain.
    if (problem.empty()) {
        const RegfHeader written = ReadRegfHeader(ReadAt(created.Get(), 0, kBaseBlockSize));
        hive_h* check = hivex_open(ProcPath(created.Get()).c_str(), 0);
        if (!written.isHive || !written.checksumHolds || written.Dirty() || check == nullptr) {
            problem = "the new " + display_ + " does not read back as a whole hive";
        }
        for (const Expectation& expectation : expectations) {
            if (!problem.empty()) break;
            if (expectation.values) {
                std::vector<hive_value_h> handles;
                std::vector<ValueRecord> records;
                if (!ReadValues(check, expectation.node, handles, records) || records != expectation.remainingValues)
                    problem = "the new " + display_ + " does not hold the values it should";
            } else {
                std::vector<std::string> names;
                if (!ReadChildNames(check, expectation.node, names) || names != expectation.remainingChildren)
                    problem = "the new " + display_ + " does not hold the subkeys it should";
            }
        }
        if (check != nullptr) hivex_close(check);
    }
    if (!problem.empty()) DropNew();
    return problem;
}

std::string HiveFile::PutInPlace(bool backup) {
    if (!newWritten_) return {};
    const std::string newName = name_ + kNewSuffix;
    if (backup && !backedUp_) {
        const std::string backupName = name_ + kBackupSuffix;
        // A second name for the original; where the file system has no hard
        // links, a copy flushed to the disk.
        if (::linkat(folder_.Get(), name_.c_str(), folder_.Get(), backupName.c_str(), 0) != 0) {
            if (errno == EEXIST)
                return display_ + kBackupSuffix + " is in the way; nothing of " + display_ + " was changed";
            const Descriptor from(::openat(folder_.Get(), name_.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
            const Descriptor to(::openat(folder_.Get(), backupName.c_str(),
                                         O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
            bool copied = from && to;
            for (std::uint64_t offset = 0; copied;) {
                const std::string chunk = ReadAt(from.Get(), offset, 1 << 20);
                if (chunk.empty()) break;
                copied = ::write(to.Get(), chunk.data(), chunk.size()) == static_cast<ssize_t>(chunk.size());
                offset += chunk.size();
            }
            copied = copied && ::fsync(to.Get()) == 0;
            if (!copied) {
                if (to) ::unlinkat(folder_.Get(), backupName.c_str(), 0);
                return "cannot keep " + display_ + " as " + display_ + kBackupSuffix + "; nothing of it was changed";
            }
        }
        backedUp_ = true;
    }
    if (::renameat(folder_.Get(), newName.c_str(), folder_.Get(), name_.c_str()) != 0)
        return "cannot put " + display_ + kNewSuffix + " in place of " + display_ + ": " + ErrorText(errno);
    newWritten_ = false;
    ::fsync(folder_.Get());
    return {};
}

void HiveFile::DropNew() {
    if (!newWritten_) return;
    ::unlinkat(folder_.Get(), (name_ + kNewSuffix).c_str(), 0);
    newWritten_ = false;
}

std::string HiveFile::Reload() {
    journal_.clear();
    return OpenReader();
}

}  // namespace platform::offline
