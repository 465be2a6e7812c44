// The probe trace for tests that check which probes a scanner makes: the
// program's trace file, and the ReadValue and ReadSection lines written to
// it since a given size. Include it in one file of a test program.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace scan_testing {

// The trace file is opened at the first registry call of the process, so
// NIMBREL_TRACE is set before any test runs.
class ProbeTraceFile : public ::testing::Environment {
public:
    void SetUp() override {
        path = std::filesystem::temp_directory_path() / ("nimbrel-probe-trace-" + std::to_string(getpid()) + ".tsv");
        setenv("NIMBREL_TRACE", path.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("NIMBREL_TRACE");
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }

    static std::uintmax_t Size() {
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        return error ? 0 : size;
    }

    // "routine\troot\tkey\tvalue\ttype" of every probe since offset, without
    // its outcome.
    static std::vector<std::string> ProbesSince(std::uintmax_t offset) {
        std::ifstream in(path, std::ios::binary);
        in.seekg(static_cast<std::streamoff>(offset));
        std::vector<std::string> probes;
        for (std::string line; std::getline(in, line);) {
            if (line.rfind("ReadValue\t", 0) != 0 && line.rfind("ReadSection\t", 0) != 0) continue;
            probes.push_back(line.substr(0, line.rfind('\t')));
        }
        return probes;
    }

    inline static std::filesystem::path path;
};

inline const auto* const kProbeTraceFile = ::testing::AddGlobalTestEnvironment(new ProbeTraceFile);

}  // namespace scan_testing
