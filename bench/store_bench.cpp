// What a reader pays after another process changed the registry: one value
// written by nimbrel-cli (NIMBREL_CLI), then the reader's next probe. The
// machine is the one bench/run builds (NIMBREL_BENCH_MACHINE: 1,000,000
// values in 100,000 keys, HKCU\Software\Bench\Group<n>\Key<m>, values
// Value0..9), and the reader has a tenth of it in its copy. The writer is
// spawned, not forked: a fork would make every page of the reader's copy
// cost a fault when next written.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/emulated/prefix.h"
#include "registry/mod_registry.h"

namespace {

std::string KeyOf(int group, int key) {
    return "Software\\Bench\\Group" + std::to_string(group) + "\\Key" + std::to_string(key);
}

void CatchUpAfterAnotherProcessWrites(benchmark::State& state) {
    const char* home = std::getenv("NIMBREL_BENCH_MACHINE");
    const char* cli = std::getenv("NIMBREL_CLI");
    if (home == nullptr || cli == nullptr) {
        state.SkipWithError("NIMBREL_BENCH_MACHINE and NIMBREL_CLI name no machine and program (bench/run does)");
        return;
    }
    setenv("NIMBREL_HOME", home, 1);
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
        const std::string key = "HKCU\\" + KeyOf(5, 500), data = "round " + std::to_string(round);
        std::vector<const char*> arguments = {cli,      "reg",    "add",        key.c_str(), "--value",
                                              "Value5", "--data", data.c_str(), "--force",   nullptr};
        pid_t child = 0;
        int status = 0;
        if (posix_spawn(&child, cli, nullptr, nullptr, const_cast<char* const*>(arguments.data()), environ) != 0 ||
            waitpid(child, &status, 0) != child || status != 0) {
            state.SkipWithError("nimbrel-cli reg add failed");
            break;
        }
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
