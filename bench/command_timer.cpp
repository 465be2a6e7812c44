// Runs a command several times and prints the median of its wall times in
// milliseconds and the largest peak resident memory of its runs in MB: the
// cost of a whole command as a user pays it. Its output goes nowhere.
//   command_timer RUNS PROGRAM [ARGUMENT...]
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 3 || std::atoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: command_timer RUNS PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<double> milliseconds;
    long peakKb = 0;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const pid_t child = fork();
        if (child == 0) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
            execvp(argv[2], argv + 2);
            _exit(127);
        }
        int status = 0;
        rusage usage{};
        if (child < 0 || wait4(child, &status, 0, &usage) != child) {
            std::perror("command_timer");
            return 2;
        }
        milliseconds.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        peakKb = std::max(peakKb, usage.ru_maxrss);
        if (!WIFEXITED(status) || WEXITSTATUS(status) == 127) {
            std::fprintf(stderr, "command_timer: %s did not run to its end\n", argv[2]);
            return 2;
        }
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("%.1f %.1f\n", milliseconds[milliseconds.size() / 2], static_cast<double>(peakKb) / 1024.0);
    return 0;
}
