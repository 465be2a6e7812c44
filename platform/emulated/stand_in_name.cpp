#include "platform/emulated/stand_in_name.h"

#include <cstdint>

#include "platform/file_names.h"

namespace platform::emulated {

namespace {

// FNV-1a: fixed across runs and builds, so a listing's stand-in still
// names its entry when the clean comes to delete it.
std::uint32_t Hash(std::string_view text) {
    std::uint32_t hash = 2166136261u;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

bool PathCanHold(char c) {
    return static_cast<unsigned char>(c) >= 0x20 && std::string_view("\\/:*?\"<>|").find(c) == std::string_view::npos;
}

}  // namespace

std::string StandInName(std::string_view hostName) {
    std::string_view stem = hostName;
    std::string_view extension;
    if (const std::size_t dot = hostName.rfind('.'); dot != std::string_view::npos && dot > 0) {
        const std::string_view after = hostName.substr(dot + 1);
        if (SpellsPlainly(after)) {
            stem = hostName.substr(0, dot);
            extension = after;
        }
    }
    std::string name;
    for (const char c : stem) name += PathCanHold(c) ? c : '_';
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
    static constexpr char kHex[] = "0123456789ABCDEF";
    const std::uint32_t hash = Hash(hostName);
    name += '~';
    for (int shift = 28; shift >= 0; shift -= 4) name += kHex[(hash >> shift) & 0xF];
    if (!extension.empty()) (name += '.') += extension;
    return name;
}

std::string WindowsName(std::string_view hostName) {
    return SpellsPlainly(hostName) ? std::string(hostName) : StandInName(hostName);
}

}  // namespace platform::emulated
