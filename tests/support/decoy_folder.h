// A folder of the host outside the emulated machine, holding files that no
// deletion of the machine may touch, and the means to tell that none did.
#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace testing_support {

class DecoyFolder {
public:
    // A new folder in the host's temporary folder, removed with all it
    // holds when the object goes away.
    DecoyFolder();
    ~DecoyFolder();
    DecoyFolder(const DecoyFolder&) = delete;
    DecoyFolder& operator=(const DecoyFolder&) = delete;

    const std::filesystem::path& Host() const { return host_; }
    // The folder as the machine names it: Z: and the host path.
    std::string WindowsPath() const;

    // Writes a file below the folder, making the folders on its way.
    void Write(const std::filesystem::path& relative, const std::string& bytes) const;

    // Every entry below the folder, as ContentsBelow gives them.
    std::map<std::string, std::string> Contents() const;

private:
    std::filesystem::path host_;
};

// Every entry below a host folder by its relative path: a file's bytes, a
// link's target after "-> ", "<folder>" for a folder.
std::map<std::string, std::string> ContentsBelow(const std::filesystem::path& folder);

}  // namespace testing_support
