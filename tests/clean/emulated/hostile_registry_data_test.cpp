// Registry data of every type and length at the places a full scan probes,
// learnt from the probe trace of scans of an ever fuller machine, with
// look-alikes planted beside them: the scan and the clean run through
// without a fault, every row names a probed place, and the clean removes
// exactly what the scan listed, leaving every other key, value and file
// byte for byte as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "clean/clean_engine.h"
#include "platform/emulated/machine_layout.h"
#include "platform/emulated/paths.h"
#include "platform/platform.h"
#include "platform/registry_api.h"
#include "registry/mod_registry.h"
#include "scan/scan_driver.h"
#include "tests/scan/probe_trace_file.h"
#include "tests/scan/scan_fixture.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using platform::HKey;
using platform::emulated::ToHostPath;
using scan_testing::ProbeTraceFile;

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// A key as one name for all the roots that reach it: HKCU, HKCR and HKCC
// are keys of HKU and HKLM; letters in capitals, no final separator.
std::string CanonicalKey(const std::string& root, std::string key) {
    while (!key.empty() && key.back() == '\\') key.pop_back();
    const std::string name = Upper(root);
    std::string base = name;
    if (name == "HKCU") base = "HKU\\"s + platform::emulated::kCurrentUserSid;
    if (name == "HKCR") base = "HKLM\\"s + platform::emulated::kClassesRootPath;
    if (name == "HKCC") base = "HKLM\\"s + platform::emulated::kCurrentConfigPath;
    return Upper(key.empty() ? base : base + "\\" + key);
}

// A probe as the trace gives it: root name, key path and value name.
struct Place {
    std::string root;
    std::string key;
    std::string value;
    auto operator<=>(const Place&) const = default;
};

struct Places {
    std::set<Place> values;  // ReadValue
    std::set<Place> keys;    // ReadSection
    std::set<Place> listed;  // EnumerateSections: keys whose subkeys are read
    std::size_t Size() const { return values.size() + keys.size() + listed.size(); }
};

void AddTraceSince(std::uintmax_t offset, Places& places) {
    std::ifstream in(ProbeTraceFile::path, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields;
        for (std::size_t start = 0, tab = 0; tab != std::string::npos; start = tab + 1) {
            tab = line.find('\t', start);
            fields.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
        }
        if (fields.size() < 4) continue;
        if (fields[0] == "ReadValue") places.values.insert({fields[1], fields[2], fields[3]});
        if (fields[0] == "ReadSection") places.keys.insert({fields[1], fields[2], ""});
        if (fields[0] == "EnumerateSections") places.listed.insert({fields[1], fields[2], ""});
    }
}

long Put(const std::string& root, const std::string& key, const std::string& name, std::uint32_t type,
         const std::string& data) {
    HKey handle = 0;
    long rc = platform::RegCreateKey(modRegistry::ResolveRoot(root), key, platform::kKeyAllAccess, &handle);
    if (rc != platform::kErrorSuccess) return rc;
    if (type != ~0u) {
        rc = platform::RegSetValue(handle, name, type, reinterpret_cast<const std::uint8_t*>(data.data()),
                                   static_cast<std::uint32_t>(data.size()));
    }
    platform::RegCloseKey(handle);
    return rc;
}

constexpr std::uint32_t kKeyOnly = ~0u;
constexpr std::uint32_t kUnknownType = 0x40000001;
const std::string kSubkeyName = "Hostile Subkey";
const std::string kLookAlike = " (look-alike)";

// The scan switches live under Software\Nimbrel: all on, so that every
// scanner runs, whatever the other places hold.
bool IsSwitch(const Place& place) { return Upper(place.key).rfind("SOFTWARE\\NIMBREL", 0) == 0; }

struct Payload {
    std::uint32_t type;
    std::string data;
};

