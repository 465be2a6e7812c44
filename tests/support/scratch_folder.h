// A folder of the test's own for file tests that run alike on both
// platforms, named by its Windows path: C:\NimbrelTest-<pid>-<n> in a fresh
// scratch machine on the emulated platform, a new folder in the temporary
// folder on Windows. Removed with all it holds when the object goes away.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace testing_support {

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder's Windows path; with a name, the path of an entry in it.
    const std::string& Path() const { return path_; }
    std::string Path(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::shared_ptr<void> machine_;
    std::string path_;
};

// The host file that a Windows path names: on the emulated platform its
// place in the prefix, on Windows the path itself.
std::filesystem::path HostPath(const std::string& windowsPath);

// The folder in which scratch folders are made, as a Windows path without a
// final backslash.
std::string ScratchFolderParent();

// Whole files, byte for byte, through HostPath.
void WriteBytes(const std::string& windowsPath, const std::string& bytes);
// Nothing when the file does not exist.
std::optional<std::string> ReadBytes(const std::string& windowsPath);

}  // namespace testing_support
