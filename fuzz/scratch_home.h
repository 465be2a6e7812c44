// The emulated machine of a fuzz target: a temporary prefix made once per
// process (in /dev/shm when there is one, so the registry store costs no
// disk writes), named by NIMBREL_HOME so nothing can reach the user's own
// prefix, and removed when the process ends. A crash ends the process
// without that, so each prefix carries its process id and the next run
// removes those whose process is gone.
#pragma once

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/emulated/prefix.h"

namespace fuzzing {

class ScratchHome {
public:
    static ScratchHome& Instance() {
        static ScratchHome* home = new ScratchHome;  // outlives the exit handler
        return *home;
    }

    const std::filesystem::path& Folder() const { return folder_; }

    // A fresh, empty machine in a new folder below the scratch home, for a
    // run that must not see what earlier runs stored.
    void UseFreshMachine() {
        DropMachine();
        machine_ = folder_ / ("machine-" + std::to_string(++machines_));
        platform::emulated::UsePrefix(machine_);
    }

    // Back to the scratch home itself, the machine folder removed.
    void DropMachine() {
        if (machine_.empty()) return;
        platform::emulated::UsePrefix(folder_);
        std::error_code ignored;
        std::filesystem::remove_all(machine_, ignored);
        machine_.clear();
    }

private:
    ScratchHome() {
        std::error_code error;
        const std::filesystem::path shm = "/dev/shm";
        const std::filesystem::path base =
            std::filesystem::is_directory(shm, error) ? shm : std::filesystem::temp_directory_path();
        RemoveOrphans(base);
        folder_ = base / (kPrefix + std::to_string(getpid()));
        std::filesystem::remove_all(folder_, error);
        if (!std::filesystem::create_directory(folder_, error)) {
            std::fprintf(stderr, "nimbrel fuzz: cannot make %s\n", folder_.c_str());
            std::abort();
        }
        setenv("NIMBREL_HOME", folder_.c_str(), 1);
        platform::emulated::UsePrefix(folder_);
        std::atexit([] { Instance().RemoveAll(); });
    }

    static constexpr const char* kPrefix = "nimbrel-fuzz-";

    static void RemoveOrphans(const std::filesystem::path& base) {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(base, error)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind(kPrefix, 0) != 0) continue;
            const long pid = std::strtol(name.c_str() + std::string(kPrefix).size(), nullptr, 10);
            if (pid > 0 && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
                std::filesystem::remove_all(entry.path(), error);
        }
    }

    void RemoveAll() {
        platform::emulated::UsePrefix(folder_);
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    std::filesystem::path folder_;
    std::filesystem::path machine_;
    unsigned long machines_ = 0;
};

}  // namespace fuzzing
