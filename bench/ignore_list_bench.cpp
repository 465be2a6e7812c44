// LoadIgnoreList on a keep-list of 6,000 names of some 30 bytes (900 KB,
// most of what the 1 MiB limit allows): one read of the file, one pass over
// its text, and 6,000 names deciphered. The file lives in a temporary
// folder of the host, reached through Z:.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/emulated/paths.h"
#include "plugins/cls_des.h"
#include "plugins/ignore_list_file.h"
#include "plugins/mod_hex.h"

namespace {

constexpr std::size_t kEntries = 6000;

class KeepListFile {
public:
    KeepListFile() {
        std::string pattern = (std::filesystem::temp_directory_path() / "nimbrel-bench-XXXXXX").string();
        folder_ = mkdtemp(pattern.data());
        plugins::clsDES des;
        std::string text = "[Number]\r\nCount=" + std::to_string(kEntries) + "\r\n[IgnoreCookies]\r\n";
        for (std::size_t i = 0; i < kEntries; ++i) {
            const std::string name = "user@site-" + std::to_string(i) + ".example[1].txt";
            text += std::to_string(i) + "=" + modHEX::HexEncode(des.EncryptString(name, plugins::kIgnoreListKey), " ") +
                    "\r\n";
        }
        std::ofstream(folder_ / plugins::kIgnoreListFileName, std::ios::binary) << text;
        path_ = platform::emulated::ToWindowsPath(folder_ / plugins::kIgnoreListFileName);
    }
    ~KeepListFile() { std::filesystem::remove_all(folder_); }

    const std::string& Path() const { return path_; }

private:
    std::filesystem::path folder_;
    std::string path_;
};

void LoadSixThousandEntries(benchmark::State& state) {
    static KeepListFile file;
    plugins::clsDES des;
    std::size_t loaded = 0;
    for (auto _ : state) {
        const plugins::IgnoreListLoad load = plugins::LoadIgnoreList(file.Path(), des);
        loaded = load.names.size();
        benchmark::DoNotOptimize(load.names.data());
    }
    if (loaded != kEntries) state.SkipWithError("the list did not load whole");
}

}  // namespace

BENCHMARK(LoadSixThousandEntries)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
