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

#include "clean/results_model.h"
#include "registry/reg_file.h"
#include "registry/reg_import.h"
#include "scan/host.h"
#include "scan/scan_context.h"
#include "scan/scan_window_state.h"
#include "tests/support/scratch_prefix.h"

namespace scan_testing {

class FakeHost : public scan::Host {
public:
    void Yield() override {
        ++yields;
        if (onYield) onYield(yields);
    }
    void MessageBox(const std::string& text, const std::string& title) override {
        calls.push_back("message " + title + ": " + text);
    }
    void ShowWindow(scan::Window window) override { calls.push_back("show " + Name(window)); }
    void RestoreWindow(scan::Window window) override { calls.push_back("restore " + Name(window)); }
    void UnloadWindow(scan::Window window) override { calls.push_back("unload " + Name(window)); }
    void EndProgram() override { calls.push_back("end"); }

    int yields = 0;
    // Runs inside the n-th yield, as a click handler would.
    std::function<void(int n)> onYield;
    std::vector<std::string> calls;

private:
    static std::string Name(scan::Window window) {
        switch (window) {
            case scan::Window::kMain: return "main";
            case scan::Window::kScan: return "scan";
            case scan::Window::kResults: return "results";
        }
        return "?";
    }
};

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
    std::vector<std::string> Labels() const { return results.store.List1(); }

    testing_support::ScratchPrefix prefix;
    FakeHost host;
    scan::ScanWindowState window;
    clean::ResultsModel results;
    scan::ScanContext ctx{host, window, results};
};

}  // namespace scan_testing
