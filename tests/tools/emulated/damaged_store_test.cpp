// A registry.db that is damaged, cut short, empty, or not a registry store
// at all: every program refuses it, naming it, and leaves it byte for byte
// as it was, with no log or shared-memory file left beside it.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/ixwipe_program.h"
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

// A store of a few hundred KiB, its log folded into the file.
std::string RealStore(const testing_support::ScratchPrefix& prefix) {
    const fs::path file = prefix.Home() / "many.reg";
    std::string text = "REGEDIT4\n";
    for (int key = 0; key < 2000; ++key) {
        text += "[HKEY_CURRENT_USER\\Software\\Many\\Key" + std::to_string(key) + "]\n\"v\"=\"" + std::string(40, 'x') +
                "\"\n";
    }
    WriteFile(file, text);
    const ProgramRun run = RunProgram(NIMBREL_CLI, {"reg", "import", file.string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    sqlite3* db = nullptr;
    sqlite3_open((prefix.Home() / "registry.db").c_str(), &db);
    sqlite3_exec(db, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    fs::remove(prefix.Home() / "registry.db-wal");
    fs::remove(prefix.Home() / "registry.db-shm");
    return ReadFile(prefix.Home() / "registry.db");
}

struct Damage {
    const char* name;
    std::string (*make)(const std::string& store, const fs::path& file);
};

void PrintTo(const Damage& damage, std::ostream* out) { *out << damage.name; }

const Damage kDamages[] = {
    {"GarbageInTheMiddle",
     [](const std::string& store, const fs::path&) {
         std::string bytes = store;
         const std::size_t middle = bytes.size() / 2 / 4096 * 4096;
         bytes.replace(middle, 3 * 4096, std::string(3 * 4096, '\xA5'));
         return bytes;
     }},
    {"CutAtHalf", [](const std::string& store, const fs::path&) { return store.substr(0, store.size() / 2); }},
    {"CutTo100Bytes", [](const std::string& store, const fs::path&) { return store.substr(0, 100); }},
    {"CutTo50Bytes", [](const std::string& store, const fs::path&) { return store.substr(0, 50); }},
    {"Empty", [](const std::string&, const fs::path&) { return std::string(); }},
    {"TextFile", [](const std::string&, const fs::path&) { return std::string("just some notes\n"); }},
    {"Png",
     [](const std::string&, const fs::path&) {
         // The header holds NULs: sizeof counts them, a count by hand can
         // read past the literal.
         static constexpr char kHeader[] = "\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x01\0\0\0\x01\x08\x06\0\0\0";
         return std::string(kHeader, sizeof kHeader - 1);
     }},
    {"ForeignDatabase",
     [](const std::string&, const fs::path& file) {
         const fs::path other = file.parent_path() / "other.db";
         sqlite3* db = nullptr;
         sqlite3_open(other.c_str(), &db);
         sqlite3_exec(db, "CREATE TABLE photos(name TEXT, taken INTEGER); INSERT INTO photos VALUES('a', 1)", nullptr,
                      nullptr, nullptr);
         sqlite3_close(db);
         return ReadFile(other);
     }},
};

class DamagedStoreTest : public testing::TestWithParam<Damage> {};

TEST_P(DamagedStoreTest, EveryProgramRefusesItAndLeavesItAsItWas) {
    testing_support::ScratchPrefix prefix;
    const fs::path file = prefix.Home() / "registry.db";
    const std::string damaged = GetParam().make(RealStore(prefix), file);
    WriteFile(file, damaged);
    const fs::path regFile = prefix.Home() / "one.reg";
    WriteFile(regFile, "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\New]\n\"v\"=\"x\"\n");

    const std::vector<std::pair<std::string, std::vector<std::string>>> runs = {
        {NIMBREL_CLI, {"reg", "query", "HKCU\\Software"}},
        {NIMBREL_CLI, {"reg", "import", regFile.string()}},
        {NIMBREL_CLI, {"scan"}},
        {NIMBREL_CLI, {"clean", "--no-plugins"}},
        {NIMBREL_PROGRAM, {"-SILENT"}},
        {testing_support::IxwipeProgram(), {"-CC"}},
    };
    for (const auto& [program, arguments] : runs) {
        const std::string what = fs::path(program).filename().string() + " " + arguments.front();
        const ProgramRun run = RunProgram(program, arguments);
        EXPECT_NE(run.exitCode, 0) << what;
        EXPECT_GT(run.exitCode, 0) << what << " did not end normally";
        if (program == testing_support::IxwipeProgram()) {
            EXPECT_EQ(run.err, "") << what;  // it reports nothing, by design
        } else {
            EXPECT_NE(run.err.find(file.string()), std::string::npos) << what << ": " << run.err;
            EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << what << ": " << run.err;
        }
        EXPECT_EQ(ReadFile(file), damaged) << what << " changed the file";
        EXPECT_FALSE(fs::exists(file.string() + "-wal")) << what;
        EXPECT_FALSE(fs::exists(file.string() + "-shm")) << what;
    }
}

INSTANTIATE_TEST_SUITE_P(Stores, DamagedStoreTest, testing::ValuesIn(kDamages),
                         [](const testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

}  // namespace
