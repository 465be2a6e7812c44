// The probe trace of one test program, read back as probes, and a machine
// on which every location a scanner probes exists: the scanner is run, each
// location it probed and missed is created, and so on until it misses none
// (a location behind a gate is only probed once the gate is there).
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "scan/subkey_list.h"
#include "tests/scan/scan_fixture.h"

namespace scan_testing {

struct Probe {
    std::string routine;  // ReadValue or ReadSection
    std::string root;
    std::string key;
    std::string value;
    std::string type;
    bool found = false;

    // The probe as the trace writes it, without its outcome.
    std::string Text() const { return routine + "\t" + root + "\t" + key + "\t" + value + "\t" + type; }
};

// The trace file is opened at the first registry call of the process, so
// NIMBREL_TRACE is set before any test runs.
class ProbeLogEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        path = std::filesystem::temp_directory_path() / ("nimbrel-probe-log-" + std::to_string(getpid()) + ".tsv");
        setenv("NIMBREL_TRACE", path.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("NIMBREL_TRACE");
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
    inline static std::filesystem::path path;
};

inline const auto* const kProbeLogEnvironment = ::testing::AddGlobalTestEnvironment(new ProbeLogEnvironment);

inline std::uintmax_t TraceSize() {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(ProbeLogEnvironment::path, error);
    return error ? 0 : size;
}

// The ReadValue and ReadSection calls written since offset.
inline std::vector<Probe> ProbesSince(std::uintmax_t offset) {
    std::ifstream in(ProbeLogEnvironment::path, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    std::vector<Probe> probes;
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("ReadValue\t", 0) != 0 && line.rfind("ReadSection\t", 0) != 0) continue;
        std::vector<std::string> fields;
        std::istringstream split(line);
        for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
        fields.resize(6);
        probes.push_back({fields[0], fields[1], fields[2], fields[3], fields[4], fields[5] == "1"});
    }
    return probes;
}

// The probes of one run of scanner on the machine as it is, on a fresh scan
// window with the machine's hive list.
inline std::vector<Probe> ProbesOf(scan::Scanner scanner) {
    FakeHost host;
    scan::ScanWindowState window;
    scan::ResultsModel results;
    scan::ScanContext ctx{host, window, results};
    window.EnumList = scan::ListUserHives(window.registry);
    const std::uintmax_t offset = TraceSize();
    scanner(ctx);
    return ProbesSince(offset);
}

// A .reg text that creates the locations of the probes: a key for a key
// probe, a value of the probe's type with some data for a value probe.
inline std::string CreatingRegText(const std::vector<Probe>& probes) {
    std::map<std::string, std::string> keys;  // .reg key line -> its value lines
    for (const Probe& probe : probes) {
        std::string key = probe.key;
        while (!key.empty() && key.back() == '\\') key.pop_back();
        std::string& lines =
            keys["[" + std::string(probe.root == "HKCU" ? "HKEY_CURRENT_USER\\" : "HKEY_USERS\\") + key + "]"];
        if (probe.routine != "ReadValue") continue;
        const std::string data = probe.type == "S" ? "\"x\"" : probe.type == "D" ? "dword:00000001" : "hex:01";
        lines += "\"" + probe.value + "\"=" + data + "\n";
    }
    std::string text = "Windows Registry Editor Version 5.00\n\n";
    for (const auto& [key, lines] : keys) text += key + "\n" + lines + "\n";
    return text;
}

// Creates every location the scanner probes, behind gates and order
// records too.
inline void CreateEveryLocation(scan::Scanner scanner) {
    constexpr int kRounds = 8;  // far more gates deep than any list
    for (int round = 0; round < kRounds; ++round) {
        std::vector<Probe> missed;
        for (Probe& probe : ProbesOf(scanner)) {
            if (!probe.found) missed.push_back(std::move(probe));
        }
        if (missed.empty()) return;
        ImportReg(CreatingRegText(missed));
    }
    ADD_FAILURE() << "locations still missing after " << kRounds << " rounds";
}

}  // namespace scan_testing
