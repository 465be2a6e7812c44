// The cost of one catalogue probe (open, query, close through ReadValue) on
// the emulated store: for a missing key, a missing value and a present value.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "platform/emulated/prefix.h"
#include "registry/mod_registry.h"

namespace {

const char* kKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";

class ProbeMachine {
public:
    ProbeMachine() {
        std::string pattern = (std::filesystem::temp_directory_path() / "nimbrel-bench-XXXXXX").string();
        home_ = mkdtemp(pattern.data());
        platform::emulated::UsePrefix(home_);
        for (char letter = 'a'; letter <= 'z'; ++letter)
            modRegistry::WriteValue("HKCU", kKey, std::string(1, letter), "S", "cmd /c echo\\1");
        modRegistry::WriteValue("HKCU", kKey, "MRUList", "S", "abcdefghijklmnopqrstuvwxyz");
    }
    ~ProbeMachine() {
        platform::emulated::UsePrefix({});
        std::filesystem::remove_all(home_);
    }

private:
    std::filesystem::path home_;
};

void Probe(benchmark::State& state, const char* key, const char* value) {
    static ProbeMachine machine;
    modRegistry::ValueHolder result;
    for (auto _ : state) {
        modRegistry::ReadValue("HKCU", key, value, "S", modRegistry::kNone, result);
        benchmark::DoNotOptimize(result);
    }
}

void MissingKey(benchmark::State& state) { Probe(state, "Software\\Nowhere\\Recent File List", "File1"); }
void MissingValue(benchmark::State& state) { Probe(state, kKey, "{"); }
void PresentValue(benchmark::State& state) { Probe(state, kKey, "q"); }

BENCHMARK(MissingKey)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(MissingValue)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(PresentValue)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
