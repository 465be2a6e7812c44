#include "tests/support/run_program.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>

namespace testing_support {

namespace {

// An unnamed temporary file for the child's output.
class CaptureFile {
public:
    CaptureFile() : file_(std::tmpfile()) {
        if (file_ == nullptr) throw std::runtime_error("cannot open a temporary file");
    }
    ~CaptureFile() { std::fclose(file_); }
    CaptureFile(const CaptureFile&) = delete;
    CaptureFile& operator=(const CaptureFile&) = delete;

    int Descriptor() const { return fileno(file_); }

    std::string Text() const {
        std::string text;
        char buffer[4096];
        lseek(Descriptor(), 0, SEEK_SET);
        for (ssize_t read; (read = ::read(Descriptor(), buffer, sizeof buffer)) > 0;) {
            text.append(buffer, static_cast<std::size_t>(read));
        }
        return text;
    }

private:
    std::FILE* file_;
};

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    CaptureFile out;
    CaptureFile err;
    ProgramRun run;
    const pid_t child = fork();
    if (child == 0) {
        const int nothing = open("/dev/null", O_RDONLY);
        dup2(nothing, STDIN_FILENO);
        dup2(out.Descriptor(), STDOUT_FILENO);
        dup2(err.Descriptor(), STDERR_FILENO);
        execvp(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) {
        run.exitCode = WEXITSTATUS(status);
    }
    run.out = out.Text();
    run.err = err.Text();
    return run;
}

}  // namespace testing_support
