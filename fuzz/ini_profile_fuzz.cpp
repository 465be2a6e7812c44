// Feeds arbitrary bytes as an INI file to the profile readers: the section
// list, each section's entry list and lines, each entry as a string (into
// buffers of several sizes, down to one character) and as an integer, and
// the registry-or-INI routines with the file as their root (ReadValue with
// every type code, ReadSection). Buffers are exactly the size passed, so
// AddressSanitizer sees any write past them.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/scratch_home.h"
#include "platform/ini_profile.h"
#include "registry/mod_registry.h"

namespace {

const std::string kIniFile = "C:\\fuzz.ini";
constexpr std::uint32_t kBufferSizes[] = {1, 2, 7, 255, 8192};
constexpr std::size_t kMostNames = 8;  // read per list, to keep a run short

// The NUL-separated names of a list the profile readers return.
std::vector<std::string> Names(const std::vector<char>& buffer, std::uint32_t length) {
    std::vector<std::string> names;
    std::string_view rest(buffer.data(), length);
    while (!rest.empty() && names.size() < kMostNames) {
        const std::size_t end = rest.find('\0');
        names.emplace_back(rest.substr(0, end));
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    return names;
}

std::vector<std::string> List(const char* section) {
    std::vector<char> buffer(8192);
    const std::uint32_t length = platform::GetPrivateProfileString(section, nullptr, "", buffer.data(),
                                                                   static_cast<std::uint32_t>(buffer.size()), kIniFile);
    return Names(buffer, length);
}

void ReadEntry(const std::string& section, const std::string& entry) {
    for (std::uint32_t size : kBufferSizes) {
        std::vector<char> buffer(size);
        platform::GetPrivateProfileString(section.c_str(), entry.c_str(), " 'fallback' ", buffer.data(), size,
                                          kIniFile);
    }
    platform::GetPrivateProfileInt(section.c_str(), entry.c_str(), -7, kIniFile);
    for (const char* code : {"S", "BB", "B", "D", "x"}) {
        modRegistry::ValueHolder result;
        modRegistry::ReadValue(kIniFile, section, entry, code, modRegistry::ValueHolder("<none>"), result);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const std::filesystem::path drive = fuzzing::ScratchHome::Instance().Folder() / "drive_c";
    std::filesystem::create_directories(drive);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream file(fuzzing::ScratchHome::Instance().Folder() / "drive_c" / "fuzz.ini",
                           std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    for (std::uint32_t size : kBufferSizes) {
        std::vector<char> buffer(size);
        platform::GetPrivateProfileString(nullptr, nullptr, "", buffer.data(), size, kIniFile);
    }
    for (const std::string& section : List(nullptr)) {
        for (std::uint32_t size : kBufferSizes) {
            std::vector<char> buffer(size);
            platform::GetPrivateProfileSection(section.c_str(), buffer.data(), size, kIniFile);
        }
        std::string text;
        modRegistry::ReadSection(kIniFile, section, text);
        for (const std::string& entry : List(section.c_str())) ReadEntry(section, entry);
        ReadEntry(section, "missing entry");
    }
    return 0;
}
