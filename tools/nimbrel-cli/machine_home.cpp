#include "tools/nimbrel-cli/machine_home.h"

#ifdef _WIN32

namespace cli {

std::string ChooseMachine(const std::optional<std::string>& home) {
    if (home) return "--home names an emulated machine; on Windows nimbrel-cli works on this computer's registry";
    return "";
}

std::string EmptyMachineHint() { return ""; }

std::string MachineTag() { return ""; }

}  // namespace cli

#else

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "platform/emulated/paths.h"
#include "platform/offline_machine.h"

namespace cli {

std::string ChooseMachine(const std::optional<std::string>& home) {
    if (home) {
        if (home->empty()) return "--home needs a folder";
        std::error_code error;
        const std::filesystem::path folder = std::filesystem::absolute(*home, error);
        setenv("NIMBREL_HOME", (error ? std::filesystem::path(*home) : folder).c_str(), 1);
    } else if (const char* variable = std::getenv("NIMBREL_HOME"); variable != nullptr && *variable == '\0') {
        // Empty is more likely a script's mistake than a wish for the
        // default machine, which a clean would then change.
        return "NIMBREL_HOME is set but empty: name the machine's folder, or unset it for the default "
               "(~/.local/share/nimbrel)";
    }
    const std::filesystem::path prefix = platform::emulated::PrefixHome();
    std::error_code error;
    if (!std::filesystem::exists(prefix, error) && !error) {
        std::cerr << "nimbrel-cli: new machine in " << prefix.string() << std::endl;
    }
    return "";
}

std::string MachineTag() {
    std::error_code error;
    const std::filesystem::path home = std::filesystem::weakly_canonical(platform::emulated::PrefixHome(), error);
    // FNV-1a: stable across runs and builds, unlike std::hash.
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : (error ? platform::emulated::PrefixHome() : home).string()) hash = (hash ^ c) * 16777619u;
    char tag[9];
    std::snprintf(tag, sizeof tag, "%08x", hash);
    return tag;
}

std::string EmptyMachineHint() {
    if (platform::OfflineMachineInUse()) return "";
    return "nimbrel-cli: nothing found on the emulated machine in " + platform::emulated::PrefixHome().string() +
           "; it holds only what you put there: import a user's registry first, for example "
           "\"nimbrel-cli reg import samples/demo-profile.reg\" from Nimbrel's sources";
}

}  // namespace cli

#endif