// Types vary fastest, so consecutive payloads differ in type.
std::vector<Payload> Payloads() {
    const std::uint32_t types[] = {platform::kRegNone,   platform::kRegSz,      platform::kRegExpandSz,
                                   platform::kRegBinary, platform::kRegDword,   platform::kRegDwordBigEndian,
                                   platform::kRegLink,   platform::kRegMultiSz, 8 /* REG_RESOURCE_LIST */,
                                   platform::kRegQword,  kUnknownType};
    const std::string shapes[] = {
        "",                                   // empty
        "\x01",                               // one byte
        "abc",                                // odd length
        "C:\\Documents and Settings",         // a string without its NUL
        std::string(64 * 1024, 'A') + '\0',   // very long
        "C:\\WINDOWS\0C:\\\0\0"s,             // embedded NULs, as a string list
        "<none>\0"s,                          // the absence marker itself
        "\xFF\xFF"s,                          // a switch's true
        "\x01\x02\x03\x04\x05\x06\x07\x08"s,  // a QWORD's length
    };
    std::vector<Payload> payloads;
    for (const std::string& shape : shapes)
        for (std::uint32_t type : types) payloads.push_back({type, shape});
    return payloads;
}

// Every key of HKU and HKLM with its values, by canonical names.
using Values = std::map<std::string, std::pair<std::uint32_t, std::string>>;
using Snapshot = std::map<std::string, Values>;

void Walk(HKey key, const std::string& name, Snapshot& out) {
    Values& values = out[name];
    std::vector<char> buffer(platform::kMaxValueNameLength + 1);
    for (std::uint32_t i = 0;; ++i) {
        std::uint32_t length = static_cast<std::uint32_t>(buffer.size());
        std::uint32_t type = 0;
        std::uint32_t size = 0;
        if (platform::RegEnumValue(key, i, buffer.data(), &length, &type, nullptr, &size) != 0) break;
        const std::string valueName(buffer.data(), length);
        std::string data(size, '\0');
        platform::RegQueryValue(key, valueName, &type, reinterpret_cast<std::uint8_t*>(data.data()), &size);
        values[Upper(valueName)] = {type, data};
    }
    for (std::uint32_t i = 0;; ++i) {
        std::uint32_t length = static_cast<std::uint32_t>(buffer.size());
        if (platform::RegEnumKey(key, i, buffer.data(), &length) != 0) break;
        const std::string child(buffer.data(), length);
        HKey handle = 0;
        ASSERT_EQ(platform::RegOpenKey(key, child, platform::kKeyRead, &handle), 0) << name << "\\" << child;
        Walk(handle, Upper(name + "\\" + child), out);
        platform::RegCloseKey(handle);
    }
}

Snapshot TakeSnapshot() {
    Snapshot snapshot;
    Walk(platform::kHkeyUsers, "HKU", snapshot);
    Walk(platform::kHkeyLocalMachine, "HKLM", snapshot);
    return snapshot;
}

// What the clean of rows does to the registry, worked out on a snapshot: a
// value row's value goes, a key row's key goes when it has no subkeys left.
void CleanOnPaper(const std::vector<scan::DetectedItem>& rows, Snapshot& registry) {
    for (const scan::DetectedItem& row : rows) {
        if (row.kind == "Value") {
            if (auto key = registry.find(CanonicalKey(row.mainkey, row.subkey)); key != registry.end())
                key->second.erase(Upper(row.value));
        } else if (row.kind == "Key" && !row.value.empty()) {
            const std::string name = CanonicalKey(row.mainkey, row.subkey) + "\\" + Upper(row.value);
            const auto key = registry.find(name);
            if (key == registry.end()) continue;
            const auto next = std::next(key);
            if (next == registry.end() || next->first.rfind(name + "\\", 0) != 0) registry.erase(key);
        }
    }
}

// Every file and link under drive C:, with its content.
std::map<fs::path, std::string> Files() {
    std::map<fs::path, std::string> files;
    const fs::path root = ToHostPath("C:\\");
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        if (it->is_symlink()) {
            files[it->path()] = "-> " + fs::read_symlink(it->path()).string();
        } else if (it->is_regular_file()) {
            files[it->path()] = scan_testing::ReadFile(it->path());
        }
    }
    return files;
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// The value a scanner takes a folder path from.
bool IsRecentFolderValue(const Place& place) {
    return place.value == "Recent" && Upper(place.key).ends_with("\\SHELL FOLDERS");
}

// A string at a value place (the switches on, so that every scanner
// runs), or the key of a key place, or a subkey under a listed key (the
// user hives stay the machine's two: one more costs each scan thousands
// of probes and finds nothing new). A planted subkey gets none of its own:
// the scanners that record whole key trees list every key below theirs,
// and would be given one more level each round, without end.
void PlantPlain(const Place& place) {
    if (IsSwitch(place)) {
        ASSERT_EQ(Put(place.root, place.key, place.value, platform::kRegBinary, "\xFF\xFF"s), 0);
    } else {
        ASSERT_EQ(Put(place.root, place.key, place.value, platform::kRegSz, "x\0"s), 0);
    }
}

