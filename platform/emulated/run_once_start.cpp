// A run-once command names a Windows program, and the emulated machine runs
// host programs: "...\ixwipe.exe" is the ixwipe built beside the running
// program, and any other path is the host file it maps to (with ".exe"
// dropped when only the bare name exists). An unquoted path with spaces is
// found as CreateProcess finds it: the shortest leading run of words that
// names a program.
#include "platform/run_once_start.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "platform/ansi_case.h"
#include "platform/emulated/paths.h"

extern char** environ;

namespace platform {

namespace {

constexpr std::string_view kIxwipe = "ixwipe.exe";

struct Program {
    std::string host;       // the host file to run
    std::string arguments;  // the rest of the command line
};

bool IsIxwipe(std::string_view path) {
    const std::size_t cut = path.find_last_of("\\/");
    const std::string_view name = cut == std::string_view::npos ? path : path.substr(cut + 1);
    return EqualsIgnoringCase(name, kIxwipe);
}

std::string IxwipeBesideThisProgram() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : (self.parent_path() / "ixwipe").string();
}

bool IsExecutableFile(const std::string& host) {
    struct stat info {};
    return stat(host.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(host.c_str(), X_OK) == 0;
}

std::optional<std::string> HostProgram(const std::string& windowsPath) {
    if (IsIxwipe(windowsPath)) return IxwipeBesideThisProgram();
    const std::string host = emulated::ToHostPath(windowsPath).string();
    if (IsExecutableFile(host)) return host;
    if (host.size() > 4 && EqualsIgnoringCase(std::string_view(host).substr(host.size() - 4), ".exe")) {
        const std::string bare = host.substr(0, host.size() - 4);
        if (IsExecutableFile(bare)) return bare;
    }
    return std::nullopt;
}

std::optional<Program> FindProgram(const std::string& command) {
    std::size_t start = command.find_first_not_of(" \t");
    if (start == std::string::npos) return std::nullopt;
    if (command[start] == '"') {
        const std::size_t close = command.find('"', start + 1);
        const std::string path = command.substr(start + 1, close - start - 1);
        const std::string rest = close == std::string::npos ? std::string() : command.substr(close + 1);
        if (auto host = HostProgram(path)) return Program{*host, rest};
        return std::nullopt;
    }
    for (std::size_t end = command.find(' ', start);; end = command.find(' ', end + 1)) {
        const std::string path = command.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (auto host = HostProgram(path))
            return Program{*host, end == std::string::npos ? std::string() : command.substr(end)};
        if (end == std::string::npos) return std::nullopt;
    }
}

// The arguments as the C runtime splits a Windows command line: at spaces
// and tabs outside double quotes, the quotes themselves dropped.
std::vector<std::string> SplitArguments(const std::string& text) {
    std::vector<std::string> arguments;
    std::string current;
    bool inWord = false;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inWord) arguments.push_back(std::move(current));
            current.clear();
            inWord = false;
        } else {
            current += c;
            inWord = true;
        }
    }
    if (inWord) arguments.push_back(std::move(current));
    return arguments;
}

}  // namespace

std::string StartRunOnceCommand(const std::string& command) {
    const std::optional<Program> program = FindProgram(command);
    if (!program || program->host.empty()) return "no program found for this command";

    std::vector<std::string> words = SplitArguments(program->arguments);
    words.insert(words.begin(), program->host);
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    pid_t child = 0;
    const int rc = posix_spawn(&child, program->host.c_str(), nullptr, nullptr, argv.data(), environ);
    if (rc != 0) return "cannot start " + program->host + ": " + std::strerror(rc);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return {};
}

}  // namespace platform
