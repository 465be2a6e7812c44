// The probe trace shows each Windows shell scanner's probes in catalogue
// order. The expected sequences are written out here from the catalogue's
// rows, loop by loop, independently of the tables the scanners run.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "scan/scan_driver.h"
#include "scan/shell_lists.h"
#include "scan/subkey_list.h"
#include "tests/scan/scan_fixture.h"

namespace {

namespace fs = std::filesystem;
using Probes = std::vector<std::string>;

// The trace file is opened at the first registry call of the process, so
// NIMBREL_TRACE is set before any test runs.
class TraceEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        path = fs::temp_directory_path() / ("nimbrel-probe-trace-" + std::to_string(getpid()) + ".tsv");
        setenv("NIMBREL_TRACE", path.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("NIMBREL_TRACE");
        std::error_code ignored;
        fs::remove(path, ignored);
    }
    inline static fs::path path;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new TraceEnvironment);

std::uintmax_t TraceSize() {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(TraceEnvironment::path, error);
    return error ? 0 : size;
}

// The ReadValue and ReadSection lines written since offset, each without
// its outcome field.
Probes ProbesSince(std::uintmax_t offset) {
    std::ifstream in(TraceEnvironment::path, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    Probes probes;
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("ReadValue\t", 0) != 0 && line.rfind("ReadSection\t", 0) != 0) continue;
        probes.push_back(line.substr(0, line.rfind('\t')));
    }
    return probes;
}