void PlantListed(const Places& places) {
    for (const Place& place : places.listed) {
        std::string key = place.key;
        while (!key.empty() && key.back() == '\\') key.pop_back();
        if (key.empty() || key.ends_with("\\" + kSubkeyName)) continue;
        ASSERT_EQ(Put(place.root, key + "\\" + kSubkeyName, "", kKeyOnly, ""), 0) << place.root << "\\" << key;
    }
}

std::vector<scan::DetectedItem> Rows(const scan::ResultsModel& results) {
    std::vector<scan::DetectedItem> rows;
    for (std::size_t i = 0; i < results.store.RowCount(); ++i) rows.push_back(results.store.Row(i));
    return rows;
}

// Every row names a place the scan probed: a probed value, a probed key,
// the key of a probed value or a subkey of a listed key (any of them: the
// scanners that list a key record what they find there).
class ProbedPlaces {
public:
    explicit ProbedPlaces(const Places& places) {
        for (const Place& place : places.values) {
            values_.insert(CanonicalKey(place.root, place.key) + "|" + Upper(place.value));
            keys_.insert(CanonicalKey(place.root, place.key));
        }
        for (const Place& place : places.keys) keys_.insert(CanonicalKey(place.root, place.key));
        for (const Place& place : places.listed) listed_.insert(CanonicalKey(place.root, place.key));
    }

    bool Names(const scan::DetectedItem& row) const {
        const std::string key = CanonicalKey(row.mainkey, row.subkey);
        if (row.kind == "Value") return values_.count(key + "|" + Upper(row.value)) > 0;
        if (row.kind == "Key") return keys_.count(key + "\\" + Upper(row.value)) > 0 || listed_.count(key) > 0;
        return true;  // folders and files are checked on disk
    }

private:
    std::set<std::string> values_;
    std::set<std::string> keys_;
    std::set<std::string> listed_;
};

// Scans, fills every place the scan probed and scans again, until a scan
// of the filled machine probes nothing new: gates and key probes that find
// something open the rows behind them. On a machine of its own: the
// emulated store reloads its copy after every change, so each deletion
// of a clean costs as much as the store is large, and a store holding
// every place makes a clean of a few hundred rows take a minute.
Places LearnEveryPlace() {
    testing_support::ScratchPrefix prefix;
    EXPECT_EQ(platform::Start(), "");
    scan_testing::FakeHost host;
    scan::ScanWindowState window;
    scan::ResultsModel results;
    scan::ScanContext ctx{host, window, results};
    Places places;
    for (std::size_t before = 1; places.Size() != before;) {
        before = places.Size();
        const std::uintmax_t offset = ProbeTraceFile::Size();
        results.store.Clear();
        scan::Scan(ctx);
        Places found;
        AddTraceSince(offset, found);
        platform::RegistryBatch batch;
        for (const Place& place : found.values) {
            if (places.values.insert(place).second) PlantPlain(place);
        }
        for (const Place& place : found.keys) {
            if (places.keys.insert(place).second) {
                EXPECT_EQ(Put(place.root, place.key, "", kKeyOnly, ""), 0);
            }
        }
        places.listed.insert(found.listed.begin(), found.listed.end());
        PlantListed(places);
        EXPECT_EQ(batch.Commit(), 0);
    }
    return places;
}

// One value place in kStride gets a hostile value in each pass, with the
// switches, every probed key and the subkeys of listed keys.
constexpr std::size_t kStride = 64;
constexpr std::size_t kPasses = 3;

class HostileRegistryDataTest : public scan_testing::ScanTest {
protected:
    static void SetUpTestSuite() { places = new Places(LearnEveryPlace()); }
    static void TearDownTestSuite() { delete places; }

    void SetUp() override {
        ASSERT_EQ(platform::Start(), "");
        const std::string profile = platform::emulated::ProfileFolder();
        WriteFile(ToHostPath(profile + "\\Recent") / "report.doc.lnk", "recent");
        WriteFile(ToHostPath(profile + "\\Application Data\\Microsoft\\Office\\Recent") / "a.lnk", "office");
        WriteFile(ToHostPath(profile + "\\Application Data\\Microsoft\\Office\\Recent2") / "kept.lnk", "kept");
        WriteFile(ToHostPath(profile + "\\Desktop") / "kept.txt", "kept");
    }

