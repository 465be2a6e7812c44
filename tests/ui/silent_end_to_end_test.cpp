// nimbrel -SILENT from start to end, as a scheduler would run it: the demo
// profile in the registry and shortcuts in the Recent folder, the program
// run as a process, then the registry tool of the platform (nimbrel-cli on
// the emulated machine, Wine's reg.exe in the Windows build) and the file
// system show every detected trace gone and everything else still there.
//
// The Windows build runs it under Wine only: it cleans the whole registry
// of the machine it runs on.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "scan/results_model.h"
#include "platform/ansi_codepage.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "registry/mod_registry.h"
#include "registry/reg_export.h"
#include "registry/reg_file.h"
#include "scan/scan_driver.h"
#include "scan/scan_window_state.h"
#include "tests/support/recording_host.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scratch_machine.h"
#include "tests/support/wine.h"

namespace {

namespace fs = std::filesystem;
using testing_support::RunProgram;

constexpr const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

bool IsAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Where a key lives, the same for a row and for the profile: "U\path" for
// the user (HKCU, or a user's hive under HKU), "D\path" for the default
// user, "M\path" for the machine; upper-cased, without a final backslash.
std::string Place(const std::string& root, std::string path) {
    while (!path.empty() && path.back() == '\\') path.pop_back();
    const std::string upperRoot = Upper(root);
    if (upperRoot == "HKCU" || upperRoot == "HKEY_CURRENT_USER") return Upper("U\\" + path);
    if (upperRoot == "HKLM" || upperRoot == "HKEY_LOCAL_MACHINE") return Upper("M\\" + path);
    const std::size_t cut = path.find('\\');
    const std::string hive = Upper(path.substr(0, cut));
    const std::string rest = cut == std::string::npos ? "" : path.substr(cut + 1);
    return Upper((hive == ".DEFAULT" ? "D\\" : "U\\") + rest);
}

bool Within(const std::string& place, const std::string& key) {
    return place == key ||
           (place.size() > key.size() && place.compare(0, key.size(), key) == 0 && place[key.size()] == '\\');
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SilentEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
#ifdef _WIN32
        if (!testing_support::RunningOnWine()) GTEST_SKIP() << "it would clean this machine's own registry";
#endif
        machine_ = testing_support::FreshMachine();
        ASSERT_EQ(platform::Start(), "");
        profile_ = ReadText(fs::path(NIMBREL_SOURCE_DIR) / "samples" / "demo-profile.reg");
        ASSERT_EQ(registry::ParseRegFile(profile_, operations_), "");
        ImportProfile();
        PrepareRecentFolder();
        for (const char* name : {"Holiday.mp3.lnk", "Desktop.ini", "scan.bmp.lnk"}) {
            testing_support::WriteBytes(recent_ + "\\" + name, "shortcut");
        }
    }

    void TearDown() override {
#ifdef _WIN32
        if (oldRecent_) modRegistry::WriteValue("HKCU", kShellFolders, "Recent", "S", *oldRecent_);
#endif
    }

    void ImportProfile() {
#ifdef _WIN32
        // Wine's own reg.exe reads it, as regedit writes it: UTF-16LE.
        const std::string file = folder_.Path("demo-profile.reg");
        testing_support::WriteBytes(file, registry::EncodeRegFileUtf16(platform::Utf8ToAnsi(profile_)));
        const auto run = RunProgram("reg.exe", {"import", file});
#else
        const auto run =
            RunProgram(NIMBREL_CLI, {"reg", "import", std::string(NIMBREL_SOURCE_DIR) + "/samples/demo-profile.reg"});
#endif
        ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    }

    // The emulated machine is the test's own; under Wine the Recent value
    // is pointed at a folder of the test's own for the run.
    void PrepareRecentFolder() {
        modRegistry::ValueHolder result;
        modRegistry::ReadValue("HKCU", kShellFolders, "Recent", "S", modRegistry::kNone, result);
#ifdef _WIN32
        if (result.Text() != modRegistry::kNone) oldRecent_ = result.Text();
        recent_ = folder_.Path("Recent");
        fs::create_directories(testing_support::HostPath(recent_));
        ASSERT_EQ(modRegistry::WriteValue("HKCU", kShellFolders, "Recent", "S", recent_), 0);
#else
        ASSERT_NE(result.Text(), modRegistry::kNone);
        recent_ = result.Text();
#endif
    }

