#include "tests/support/scratch_folder.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "tests/support/scratch_machine.h"

namespace testing_support {

ScratchFolder::ScratchFolder() : machine_(FreshMachine()) {
    static std::atomic<unsigned> counter{0};
    path_ = ScratchFolderParent() + "\\NimbrelTest-" + std::to_string(ProcessId()) + "-" + std::to_string(++counter);
    std::error_code error;
    std::filesystem::create_directories(HostPath(path_), error);
    if (error) throw std::runtime_error("cannot make scratch folder " + path_ + ": " + error.message());
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(HostPath(path_), ignored);
}

void WriteBytes(const std::string& windowsPath, const std::string& bytes) {
    std::ofstream out(HostPath(windowsPath), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw std::runtime_error("cannot write " + windowsPath);
}

std::optional<std::string> ReadBytes(const std::string& windowsPath) {
    std::ifstream in(HostPath(windowsPath), std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace testing_support
