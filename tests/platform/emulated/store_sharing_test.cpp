// What a process sees of the changes another one makes to the store, from
// the log of changes or, where the log does not account for a commit, by
// starting its copy again; and what a writing process leaves as it ends.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/emulated/prefix.h"
#include "platform/platform.h"
#include "platform/registry_api.h"
#include "registry/mod_registry.h"
#include "tests/support/scratch_prefix.h"

namespace {

namespace fs = std::filesystem;
using namespace platform;

std::string Read(const std::string& key, const std::string& name) {
    modRegistry::ValueHolder result;
    modRegistry::ReadValue("HKCU", key, name, "S", modRegistry::kNone, result);
    return result.Text();
}

// Subkey names, or value names and data, as enumeration lists them.
std::vector<std::string> Listing(const std::string& path, bool values) {
    HKey key = 0;
    std::vector<std::string> listed;
    if (RegOpenKey(kHkeyCurrentUser, path, kKeyRead, &key) != 0) return {"(no key)"};
    for (std::uint32_t i = 0;; ++i) {
        char name[256];
        std::uint8_t data[256];
        std::uint32_t length = sizeof name, size = sizeof data;
        const long rc =
            values ? RegEnumValue(key, i, name, &length, nullptr, data, &size) : RegEnumKey(key, i, name, &length);
        if (rc != 0) break;
        listed.emplace_back(name, length);
        if (values) listed.back() += "=" + std::string(reinterpret_cast<const char*>(data), size ? size - 1 : 0);
    }
    RegCloseKey(key);
    return listed;
}

// Runs body in a child process with a machine of its own; the child ends
// as a program does, through exit().
void InChild(const fs::path& home, void (*body)()) {
    const pid_t pid = fork();
    if (pid == 0) {
        emulated::UsePrefix(home);
        body();
        std::exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

void Sql(const fs::path& home, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((home / "registry.db").c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

// What a writer does after its commit, for a commit made behind the
// program's back.
void BumpChangeCounter(const fs::path& home) {
    const int fd = open((home / "registry.version").c_str(), O_RDWR);
    ASSERT_GE(fd, 0);
    std::uint64_t counter = 0;
    ASSERT_EQ(pread(fd, &counter, sizeof counter, 0), static_cast<ssize_t>(sizeof counter));
    ++counter;
    ASSERT_EQ(pwrite(fd, &counter, sizeof counter, 0), static_cast<ssize_t>(sizeof counter));
    close(fd);
}

class StoreSharing : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* key : {"Shared\\Gone", "Shared\\Kept\\Below", "Shared\\Kept"})
            ASSERT_EQ(modRegistry::WriteValue("HKCU", key, "a", "S", "1"), 0);
        for (const char* name : {"b", "c"})
            ASSERT_EQ(modRegistry::WriteValue("HKCU", "Shared\\Kept", name, "S", "1"), 0);
        TakeEverythingIn();
    }
    void TearDown() override { RegCloseKey(gone_); }

    // Everything in this process's copy, and a handle on the key that goes.
    void TakeEverythingIn() {
        RegCloseKey(gone_);
        ASSERT_EQ(Listing("Shared", false), (std::vector<std::string>{"Gone", "Kept"}));
        ASSERT_EQ(Listing("Shared\\Kept", true), (std::vector<std::string>{"a=1", "b=1", "c=1"}));
        ASSERT_EQ(RegOpenKey(kHkeyCurrentUser, "Shared\\Gone", kKeyRead, &gone_), 0);
    }

    void ExpectTheChanges() {
        EXPECT_EQ(Listing("Shared", false), (std::vector<std::string>{"Kept", "New"}));
        EXPECT_EQ(Listing("Shared\\Kept", true), (std::vector<std::string>{"b=2", "c=1", "d=2"}));
        EXPECT_EQ(Listing("Shared\\Kept\\Below", true), (std::vector<std::string>{"a=1"}));
        std::uint32_t size = 0;
        EXPECT_EQ(RegQueryValue(gone_, "a", nullptr, nullptr, &size), kErrorKeyDeleted);
    }

    testing_support::ScratchPrefix prefix_;
    HKey gone_ = 0;
};

void ChangeEveryKind() {
    if (RegDeleteKey(kHkeyCurrentUser, "Shared\\Gone") != 0) std::exit(1);
    if (modRegistry::WriteValue("HKCU", "Shared\\New", "v", "S", "2") != 0) std::exit(1);
    if (modRegistry::RemoveValue("HKCU", "Shared\\Kept", "a") != 0) std::exit(1);
    if (modRegistry::WriteValue("HKCU", "Shared\\Kept", "b", "S", "2") != 0) std::exit(1);
    if (modRegistry::WriteValue("HKCU", "Shared\\Kept", "d", "S", "2") != 0) std::exit(1);
}

TEST_F(StoreSharing, EveryKindOfChangeByAnotherProcessIsSeenAtTheNextCall) {
    InChild(prefix_.Home(), ChangeEveryKind);
    ExpectTheChanges();
}

TEST_F(StoreSharing, ACommitTheLogDoesNotListIsSeenAsWell) {
    // As a program that keeps no log would commit: the version moves, the
    // log says nothing. Names are blobs: KEPT, GONE, SHARED, New, NEW.
    Sql(prefix_.Home(),
        "BEGIN; DELETE FROM vals WHERE uname = X'41' AND key = (SELECT id FROM keys WHERE uname = X'4B455054');"
        "UPDATE vals SET data = X'3200' WHERE uname = X'42' AND key = (SELECT id FROM keys WHERE uname = X'4B455054');"
        "INSERT INTO vals(key, name, uname, type, data) SELECT id, X'64', X'44', 1, X'3200' FROM keys WHERE uname = "
        "X'4B455054';"
        "DELETE FROM vals WHERE key = (SELECT id FROM keys WHERE uname = X'474F4E45');"
        "DELETE FROM keys WHERE uname = X'474F4E45';"
        "INSERT INTO keys(parent, name, uname) SELECT id, X'4E6577', X'4E4557' FROM keys WHERE uname = X'534841524544';"
        "UPDATE meta SET value = value + 1 WHERE name = 'version'; COMMIT");
    BumpChangeCounter(prefix_.Home());
    ExpectTheChanges();
}

TEST_F(StoreSharing, AStoreMadeBeforeTheLogIsReadAndGivenOne) {
    Sql(prefix_.Home(), "DROP TABLE changes");
    emulated::UsePrefix(prefix_.Home());  // as a new process would
    TakeEverythingIn();
    InChild(prefix_.Home(), ChangeEveryKind);
    ExpectTheChanges();
    Sql(prefix_.Home(), "SELECT count(*) FROM changes");
}

void WriteMany() {
    for (int i = 0; i < 2000; ++i)
        if (modRegistry::WriteValue("HKCU", "Many", "v" + std::to_string(i), "S", std::string(100, 'x')) != 0)
            std::exit(1);
}

TEST(StoreLog, AWritingProcessLeavesNoLogBehindAsItEnds) {
    testing_support::ScratchPrefix prefix;
    InChild(prefix.Home(), WriteMany);
    std::error_code error;
    const fs::path log = prefix.Home() / "registry.db-wal";
    EXPECT_TRUE(!fs::exists(log) || fs::file_size(log) == 0) << fs::file_size(log, error) << " bytes";
    emulated::UsePrefix(prefix.Home());
    EXPECT_EQ(Read("Many", "v1999"), std::string(100, 'x'));
}

}  // namespace
