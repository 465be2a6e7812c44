#include "tools/nimbrel-cli/runonce_command.h"

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "platform/run_once.h"

namespace cli {
namespace {

int RunList() {
    std::string problem;
    const std::vector<platform::RunOnceOutcome> outcomes = platform::RunRunOnceList(problem);
    if (!problem.empty()) return ReportFailure(problem);
    int exitCode = kExitOk;
    for (const platform::RunOnceOutcome& outcome : outcomes) {
        if (outcome.problem.empty()) continue;
        exitCode = ReportFailure("run-once value " + ConsoleText(outcome.name) + " (" + ConsoleText(outcome.command) +
                                 "): " + outcome.problem);
    }
    return exitCode;
}

int Install() {
    std::string written;
    const std::string problem = platform::InstallLogonCommand("nimbrel-runonce", {"runonce"}, written);
    if (!problem.empty()) return ReportFailure(problem);
    std::cout << "wrote " << written << '\n';
    return kExitOk;
}

}  // namespace

void AddRunOnceCommand(CLI::App& app, CommandAction& action) {
    auto install = std::make_shared<bool>(false);
    CLI::App* runonce = app.add_subcommand(
        "runonce", "Run the local machine's run-once list as a logon does: remove each value, then start its command");
    runonce->add_flag("--install", *install, "Instead, make the desktop run this at each logon (XDG autostart)");
    runonce->callback([&action, install] { action = [install] { return *install ? Install() : RunList(); }; });
}

}  // namespace cli
