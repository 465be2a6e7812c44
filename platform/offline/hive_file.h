// One hive file of an installation that is not running: read through
// hivex, with the deletions the clean makes kept in a journal until Save
// writes them. The file is reached through its folder's descriptor, so
// every later read and write stays in the folder it was found in.
//
// Saving never writes the file itself: the changes are made to a fresh
// in-memory copy of it, written as NAME.nimbrel-new beside it, flushed,
// read back and checked, and only then renamed over it, the original kept
// as NAME.nimbrel-backup. A clean killed at any point leaves the original
// whole (and at worst a NAME.nimbrel-new, which the next save replaces).
#pragma once

#include <hivex.h>
#include <sys/types.h>

#include <cstdint>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "platform/emulated/drive_walk.h"
#include "platform/offline/regf_header.h"

namespace platform::offline {

inline constexpr const char* kNewSuffix = ".nimbrel-new";
inline constexpr const char* kBackupSuffix = ".nimbrel-backup";

class HiveFile {
public:
    // Opens the hive name in folder; display is how messages name it.
    // Null, with problem set, when it is no hive hivex can read.
    static std::unique_ptr<HiveFile> Open(emulated::Descriptor folder, std::string name, std::string display,
                                          std::string& problem);
    ~HiveFile();
    HiveFile(const HiveFile&) = delete;
    HiveFile& operator=(const HiveFile&) = delete;

    hive_h* Reader() const { return reader_; }
    hive_node_h Root() const { return hivex_root(reader_); }
    const std::string& Display() const { return display_; }
    const RegfHeader& Header() const { return header_; }

    // Why Windows's own changes may be missing from the file (it was not
    // shut down cleanly, or hibernated): "" when the file is whole.
    const std::string& Unreplayed() const { return unreplayed_; }
    // Why the file may not be written (a read-only mount or file, a
    // backup in the way): "" when it may.
    std::string WriteProblem(bool backup) const;

    // The journal of deletions made since the file was read.
    void DeleteValue(hive_node_h node, hive_value_h value);
    void DeleteKey(hive_node_h node);
    std::size_t JournalSize() const { return journal_.size(); }
    void TruncateJournal(std::size_t size);
    bool Changed() const { return !journal_.empty(); }

    // Step one of a save: the journal applied to the file read afresh,
    // written beside it as NAME.nimbrel-new and checked. "" or what failed;
    // a failure leaves no new file.
    std::string WriteNew();
    // Step two: the original kept as NAME.nimbrel-backup (when backup is
    // asked for, once a session), the new file renamed into its place.
    std::string PutInPlace(bool backup);
    // Removes what WriteNew wrote, when another hive could not be saved.
    void DropNew();
    // Reads the file again, the journal forgotten.
    std::string Reload();

private:
    struct Change {
        bool key;            // a key deleted (with what is below it), else a value
        hive_node_h node;    // the key, or the key that holds the value
        hive_value_h value;  // the value
    };
    struct Expectation;  // what a changed key holds after the save
    struct Identity {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        timespec modified{};
        bool operator==(const Identity& other) const;
    };

    HiveFile(emulated::Descriptor folder, std::string name, std::string display);
    std::string OpenReader();
    void CheckLogs();
    std::string ApplyJournal(hive_h* writer, int fd, std::vector<Expectation>& expectations) const;

    emulated::Descriptor folder_;
    std::string name_;
    std::string display_;
    hive_h* reader_ = nullptr;
    Identity identity_;
    RegfHeader header_;
    std::string unreplayed_;
    std::vector<Change> journal_;
    bool newWritten_ = false;
    bool backedUp_ = false;  // this session's save already kept the original
};

}  // namespace platform::offline
