// What a reader pays after another process changed the registry: one value
// written by a child process, then the reader's next probe. The machine is
// the one bench/run builds (NIMBREL_BENCH_MACHINE: 1,000,000 values in
// 100,000 keys, HKCU\Software\Bench\Group<n>\Key<m>, values Value0..9), and
// the reader has a tenth of it in its copy.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/emulated/prefix.h"
#include "registry/mod_registry.h"

namespace {

std::string KeyOf(int group, int key) {
    return "Software\\Bench\\Group" + std::to_string(group) + "\\Key" + std::to_string(key);
}

void CatchUpAfterAnotherProcessWrites(benchmark::State& state) {
    const char* home = std::getenv("NIMBREL_BENCH_MACHINE");
    if (home == nullptr) {
        state.SkipWithError("NIMBREL_BENCH_MACHINE names no machine (bench/run builds one)");
        return;
    }
    platform::emulated::UsePrefix(home);
    modRegistry::ValueHolder result;
    for (int group = 0; group < 10; ++group)
        for (int key = 0; key < 1000; ++key)
            for (int value = 0; value < 10; ++value)
                modRegistry::ReadValue("HKCU", KeyOf(group, key), "Value" + std::to_string(value), "S",
                                       modRegistry::kNone, result);
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const pid_t child = fork();
        if (child == 0) {
            platform::emulated::UsePrefix(home);
            _exit(modRegistry::WriteValue("HKCU", KeyOf(5, 500), "Value5", "S", "round " + std::to_string(round)));
        }
        int status = 0;
        waitpid(child, &status, 0);
        ++round;
        state.ResumeTiming();
        modRegistry::ReadValue("HKCU", KeyOf(5, 500), "Value5", "S", modRegistry::kNone, result);
        benchmark::DoNotOptimize(result);
    }
    platform::emulated::UsePrefix({});
}

BENCHMARK(CatchUpAfterAnotherProcessWrites)->Unit(benchmark::kMicrosecond)->Iterations(50)->Repetitions(3);

}  // namespace

BENCHMARK_MAIN();
