// A machine whose registry cannot be written: a read-only prefix still
// reads and scans, and every change fails once with ERROR_ACCESS_DENIED;
// a write that fills the disk fails with ERROR_DISK_FULL and keeps every
// earlier commit.
#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <sqlite3.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <grp.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/run_program.h"
#include "tests/support/scratch_prefix.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ProgramRun;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// How a program is held back: run as another user (permission bits do not
// stop root), or with a limit on the size of any file it writes, which
// stands for a full disk.
struct Restraint {
    std::optional<passwd> user;
    rlim_t fileSize = RLIM_INFINITY;
    fs::path readOnlyMount;  // this folder, seen through a read-only mount
};

// In a mount namespace of the process's own, so that the mount goes when
// the process ends.
bool MountReadOnly(const fs::path& folder) {
    return unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
           mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
}

bool CanMountReadOnly(const fs::path& folder) {
    const pid_t pid = fork();
    if (pid == 0) _exit(MountReadOnly(folder) ? 0 : 1);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

ProgramRun RunRestrained(const std::string& program, const std::vector<std::string>& arguments,
                         const Restraint& restraint, const fs::path& outputs) {
    const fs::path out = outputs / "out.txt";
    const fs::path err = outputs / "err.txt";
    const pid_t pid = fork();
    if (pid == 0) {
        const int outFd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int inFd = ::open("/dev/null", O_RDONLY);
        if (outFd < 0 || errFd < 0 || inFd < 0) _exit(126);
        dup2(inFd, 0);
        dup2(outFd, 1);
        dup2(errFd, 2);
        if (!restraint.readOnlyMount.empty() && !MountReadOnly(restraint.readOnlyMount)) _exit(126);
        if (restraint.user) {
            if (setgroups(0, nullptr) != 0 || setgid(restraint.user->pw_gid) != 0 ||
                setuid(restraint.user->pw_uid) != 0)
                _exit(126);
        }
        const rlimit limit{restraint.fileSize, restraint.fileSize};
        if (restraint.fileSize != RLIM_INFINITY && setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(126);
        signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of killing
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
}

void ExpectOneLine(const ProgramRun& run, const std::string& text) {
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_NE(run.err.find(text), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
}

std::string StoreBytes(const fs::path& home) {
    std::string bytes;
    for (const char* name : {"registry.db", "registry.db-wal"}) bytes += ReadFile(home / name) + '|';
    return bytes;
}

void FoldLogIntoStore(const fs::path& home) {
    sqlite3* db = nullptr;
    sqlite3_open((home / "registry.db").c_str(), &db);
    sqlite3_exec(db, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    fs::remove(home / "registry.db-wal");
    fs::remove(home / "registry.db-shm");
}

void SetWritable(const fs::path& home, bool writable) {
    const auto change = [writable](const fs::path& path) {
        const fs::perms write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
        fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read,
                        fs::perm_options::add);
        if (fs::is_directory(path))
            fs::permissions(path, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                            fs::perm_options::add);
        fs::permissions(path, writable ? fs::perms::owner_write : write,
                        writable ? fs::perm_options::add : fs::perm_options::remove);
    };
    change(home);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(home)) change(entry.path());
}

class ReadOnlyPrefixTest : public testing::TestWithParam<bool> {};

TEST_P(ReadOnlyPrefixTest, ReadsAndScansButEveryChangeFailsOnce) {
    const bool logBesideStore = GetParam();
    testing_support::ScratchPrefix prefix;
    const fs::path outputs = prefix.Home().string() + "-outputs";
    fs::create_directories(outputs);
    Restraint restraint;
    if (geteuid() == 0) {
        passwd* nobody = getpwnam("nobody");
        if (nobody == nullptr) GTEST_SKIP() << "running as root with no user \"nobody\" to drop to";
        restraint.user = *nobody;
    }
    auto run = [&](const std::string& program, const std::vector<std::string>& arguments) {
        return RunRestrained(program, arguments, restraint, outputs);
    };

    const std::string profile = std::string(NIMBREL_SOURCE_DIR) + "/samples/demo-profile.reg";
    ASSERT_EQ(testing_support::RunProgram(NIMBREL_CLI, {"reg", "import", profile}).exitCode, 0);
    ASSERT_EQ(testing_support::RunProgram(NIMBREL_CLI,
                                          {"reg", "add", "HKCU\\Software\\Kept", "--value", "v", "--data", "before"})
                  .exitCode,
              0);
    if (!logBesideStore) FoldLogIntoStore(prefix.Home());
    const std::string before = StoreBytes(prefix.Home());
    SetWritable(prefix.Home(), false);

    ProgramRun result = run(NIMBREL_CLI, {"reg", "query", "HKCU\\Software\\Kept", "--value", "v"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("before"), std::string::npos);
    result = run(NIMBREL_CLI, {"scan", "--format", "tsv"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("TypedURLs"), std::string::npos);

    ExpectOneLine(run(NIMBREL_CLI, {"reg", "add", "HKCU\\Software\\Kept", "--value", "v", "--data", "after"}),
                  "error 5 (access denied)");
    ExpectOneLine(run(NIMBREL_CLI, {"reg", "import", profile}), "cannot change the registry: error 5 (access denied)");
    ExpectOneLine(run(NIMBREL_CLI, {"clean", "--no-plugins"}), "the registry cannot be changed: error 5");
    ExpectOneLine(run(NIMBREL_PROGRAM, {"-SILENT"}), "the registry cannot be changed: error 5");

    SetWritable(prefix.Home(), true);
    EXPECT_EQ(StoreBytes(prefix.Home()), before);
    fs::remove_all(outputs);
}

INSTANTIATE_TEST_SUITE_P(Logs, ReadOnlyPrefixTest, testing::Bool(), [](const testing::TestParamInfo<bool>& info) {
    return std::string(info.param ? "WithLogBesideTheStore" : "StoreAlone");
});

TEST(ReadOnlyMount, ChangesFailAsWriteProtected) {
    testing_support::ScratchPrefix prefix;
    ASSERT_EQ(testing_support::RunProgram(NIMBREL_CLI,
                                          {"reg", "add", "HKCU\\Software\\Kept", "--value", "v", "--data", "before"})
                  .exitCode,
              0);
    if (!CanMountReadOnly(prefix.Home())) GTEST_SKIP() << "no right to mount here";
    const fs::path outputs = prefix.Home().string() + "-outputs";
    fs::create_directories(outputs);
    const std::string before = StoreBytes(prefix.Home());
    Restraint mounted;
    mounted.readOnlyMount = prefix.Home();

    ProgramRun run =
        RunRestrained(NIMBREL_CLI, {"reg", "query", "HKCU\\Software\\Kept", "--value", "v"}, mounted, outputs);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("before"), std::string::npos);
    ExpectOneLine(RunRestrained(NIMBREL_CLI, {"reg", "add", "HKCU\\Software\\Kept", "--value", "v", "--data", "after"},
                                mounted, outputs),
                  "error 19 (the disk is write-protected)");
    EXPECT_EQ(StoreBytes(prefix.Home()), before);
    fs::remove_all(outputs);
}

TEST(FullDisk, AnImportThatFillsItFailsOnceAndKeepsEarlierCommits) {
    testing_support::ScratchPrefix prefix;
    ASSERT_EQ(testing_support::RunProgram(NIMBREL_CLI,
                                          {"reg", "add", "HKCU\\Software\\Kept", "--value", "v", "--data", "before"})
                  .exitCode,
              0);
    const fs::path file = prefix.Home() / "large.reg";
    {
        std::ofstream out(file, std::ios::binary);
        out << "REGEDIT4\n\n[-HKEY_CURRENT_USER\\Software\\Kept]\n";
        for (int key = 0; key < 20000; ++key) {
            out << "[HKEY_CURRENT_USER\\Software\\Imported\\Key" << key << "]\n";
            for (int value = 0; value < 4; ++value)
                out << "\"Value" << value << "\"=\"" << std::string(60, 'x') << "\"\n";
        }
    }

    Restraint twoMegabytes;
    twoMegabytes.fileSize = 2 << 20;
    ExpectOneLine(RunRestrained(NIMBREL_CLI, {"reg", "import", file.string()}, twoMegabytes, prefix.Home()),
                  "error 112 (disk full)");

    ProgramRun run = testing_support::RunProgram(NIMBREL_CLI, {"reg", "query", "HKCU\\Software\\Kept", "--value", "v"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("before"), std::string::npos);
    EXPECT_EQ(testing_support::RunProgram(NIMBREL_CLI, {"reg", "query", "HKCU\\Software\\Imported"}).exitCode, 1);
    run = testing_support::RunProgram(NIMBREL_CLI,
                                      {"reg", "add", "HKCU\\Software\\Later", "--value", "v", "--data", "1"});
    EXPECT_EQ(run.exitCode, 0) << run.err;

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((prefix.Home() / "registry.db").c_str(), &db), SQLITE_OK);
    sqlite3_stmt* check = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr);
    ASSERT_EQ(sqlite3_step(check), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "ok");
    sqlite3_finalize(check);
    sqlite3_close(db);
}

}  // namespace