    std::vector<scan::DetectedItem> ScanRows() {
        testing_support::RecordingHost host;
        scan::ScanWindowState window;
        scan::ResultsModel results;
        scan::ScanContext ctx{host, window, results};
        scan::Scan(ctx);
        std::vector<scan::DetectedItem> rows;
        for (std::size_t row = 0; row < results.store.RowCount(); ++row) rows.push_back(results.store.Row(row));
        return rows;
    }

    // Whether the platform's registry tool finds the key, or the value when
    // a name is given.
    static bool Found(const std::string& root, const std::string& key, const std::optional<std::string>& value) {
        const std::string full = root + "\\" + key;
#ifdef _WIN32
        std::vector<std::string> arguments = {"query", full};
        if (value) {
            if (value->empty())
                arguments.push_back("/ve");
            else
                arguments.insert(arguments.end(), {"/v", *value});
        }
        return RunProgram("reg.exe", arguments).exitCode == 0;
#else
        std::vector<std::string> arguments = {"reg", "query", platform::AnsiToUtf8(full)};
        if (value) arguments.insert(arguments.end(), {"--value", platform::AnsiToUtf8(*value)});
        return RunProgram(NIMBREL_CLI, arguments).exitCode == 0;
#endif
    }

    std::shared_ptr<void> machine_;
    testing_support::ScratchFolder folder_;
    std::string profile_;
    std::vector<registry::RegOperation> operations_;
    std::string recent_;
    std::optional<std::string> oldRecent_;
};

TEST_F(SilentEndToEndTest, EveryTraceGoesAndEverythingElseStays) {
    const std::vector<scan::DetectedItem> rows = ScanRows();
    ASSERT_GE(rows.size(), 100u);
    std::vector<std::string> valuesGone;  // place + "\n" + name
    std::vector<std::string> keysGone;
    int files = 0;
    for (const scan::DetectedItem& row : rows) {
        if (row.kind == "Value") valuesGone.push_back(Place(row.mainkey, row.subkey) + "\n" + Upper(row.value));
        if (row.kind == "Key") {
            std::string parent = row.subkey;
            while (!parent.empty() && parent.back() == '\\') parent.pop_back();
            keysGone.push_back(Place(row.mainkey, parent + "\\" + row.value));
        }
        if (row.kind == "File") ++files;
    }
    EXPECT_EQ(files, 2);  // Desktop.ini is no trace

    const auto run = RunProgram(NIMBREL_PROGRAM, {"-SILENT"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");

    for (const scan::DetectedItem& row : rows) {
        if (row.kind == "Value") {
            EXPECT_FALSE(Found(row.mainkey, row.subkey, row.value)) << row.label;
        } else if (row.kind == "Key") {
            EXPECT_FALSE(Found(row.mainkey, row.subkey + row.value, std::nullopt)) << row.label;
        } else {
            EXPECT_FALSE(platform::GetFileAttributes(row.mainkey).has_value()) << row.label;
        }
    }
    EXPECT_TRUE(platform::GetFileAttributes(recent_ + "\\Desktop.ini").has_value());

    int stayed = 0;
    for (const registry::RegOperation& operation : operations_) {
        if (operation.kind != registry::RegOperation::Kind::kSetValue) continue;
        const std::string place = Place(registry::RootLongName(operation.key.root), operation.key.path);
        const bool named =
            std::find(valuesGone.begin(), valuesGone.end(), place + "\n" + Upper(operation.valueName)) !=
                valuesGone.end() ||
            std::any_of(keysGone.begin(), keysGone.end(), [&](const std::string& key) { return Within(place, key); });
        if (named) continue;
        const std::string full = registry::FullKeyName(operation.key);
        const std::string root = full.substr(0, full.find('\\'));
        const std::string key = full.substr(full.find('\\') + 1);
        if (IsAscii(full) && IsAscii(operation.valueName)) {
            EXPECT_TRUE(Found(root, key, operation.valueName)) << full << " " << operation.valueName;
        } else {
            modRegistry::ValueHolder result;
            modRegistry::ReadValue(root == "HKEY_CURRENT_USER" ? "HKCU"
                                   : root == "HKEY_USERS"      ? "HKU"
                                                               : "HKLM",
                                   key, operation.valueName, "BB", modRegistry::kNone, result);
            EXPECT_NE(result.Text(), modRegistry::kNone) << full << " " << operation.valueName;
        }
        ++stayed;
    }
    EXPECT_GE(stayed, 20);  // the profile's look-alikes

    EXPECT_TRUE(ScanRows().empty());
}

}  // namespace
