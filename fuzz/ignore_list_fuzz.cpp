// Feeds arbitrary bytes as "cookieignore.ini" to LoadIgnoreList. What it
// loads is saved over the same file and must load back unchanged: the save
// may edit the hostile file but never lose or alter a name.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz/scratch_home.h"
#include "plugins/cls_des.h"
#include "plugins/ignore_list_file.h"

namespace {

const std::string kFile = std::string("C:\\") + plugins::kIgnoreListFileName;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::filesystem::create_directories(fuzzing::ScratchHome::Instance().Folder() / "drive_c");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static plugins::clsDES cipher;
    {
        std::ofstream file(fuzzing::ScratchHome::Instance().Folder() / "drive_c" / plugins::kIgnoreListFileName,
                           std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const std::vector<std::string> names = plugins::LoadIgnoreList(kFile, cipher).names;
    if (names.empty()) return 0;
    plugins::SaveIgnoreList(kFile, names, cipher);
    if (plugins::LoadIgnoreList(kFile, cipher).names != names) {
        std::fprintf(stderr, "%zu names loaded, saved and loaded again come back changed\n", names.size());
        std::abort();
    }
    return 0;
}
