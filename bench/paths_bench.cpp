// The cost of mapping a Windows path to the host on the emulated machine:
// spelt as on disk (the common case: one lstat), in another case (a folder
// read per component that differs), and missing below an existing folder.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "platform/emulated/paths.h"
#include "platform/emulated/prefix.h"

namespace {

class PathsMachine {
public:
    PathsMachine() {
        std::string pattern = (std::filesystem::temp_directory_path() / "nimbrel-bench-XXXXXX").string();
        home_ = mkdtemp(pattern.data());
        platform::emulated::UsePrefix(home_);
        const std::filesystem::path recent = home_ / "drive_c/Documents and Settings/Anna/Recent";
        std::filesystem::create_directories(recent);
        for (int i = 0; i < 100; ++i) std::filesystem::create_directory(recent / ("File " + std::to_string(i)));
    }
    ~PathsMachine() {
        platform::emulated::UsePrefix({});
        std::filesystem::remove_all(home_);
    }

private:
    std::filesystem::path home_;
};

void Map(benchmark::State& state, const char* windowsPath) {
    static PathsMachine machine;
    for (auto _ : state) benchmark::DoNotOptimize(platform::emulated::ToHostPath(windowsPath));
}

void ExactSpelling(benchmark::State& state) { Map(state, "C:\\Documents and Settings\\Anna\\Recent\\File 50"); }
void OtherCase(benchmark::State& state) { Map(state, "c:\\documents and settings\\anna\\recent\\file 50"); }
void MissingFile(benchmark::State& state) { Map(state, "C:\\Documents and Settings\\Anna\\Recent\\index.dat"); }

BENCHMARK(ExactSpelling)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(OtherCase)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(MissingFile)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
