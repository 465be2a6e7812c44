// Shared ground for the scan tests: a fresh emulated machine, a host that
// counts yields and notes window calls, a scan window state and a results
// window, and .reg fixtures.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "scan/results_model.h"
#include "registry/reg_file.h"
#include "registry/reg_import.h"
#include "host/host.h"
#include "scan/scan_context.h"
#include "scan/scan_window_state.h"
#include "tests/support/recording_host.h"
#include "tests/support/scratch_prefix.h"

namespace scan_testing {

using FakeHost = testing_support::RecordingHost;

// Applies a .reg text to the registry of the emulated machine in use.
inline void ImportReg(std::string_view text) {
    std::vector<registry::RegOperation> operations;
    std::string fault = registry::ParseRegFile(text, operations);
    if (fault.empty()) fault = registry::ApplyOperations(operations);
    if (!fault.empty()) throw std::runtime_error("fixture: " + fault);
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A fixture file under tests/scan/fixtures.
inline void ImportFixture(const std::string& name) {
    ImportReg(ReadFile(std::filesystem::path(NIMBREL_SOURCE_DIR) / "tests/scan/fixtures" / name));
}

class ScanTest : public ::testing::Test {
protected:
    std::vector<std::string> Labels() const { return results.store.Labels(); }

    testing_support::ScratchPrefix prefix;
    FakeHost host;
    scan::ScanWindowState window;
    scan::ResultsModel results;
    scan::ScanContext ctx{host, window, results};
};

}  // namespace scan_testing
