// The whole scan (scan::Scan, all thirty steps) on two machines: the demo
// profile, and a worst case in which every gate, order record and count
// value of the shell lists is present, in four user hives; and with
// NIMBREL_BENCH_MAXIMAL_REG naming the .reg file that bench/maximal_registry
// writes, on the maximal registry, where every place probed is present.
// Each benchmark also reports how many probes (ReadValue and ReadSection
// calls) one scan makes, counted from the probe trace of a child process.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "scan/results_model.h"
#include "platform/emulated/prefix.h"
#include "registry/reg_file.h"
#include "registry/reg_import.h"
#include "host/host.h"
#include "scan/scan_driver.h"

namespace fs = std::filesystem;

namespace {

const fs::path kSourceDir = fs::path(__FILE__).parent_path().parent_path();

class QuietHost : public host::Host {
public:
    void Yield() override {}
    void MessageBox(const std::string&, const std::string&) override {}
    void ShowWindow(host::Window) override {}
    void RestoreWindow(host::Window) override {}
    void UnloadWindow(host::Window) override {}
    void EndProgram() override {}
};

// Returns the number of rows found.
std::size_t ScanOnce() {
    QuietHost host;
    scan::ScanWindowState window;
    scan::ResultsModel results;
    scan::ScanContext ctx{host, window, results};
    scan::Scan(ctx);
    return results.store.RowCount();
}

void Import(const std::string& text) {
    std::vector<registry::RegOperation> operations;
    std::string fault = registry::ParseRegFile(text, operations);
    if (fault.empty()) fault = registry::ApplyOperations(operations);
    if (!fault.empty()) throw std::runtime_error("bench machine: " + fault);
}

std::string FileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string DemoProfile() { return FileText(kSourceDir / "samples/demo-profile.reg"); }

// Every value that opens other probes, for the current user, the default
// user and two further user hives.
std::string WorstCase() {
    const std::string explorer = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
    std::ostringstream reg;
    reg << "Windows Registry Editor Version 5.00\n\n";
    for (const char* hive : {"HKEY_CURRENT_USER", "HKEY_USERS\\.DEFAULT"}) {
        for (const char* list : {"\\RunMRU", "\\Doc Find Spec MRU", "\\FindComputerMRU", "\\NetCrawl\\Printers",
                                 "\\ComDlg32\\LastVisitedMRU"}) {
            reg << "[" << hive << explorer << list << "]\n\"MRUList\"=\"a\"\n\n";
        }
        reg << "[" << hive << explorer << "\\StreamMRU]\n\"MRUListEx\"=hex:00,00,00,00,ff,ff,ff,ff\n\n";
        reg << "[" << hive << "\\InstallLocationsMRU]\n\"MRUList\"=\"a\"\n\n";
    }
    for (const char* sid : {"S-1-5-21-0-0-0-1001", "S-1-5-21-0-0-0-1002"}) {
        reg << "[HKEY_USERS\\" << sid << explorer << "\\ComDlg32\\LastVisitedMRU]\n\"MRUList\"=\"a\"\n\n";
        reg << "[HKEY_USERS\\" << sid << "_Classes]\n\n";
    }
    return reg.str();
}

class Machine {
public:
    explicit Machine(const std::string& profile) {
        std::string pattern = (fs::temp_directory_path() / "nimbrel-bench-XXXXXX").string();
        home_ = mkdtemp(pattern.data());
        platform::emulated::UsePrefix(home_);
        Import(profile);
        probes_ = CountProbes();
    }
    ~Machine() {
        platform::emulated::UsePrefix({});
        std::error_code ignored;
        fs::remove_all(home_, ignored);
    }
    Machine(const Machine&) = delete;
    Machine& operator=(const Machine&) = delete;

    void Use() const { platform::emulated::UsePrefix(home_); }
    long Probes() const { return probes_; }

private:
    // The probe trace file is chosen once per process, so one scan runs in a
    // child (this program again) with NIMBREL_TRACE set.
    long CountProbes() const {
        const fs::path trace = home_ / "probes.tsv";
        const pid_t child = fork();
        if (child == 0) {
            setenv("NIMBREL_TRACE", trace.c_str(), 1);
            setenv("NIMBREL_HOME", home_.c_str(), 1);
            execl("/proc/self/exe", "scan_bench", "--one-scan", static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("probe count failed");
        std::ifstream in(trace);
        long probes = 0;
        for (std::string line; std::getline(in, line);) {
            if (line.rfind("ReadValue\t", 0) == 0 || line.rfind("ReadSection\t", 0) == 0) ++probes;
        }
        fs::remove(trace);
        return probes;
    }

    fs::path home_;
    long probes_ = 0;
};

void RunScans(benchmark::State& state, const Machine& machine) {
    machine.Use();
    std::size_t rows = 0;
    for (auto _ : state) {
        rows = ScanOnce();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["probes"] = static_cast<double>(machine.Probes());
    state.counters["rows"] = static_cast<double>(rows);
}

void WholeScanDemoProfile(benchmark::State& state) {
    static const Machine machine(DemoProfile());
    RunScans(state, machine);
}

void WholeScanWorstCase(benchmark::State& state) {
    static const Machine machine(WorstCase());
    RunScans(state, machine);
}

void WholeScanMaximal(benchmark::State& state) {
    static const Machine machine(FileText(getenv("NIMBREL_BENCH_MAXIMAL_REG")));
    RunScans(state, machine);
}

BENCHMARK(WholeScanDemoProfile)->Unit(benchmark::kMillisecond);
BENCHMARK(WholeScanWorstCase)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--one-scan") {
        platform::emulated::UsePrefix(getenv("NIMBREL_HOME"));
        ScanOnce();
        return 0;
    }
    if (getenv("NIMBREL_BENCH_MAXIMAL_REG") != nullptr) {
        benchmark::RegisterBenchmark("WholeScanMaximal", WholeScanMaximal)->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
