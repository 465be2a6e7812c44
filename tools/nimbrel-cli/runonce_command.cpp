#include "tools/nimbrel-cli/runonce_command.h"

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "platform/registry_api.h"
#include "platform/run_once.h"
#include "registry/key_contents.h"
#include "registry/win32_error_text.h"
#include "tools/nimbrel-cli/machine_home.h"

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

// What would run at the next logon, in its order: each value's name and
// command, tab-separated; nothing runs and nothing is removed.
int List() {
    platform::HKey key = 0;
    const long opened =
        platform::RegOpenKey(platform::kHkeyLocalMachine, platform::kRunOnceKey, platform::kKeyRead, &key);
    if (opened == platform::kErrorFileNotFound) return kExitOk;
    if (opened != platform::kErrorSuccess)
        return ReportFailure("cannot read the run-once list: " + registry::Win32ErrorText(opened));
    std::vector<registry::ValueEntry> values;
    const long listed = registry::ListValues(key, values);
    platform::RegCloseKey(key);
    if (listed != platform::kErrorSuccess)
        return ReportFailure("cannot read the run-once list: " + registry::Win32ErrorText(listed));
    for (const registry::ValueEntry& value : values) {
        std::string command = value.data;
        while (!command.empty() && command.back() == '\0') command.pop_back();
        std::cout << TsvField(value.name) << '\t' << TsvField(command) << '\n';
    }
    std::cout.flush();
    return std::cout ? kExitOk : ReportFailure("cannot write the run-once list");
}

// Each machine has its own autostart entry, so that installing for one
// does not replace another's.
std::string EntryName() {
    const std::string tag = MachineTag();
    return tag.empty() ? "nimbrel-runonce" : "nimbrel-runonce-" + tag;
}

int Install() {
    std::string written;
    const std::string problem = platform::InstallLogonCommand(EntryName(), {"runonce"}, written);
    if (!problem.empty()) return ReportFailure(problem);
    std::cout << "wrote " << written << '\n';
    return kExitOk;
}

int Uninstall() {
    std::string removed;
    const std::string problem = platform::UninstallLogonCommand(EntryName(), removed);
    if (!problem.empty()) return ReportFailure(problem);
    std::cout << "removed " << removed << '\n';
    return kExitOk;
}

}  // namespace

void AddRunOnceCommand(CLI::App& app, CommandAction& action) {
    auto mode = std::make_shared<std::string>();
    CLI::App* runonce = app.add_subcommand(
        "runonce", "Run the local machine's run-once list as a logon does: remove each value, then start its command");
    CLI::Option* list = runonce->add_flag_callback(
        "--list", [mode] { *mode = "list"; }, "Instead, show what would run (name and command), running nothing");
    CLI::Option* install = runonce->add_flag_callback(
        "--install", [mode] { *mode = "install"; },
        "Instead, make the desktop run this at each logon (an XDG autostart entry named after this machine)");
    CLI::Option* uninstall = runonce->add_flag_callback(
        "--uninstall", [mode] { *mode = "uninstall"; }, "Instead, remove this machine's autostart entry");
    list->excludes(install)->excludes(uninstall);
    install->excludes(uninstall);
    runonce->callback([&action, mode] {
        action = [mode] {
            if (*mode == "list") return List();
            if (*mode == "install") return Install();
            if (*mode == "uninstall") return Uninstall();
            return RunList();
        };
    });
}

}  // namespace cli
