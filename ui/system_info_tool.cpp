#include "ui/system_info_tool.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/files.h"
#include "platform/program_start.h"

namespace ui {

namespace {

constexpr std::uint32_t kBufferChars = 1024;

// MSINFO32.EXE in folder, when it is there as an ordinary file (neither
// hidden nor system, nor a folder).
std::optional<std::string> ToolInFolder(const std::string& folder) {
    const std::string path = folder + "\\MSINFO32.EXE";
    const auto attributes = platform::GetFileAttributes(path);
    constexpr std::uint32_t kNotOrdinary =
        platform::kFileAttributeHidden | platform::kFileAttributeSystem | platform::kFileAttributeDirectory;
    if (!attributes || (*attributes & kNotOrdinary) != 0) return std::nullopt;
    return path;
}

std::optional<std::string> ToolPath() {
    const KeyValue path = GetKeyValue(platform::kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH");
    if (path.found) return path.text;
    const KeyValue location =
        GetKeyValue(platform::kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO");
    if (location.found) return ToolInFolder(location.text);
    return std::nullopt;
}

}  // namespace

KeyValue GetKeyValue(platform::HKey root, const std::string& keyPath, const std::string& valueName) {
    platform::HKey key = 0;
    // Reading needs no more than the right to query: asking for all access
    // would make the tool unavailable to every user who may not write to
    // HKEY_LOCAL_MACHINE.
    if (platform::RegOpenKey(root, keyPath, platform::kKeyQueryValue, &key) != platform::kErrorSuccess) {
        return {};
    }
    std::vector<std::uint8_t> buffer(kBufferChars);
    std::uint32_t type = 0;
    std::uint32_t size = kBufferChars;
    const long status = platform::RegQueryValue(key, valueName, &type, buffer.data(), &size);
    platform::RegCloseKey(key);
    if (status != platform::kErrorSuccess) return {};

    std::string text(buffer.begin(), buffer.begin() + size);
    if (!text.empty() && text.back() == '\0') text.pop_back();
    if (type != platform::kRegSz) return {true, ""};
    return {true, text};
}

void StartSysInfo(host::Host& host) {
    const std::optional<std::string> path = ToolPath();
    if (!path || !platform::StartProgram(*path)) host.MessageBox(kSysInfoUnavailable, "Nimbrel");
}

}  // namespace ui