    // The pass's share of the value places, each given the next payload
    // and a look-alike beside it; every probed key with a look-alike
    // sibling.
    void Plant(const std::vector<Payload>& payloads, std::size_t pass) {
        platform::RegistryBatch batch;
        ASSERT_EQ(batch.Status(), 0);
        std::size_t index = 0;
        std::size_t planted = pass * 7;
        int longOnes = 0;
        for (const Place& place : places->values) {
            if (IsSwitch(place)) {
                PlantPlain(place);
                continue;
            }
            // The one place a scanner takes a path from is in every pass.
            if (index++ % kStride != pass && !IsRecentFolderValue(place)) continue;
            Payload payload = payloads[planted++ % payloads.size()];
            // A few very long values are enough.
            if (payload.data.size() > 1024 && ++longOnes > 4) payload.data.resize(1024);
            ASSERT_EQ(Put(place.root, place.key, place.value, payload.type, payload.data), 0)
                << place.root << "\\" << place.key << " " << place.value;
            ASSERT_EQ(Put(place.root, place.key, place.value + kLookAlike, platform::kRegSz, "kept\0"s), 0);
        }
        for (const Place& place : places->keys) {
            ASSERT_EQ(Put(place.root, place.key, "", kKeyOnly, ""), 0);
            std::string sibling = place.key;
            while (!sibling.empty() && sibling.back() == '\\') sibling.pop_back();
            ASSERT_EQ(Put(place.root, sibling + kLookAlike, "kept", platform::kRegSz, "kept\0"s), 0);
        }
        PlantListed(*places);
        ASSERT_EQ(batch.Commit(), 0);
    }

    void RunClean() {
        clean::CleanState state;
        clean::CleanContext cleaning{host, results, state, nullptr, false};
        clean::CleanAll(cleaning, 0);
    }

    inline static Places* places = nullptr;
};

TEST_F(HostileRegistryDataTest, EveryTypeAndLengthAtProbedPlacesCleansExactlyWhatTheScanListed) {
    // Tens of thousands of places, the ones behind gates, hive loops and
    // listed keys among them.
    ASSERT_GT(places->values.size(), 10000u);
    ASSERT_TRUE(places->values.count({"HKU", ".DEFAULT\\Software\\Microsoft\\Internet Explorer\\TypedURLs", "url1"}));
    ASSERT_TRUE(places->values.count(
        {"HKCU", "Identities\\" + kSubkeyName + "\\Software\\Microsoft\\Outlook Express\\5.0\\Recent Stationery List",
         "File0"}));
    const ProbedPlaces probed(*places);
    const std::vector<Payload> payloads = Payloads();

    for (std::size_t pass = 0; pass < kPasses; ++pass) {
        SCOPED_TRACE("pass " + std::to_string(pass));
        Plant(payloads, pass);
        results.store.Clear();
        scan::Scan(ctx);
        const std::vector<scan::DetectedItem> rows = Rows(results);
        ASSERT_FALSE(rows.empty());
        for (const scan::DetectedItem& row : rows) {
            EXPECT_TRUE(probed.Names(row))
                << row.label << ": " << row.mainkey << " | " << row.subkey << " | " << row.value;
        }

        Snapshot expected = TakeSnapshot();
        CleanOnPaper(rows, expected);
        std::map<fs::path, std::string> expectedFiles = Files();
        for (const scan::DetectedItem& row : rows) {
            if (row.kind == "File") expectedFiles.erase(ToHostPath(row.mainkey));
            if (row.kind != "Folder") continue;
            const std::string folder = ToHostPath(row.mainkey).string() + "/";
            std::erase_if(expectedFiles, [&](const auto& file) { return file.first.string().rfind(folder, 0) == 0; });
        }

        RunClean();
        const Snapshot after = TakeSnapshot();
        for (const auto& [key, keyValues] : expected) {
            const auto found = after.find(key);
            if (found == after.end()) {
                ADD_FAILURE() << "key gone: " << key;
            } else if (found->second != keyValues) {
                ADD_FAILURE() << "values changed under " << key;
            }
        }
        for (const auto& entry : after) EXPECT_TRUE(expected.count(entry.first)) << "key left: " << entry.first;
        EXPECT_EQ(Files(), expectedFiles);
    }
}

}  // namespace
