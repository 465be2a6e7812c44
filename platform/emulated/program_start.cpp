// A Windows path maps to a host file (Z:\usr\bin\x is /usr/bin/x); that
// file is started as a host program, detached from this process.
#include "platform/program_start.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/emulated/paths.h"

namespace platform {

bool StartProgram(const std::string& path) {
    if (path.empty()) return false;
    const std::string host = emulated::ToHostPath(path).string();
    struct stat info {};
    if (stat(host.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || access(host.c_str(), X_OK) != 0) {
        return false;
    }

    // The started program is the child of a short-lived child, so that it
    // never lingers as a zombie of ours; a pipe that closes on exec tells
    // whether exec worked.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) return false;
    const pid_t middle = fork();
    if (middle < 0) {
        close(report[0]);
        close(report[1]);
        return false;
    }
    if (middle == 0) {
        close(report[0]);
        if (fork() == 0) {
            setsid();
            char* const argv[] = {const_cast<char*>(host.c_str()), nullptr};
            execv(host.c_str(), argv);
            const int error = errno;
            (void)!write(report[1], &error, sizeof error);
            _exit(127);
        }
        _exit(0);
    }
    close(report[1]);
    int status = 0;
    while (waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got;
    while ((got = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    close(report[0]);
    return got == 0;
}

}  // namespace platform
