// The files of the prefix's registry store as a program finds them at its
// start: one that is a link (or anything but a regular file) makes every
// change refused, naming it, and what it points to keeps every byte; the
// set-up files of a set-up that was killed are removed once their process
// has gone, and nothing else is.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/run_program.h"
#include "tests/support/scratch_prefix.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ProgramRun;
using testing_support::RunProgram;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

ProgramRun AddKey(const std::string& key) { return RunProgram(NIMBREL_CLI, {"reg", "add", "HKCU\\Software\\" + key}); }

class PrefixStoreFiles : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(AddKey("First").exitCode, 0);  // a whole store, its log folded in
        fs::create_directory(decoys);
    }

    testing_support::ScratchPrefix prefix;
    const fs::path decoys = prefix.Home() / "decoys";
};

struct LinkedFile {
    const char* name;
    const char* file;      // in the prefix
    bool decoyIsTheStore;  // else a file of text
};

class LinkedStoreFile : public PrefixStoreFiles, public testing::WithParamInterface<LinkedFile> {};

TEST_P(LinkedStoreFile, IsRefusedByNameAndItsTargetKeepsEveryByte) {
    const fs::path file = prefix.Home() / GetParam().file;
    const fs::path decoy = decoys / "decoy";
    if (GetParam().decoyIsTheStore) {
        fs::rename(file, decoy);
    } else {
        WriteFile(decoy, "a file of somebody else's\n");
        fs::remove(file);
    }
    const std::string before = ReadFile(decoy);
    fs::create_symlink(decoy, file);

    const ProgramRun run = AddKey("Second");
    EXPECT_GT(run.exitCode, 0) << run.out;
    EXPECT_NE(run.err.find(file.string() + " is a symbolic link"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    EXPECT_EQ(ReadFile(decoy), before);
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(fs::read_symlink(file), decoy);
}

INSTANTIATE_TEST_SUITE_P(Files, LinkedStoreFile,
                         testing::Values(LinkedFile{"Store", "registry.db", true},
                                         LinkedFile{"ChangeCounter", "registry.version", false},
                                         LinkedFile{"Log", "registry.db-wal", false},
                                         LinkedFile{"SharedMemory", "registry.db-shm", false}),
                         [](const testing::TestParamInfo<LinkedFile>& info) { return info.param.name; });

TEST_F(PrefixStoreFiles, AChangeCounterThatIsAPipeIsRefusedWithoutWaiting) {
    const fs::path counter = prefix.Home() / "registry.version";
    fs::remove(counter);
    ASSERT_EQ(mkfifo(counter.c_str(), 0644), 0);
    const ProgramRun run = AddKey("Second");
    EXPECT_GT(run.exitCode, 0);
    EXPECT_NE(run.err.find(counter.string() + " is not a regular file"), std::string::npos) << run.err;
}

// A process that has ended, so its number names no running process.
pid_t EndedProcess() {
    const pid_t pid = fork();
    if (pid == 0) _exit(0);
    waitpid(pid, nullptr, 0);
    return pid;
}

TEST_F(PrefixStoreFiles, SetUpFilesOfEndedProcessesGoAtTheNextStart) {
    const std::string ended = std::to_string(EndedProcess());
    const std::string running = std::to_string(getpid());
    const fs::path home = prefix.Home();
    const std::string stale[] = {"registry.db.new-" + ended, "registry.db.new-" + ended + "-wal",
                                 "registry.db.new-" + ended + "-shm", "registry.db.new-" + ended + "-journal"};
    const std::string kept[] = {"registry.db.new-" + running, "registry.db.new-" + ended + "-old",
                                "registry.db.new-0" + ended, "other.db.new-" + ended, "registry.db.new-"};
    for (const std::string& name : stale) WriteFile(home / name, "half a store");
    for (const std::string& name : kept) WriteFile(home / name, "not ours to remove");
    WriteFile(decoys / "decoy", "pointed at");
    const fs::path link = home / ("registry.db.new-" + std::to_string(EndedProcess()));
    fs::create_symlink(decoys / "decoy", link);

    ASSERT_EQ(AddKey("Second").exitCode, 0);
    for (const std::string& name : stale) EXPECT_FALSE(fs::exists(home / name)) << name;
    for (const std::string& name : kept) EXPECT_EQ(ReadFile(home / name), "not ours to remove") << name;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(decoys / "decoy"), "pointed at");
}

}  // namespace
