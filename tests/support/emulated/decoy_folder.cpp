#include "tests/support/decoy_folder.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace testing_support {

namespace fs = std::filesystem;

DecoyFolder::DecoyFolder() {
    std::string pattern = (fs::temp_directory_path() / "nimbrel-decoy-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a decoy folder");
    host_ = pattern;
}

DecoyFolder::~DecoyFolder() {
    std::error_code ignored;
    fs::remove_all(host_, ignored);
}

std::string DecoyFolder::WindowsPath() const {
    std::string path = "Z:" + host_.string();
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

void DecoyFolder::Write(const fs::path& relative, const std::string& bytes) const {
    fs::create_directories((host_ / relative).parent_path());
    std::ofstream(host_ / relative, std::ios::binary) << bytes;
}

std::map<std::string, std::string> DecoyFolder::Contents() const { return ContentsBelow(host_); }

std::map<std::string, std::string> ContentsBelow(const fs::path& folder) {
    std::map<std::string, std::string> contents;
    for (auto it = fs::recursive_directory_iterator(folder); it != fs::recursive_directory_iterator(); ++it) {
        const std::string relative = fs::relative(it->path(), folder).string();
        if (it->is_symlink()) {
            contents[relative] = "-> " + fs::read_symlink(it->path()).string();
        } else if (it->is_directory()) {
            contents[relative] = "<folder>";
        } else {
            std::ifstream in(it->path(), std::ios::binary);
            contents[relative] = std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }
    return contents;
}

}  // namespace testing_support
