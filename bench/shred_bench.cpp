// ShredFile with one pass (four fills) on a 64 MiB file against dd writing
// the same 4 x 64 MiB into an existing file of that size, in 32 KiB blocks,
// each write reaching the disk (oflag=dsync), without truncating
// (conv=notrunc). The two alternate, three rounds each, so that a change
// in the disk's pace shows in both. The files live in a folder made in the
// working directory, so run it from a folder on the disk to be measured.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/emulated/paths.h"
#include "plugins/file_shredder.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kFileSize = 64u << 20;
constexpr int kFills = 4;
constexpr int kRounds = 3;

fs::path g_folder;

// A 64 MiB file of non-zero bytes, already on the disk when timing starts.
void MakeFile(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) throw std::runtime_error("cannot create " + path.string());
    const std::vector<char> block(1 << 20, 'x');
    for (std::size_t written = 0; written < kFileSize; written += block.size()) {
        if (::write(fd, block.data(), block.size()) != static_cast<ssize_t>(block.size()))
            throw std::runtime_error("cannot write " + path.string());
    }
    ::fsync(fd);
    ::close(fd);
}

void ShredOnePass(benchmark::State& state) {
    const fs::path file = g_folder / "victim.bin";
    const std::string windowsPath = platform::emulated::ToWindowsPath(file);
    for (auto _ : state) {
        state.PauseTiming();
        MakeFile(file);
        state.ResumeTiming();
        fileshredder::ShredFile(windowsPath, 1);
    }
    if (fs::exists(file)) state.SkipWithError("ShredFile left the file behind");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kFills * kFileSize);
}

void DdDsync(benchmark::State& state) {
    const fs::path file = g_folder / "dd.bin";
    const std::string command = "dd if=/dev/zero of='" + file.string() +
                                "' bs=32k count=" + std::to_string(kFileSize / 32768) +
                                " oflag=dsync conv=notrunc status=none";
    for (auto _ : state) {
        state.PauseTiming();
        MakeFile(file);
        state.ResumeTiming();
        for (int fill = 0; fill < kFills; ++fill) {
            if (std::system(command.c_str()) != 0) state.SkipWithError("dd failed");
        }
    }
    if (fs::file_size(file) != kFileSize) state.SkipWithError("dd changed the file's size");
    fs::remove(file);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kFills * kFileSize);
}

}  // namespace

int main(int argc, char** argv) {
    std::string pattern = (fs::current_path() / "nimbrel-shred-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return 1;
    g_folder = pattern;

    for (int round = 1; round <= kRounds; ++round) {
        const std::string suffix = "/round:" + std::to_string(round);
        benchmark::RegisterBenchmark(("ShredFile_1pass_64MiB" + suffix).c_str(), ShredOnePass)
            ->Iterations(1)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("dd_dsync_notrunc_4x64MiB" + suffix).c_str(), DdDsync)
            ->Iterations(1)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(g_folder);
    return 0;
}