// Every line written since offset, whole.
std::vector<std::string> LinesSince(std::uintmax_t offset) {
    std::ifstream in(TraceEnvironment::path, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

const std::string kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";
const std::vector<std::string> kHives = {".DEFAULT", "S-1-5-21-0-0-0-1000"};

struct Expected {
    Probes probes;

    void Value(const std::string& root, const std::string& key, const std::string& name, const std::string& type) {
        probes.push_back("ReadValue\t" + root + "\t" + key + "\t" + name + "\t" + type);
    }
    void Numbers(const std::string& root, const std::string& key, const std::string& prefix, int first, int last,
                 const std::string& type) {
        for (int n = first; n <= last; ++n) Value(root, key, prefix + std::to_string(n), type);
    }
    void Letters(const std::string& root, const std::string& key, const std::string& type) {
        for (char x = 'a'; x <= 'z'; ++x) Value(root, key, std::string(1, x), type);
    }
    void LetteredList(const std::string& root, const std::string& key) {
        Value(root, key, "MRUList", "S");
        Letters(root, key, "S");
    }
    void ZeroFilled(const std::string& root, const std::string& key) {
        Numbers(root, key, "00", 0, 9, "S");
        Numbers(root, key, "0", 10, 99, "S");
    }
};

struct TraceCase {
    const char* name;
    scan::Scanner scanner;
    Probes (*expected)();
};

Probes TypedUrls() {
    Expected x;
    const std::string key = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
    x.Numbers("HKCU", key, "url", 1, 99, "S");
    for (const std::string& hive : kHives) x.Numbers("HKU", hive + "\\" + key, "url", 1, 25, "S");
    return x.probes;
}

Probes MediaPlayer() {
    Expected x;
    const std::string key = "Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList";
    x.Numbers("HKCU", key, "File", 0, 99, "S");
    for (const std::string& hive : kHives) x.Numbers("HKU", hive + "\\" + key, "File", 0, 20, "S");
    return x.probes;
}

Probes PaintAndWordPad() {
    Expected x;
    const std::string applets = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\";
    x.Numbers("HKCU", applets + "Paint\\Recent File List", "File", 0, 99, "S");
    x.Numbers("HKCU", applets + "Wordpad\\Recent File List", "File", 0, 99, "S");
    return x.probes;
}

Probes LastVisitedMru() {
    Expected x;
    x.Value("HKCU", kExplorer + "ComDlg32\\LastVisitedMRU", "MRUList", "S");
    x.Value("HKU", ".Default\\" + kExplorer + "ComDlg32\\LastVisitedMRU", "MRUList", "S");
    return x.probes;
}

Probes RunMru() {
    Expected x;
    x.LetteredList("HKCU", kExplorer + "RunMRU");
    x.LetteredList("HKU", ".Default\\" + kExplorer + "RunMRU");
    return x.probes;
}

Probes FindMrus() {
    Expected x;
    for (const char* list : {"Doc Find Spec MRU", "FindComputerMRU"}) {
        x.LetteredList("HKCU", kExplorer + list);
        x.LetteredList("HKU", ".Default\\" + kExplorer + list);
    }
    for (const char* id : {"5001", "5603", "5604"}) {
        x.ZeroFilled("HKCU", std::string("Software\\Microsoft\\Search Assistant\\ACMru\\") + id);
    }
    const std::string bars =
        "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\";
    for (const char* list : {"FilesNamedMRU", "ContainingTextMRU"}) {
        x.ZeroFilled("HKCU", bars + list);
        x.ZeroFilled("HKU", ".Default\\" + bars + list);
    }
    return x.probes;
}

Probes NetworkMrus() {
    Expected x;
    x.Value("HKCU", kExplorer + "NetCrawl\\Printers", "MRUList", "S");
    x.Letters("HKCU", kExplorer + "NetCrawl\\Printers", "BB");
    return x.probes;
}

// The fixture holds the default user's "MRUList", so its letters run too.
Probes InstallLocations() {
    Expected x;
    x.Value("HKCU", "InstallLocationsMRU", "MRUList", "S");
    x.Letters("HKCU", "InstallLocationsMRU", "BB");
    x.Value("HKU", ".DEFAULT\\InstallLocationsMRU", "MRUList", "S");
    x.Letters("HKU", ".DEFAULT\\InstallLocationsMRU", "BB");
    return x.probes;
}

Probes LastVisitedMruHives() {
    Expected x;
    for (const std::string& hive : kHives) {
        const std::string key = hive + "\\" + kExplorer + "ComDlg32\\LastVisitedMRU";
        x.Value("HKU", key, "MRUList", "S");
        x.Letters("HKU", key + "\\", "BB");
    }
    return x.probes;
}

Probes StreamMru() {
    Expected x;
    x.Value("HKCU", kExplorer + "StreamMRU", "MRUListEx", "BB");
    x.Value("HKU", ".Default\\" + kExplorer + "StreamMRU", "MRUListEx", "BB");
    x.Numbers("HKCU", kExplorer + "StreamMRU", "", 0, 249, "BB");
    x.Numbers("HKU", ".Default\\" + kExplorer + "StreamMRU", "", 0, 249, "BB");
    return x.probes;
}

class ProbeTraceTest : public scan_testing::ScanTest, public ::testing::WithParamInterface<TraceCase> {};

TEST_P(ProbeTraceTest, ScannerProbesInCatalogueOrder) {
    scan_testing::ImportReg(
        "Windows Registry Editor Version 5.00\n\n[HKEY_USERS\\.DEFAULT\\InstallLocationsMRU]\n"
        "\"MRUList\"=\"a\"\n");
    window.EnumList = scan::ListUserHives(window.registry);
    const std::uintmax_t offset = TraceSize();

    GetParam().scanner(ctx);

    EXPECT_EQ(ProbesSince(offset), GetParam().expected());
}

INSTANTIATE_TEST_SUITE_P(Scanners, ProbeTraceTest,
                         ::testing::Values(TraceCase{"TypedUrls", scan::ScanTypedUrls, TypedUrls},
                                           TraceCase{"MediaPlayer", scan::ScanMediaPlayer, MediaPlayer},
                                           TraceCase{"PaintAndWordPad", scan::ScanPaintAndWordPad, PaintAndWordPad},
                                           TraceCase{"LastVisitedMru", scan::ScanLastVisitedMru, LastVisitedMru},
                                           TraceCase{"RunMru", scan::ScanRunMru, RunMru},
                                           TraceCase{"FindMrus", scan::ScanFindMrus, FindMrus},
                                           TraceCase{"NetworkMrus", scan::ScanNetworkMrus, NetworkMrus},
                                           TraceCase{"InstallLocations", scan::ScanInstallLocations, InstallLocations},
                                           TraceCase{"LastVisitedMruHives", scan::ScanLastVisitedMruHives,
                                                     LastVisitedMruHives},
                                           TraceCase{"StreamMru", scan::ScanStreamMru, StreamMru}),
                         [](const auto& info) { return std::string(info.param.name); });

// A default user without "MRUList" leaves the letters of its install
// locations unprobed.
TEST(ProbeTraceGate, InstallLocationsOfTheDefaultUserWaitForTheirOrderRecord) {
    testing_support::ScratchPrefix prefix;
    scan_testing::FakeHost host;
    scan::ScanWindowState window;
    scan::ResultsModel results;
    scan::ScanContext ctx{host, window, results};
    const std::uintmax_t offset = TraceSize();

    scan::ScanInstallLocations(ctx);

    Expected x;
    x.Value("HKCU", "InstallLocationsMRU", "MRUList", "S");
    x.Letters("HKCU", "InstallLocationsMRU", "BB");
    x.Value("HKU", ".DEFAULT\\InstallLocationsMRU", "MRUList", "S");
    EXPECT_EQ(ProbesSince(offset), x.probes);
}

// The driver reads the switches of its steps in step order. "regedit" and
// "vs6" are read inside the catalogue scanners, not by the driver.
TEST(ProbeTraceDriver, CategorySwitchesAreReadInStepOrder) {
    testing_support::ScratchPrefix prefix;
    scan_testing::FakeHost host;
    scan::ScanWindowState window;
    scan::ResultsModel results;
    scan::ScanContext ctx{host, window, results};
    const std::uintmax_t offset = TraceSize();

    scan::Scan(ctx);

    const std::string prefixOfSwitch = "ReadValue\tHKCU\tSoftware\\Nimbrel\\Ignore\t";
    Probes ids;
    for (const std::string& probe : ProbesSince(offset)) {
        if (probe.rfind(prefixOfSwitch, 0) != 0) continue;
        const std::string rest = probe.substr(prefixOfSwitch.size());
        const std::string id = rest.substr(0, rest.find('\t'));
        EXPECT_EQ(rest.substr(id.size()), "\tB");
        if (id != "regedit" && id != "vs6") ids.push_back(id);
    }
    EXPECT_EQ(ids,
              (Probes{"MSOffice",        "OfficeFolder",   "wordperfect",      "quattropro",   "corelpresentations",
                      "WinRecent",       "IETypedURL",     "googletoolbar",    "miscnotlists", "WinRun",
                      "WinFind",         "windowsnetwork", "installlocations", "WinStream",    "userassist",
                      "cleartraynotify", "winopenwith",    "unreadmail",       "WinExplorer",  "userassist7",
                      "remotedesktop",   "MSOffice2007",   "mediatools",       "WinJumpLists", "shellbags"}));
}

// The thirty steps probe the demo profile, every call with its outcome,
// exactly as they did before the steps of the newer Windows and Office
// versions were added: that build's trace held 15076 lines with this
// FNV-1a hash (of the lines, each ended by a line feed). The newer steps'
// probes follow, from their first switch on.
TEST(ProbeTraceDemo, TheThirtyStepsProbeAsBeforeAndTheNewerStepsFollow) {
    testing_support::ScratchPrefix prefix;
    scan_testing::ImportReg(
        scan_testing::ReadFile(std::filesystem::path(NIMBREL_SOURCE_DIR) / "samples/demo-profile.reg"));
    scan_testing::FakeHost host;
    scan::ScanWindowState window;
    scan::ResultsModel results;
    scan::ScanContext ctx{host, window, results};
    const std::uintmax_t offset = TraceSize();

    scan::Scan(ctx);

    const std::vector<std::string> lines = LinesSince(offset);
    const auto newer =
        std::find(lines.begin(), lines.end(), "ReadValue\tHKCU\tSoftware\\Nimbrel\\Ignore\tWinExplorer\tB\t0");
    ASSERT_NE(newer, lines.end());
    std::uint64_t hash = 14695981039346656037u;
    for (auto line = lines.begin(); line != newer; ++line) {
        for (const char c : *line + "\n") hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
    }
    EXPECT_EQ(newer - lines.begin(), 15076);
    EXPECT_EQ(hash, 0x7cd648072d517ad4u);
    EXPECT_GT(lines.end() - newer, 1000);
}

}  // namespace
