// nimbrel-cli: the scriptable front end. Each command group adds itself
// from its own file; main parses, settles the machine, starts the platform,
// and runs the one command given.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "tools/nimbrel-cli/catalogue_command.h"
#include "tools/nimbrel-cli/clean_command.h"
#include "tools/nimbrel-cli/command.h"
#include "tools/nimbrel-cli/machine_home.h"
#include "tools/nimbrel-cli/nearest_command.h"
#include "tools/nimbrel-cli/offline_options.h"
#include "tools/nimbrel-cli/reg_command.h"
#include "tools/nimbrel-cli/reg_exe_arguments.h"
#include "tools/nimbrel-cli/runonce_command.h"
#include "tools/nimbrel-cli/scan_command.h"
#include "tools/nimbrel-cli/settings_command.h"
#include "tools/nimbrel-cli/shred_command.h"
#include "ui/program_version.h"

namespace {

constexpr const char* kFooter =
    "Environment:\n"
    "  NIMBREL_HOME   the emulated machine's folder (default ~/.local/share/nimbrel); --home overrides it\n"
    "  NIMBREL_TRACE  a file to which every registry probe appends a line\n"
    "A Windows installation that is not running (dual boot, a disk image): --windows DIR, its mounted system\n"
    "drive, or --hive FILE, before the command name; \"nimbrel-cli --windows /mnt/win scan\".\n"
    "Exit codes: 0 done, 1 failed (or an item the clean was to delete stays), 2 wrong usage.\n"
    "\"nimbrel-cli help COMMAND\" shows a command's options.\n";

// The command word: the first argument that is neither an option nor the
// value of --home or of an installation's option. Empty when there is none.
std::string CommandWord(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--home" || cli::OfflineOptionTakesValue(argument)) {
            ++i;
            continue;
        }
        if (!argument.empty() && argument[0] != '-') return argument;
    }
    return "";
}

int Usage(const std::string& message) {
    cli::ReportFailure(message);
    return cli::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app("Nimbrel's scriptable front end", "nimbrel-cli");
    app.require_subcommand(1);
    app.footer(kFooter);
    app.set_version_flag("--version", std::string("nimbrel-cli ") + NIMBREL_VERSION);
    // --home is taken before the command name and after it.
    app.fallthrough();
    std::optional<std::string> home;
    app.add_option_function<std::string>(
        "--home", [&home](const std::string& folder) { home = folder; },
        "The emulated machine's folder for this command (overrides NIMBREL_HOME)");
    cli::OfflineArguments offline;
    cli::AddOfflineOptions(app, offline);

    cli::CommandAction action;
    cli::AddRegCommand(app, action);
    cli::AddScanCommand(app, action);
    cli::AddCleanCommand(app, action);
    cli::AddShredCommand(app, action);
    cli::AddRunOnceCommand(app, action);
    cli::AddSettingsCommands(app, action);
    cli::AddCatalogueCommand(app, action);
    CLI::App* help = app.add_subcommand("help", "Show the help of nimbrel-cli or of one command");
    auto topic = std::make_shared<std::string>();
    help->add_option("command", *topic, "The command whose options to show");
    help->callback([&app, &action, topic] {
        action = [&app, topic] {
            if (topic->empty()) {
                std::cout << app.help();
                return cli::kExitOk;
            }
            for (const CLI::App* command : app.get_subcommands({})) {
                if (command->get_name() == *topic) {
                    std::cout << command->help();
                    return cli::kExitOk;
                }
            }
            return Usage("no command '" + *topic + "'; \"nimbrel-cli help\" lists them");
        };
    });

    std::vector<std::string> commands;
    for (const CLI::App* command : app.get_subcommands({})) commands.push_back(command->get_name());
    if (const std::string word = CommandWord(argc, argv);
        !word.empty() && std::find(commands.begin(), commands.end(), word) == commands.end()) {
        const std::string nearest = cli::NearestCommand(word, commands);
        return Usage("unknown command '" + word + "'" + (nearest.empty() ? "" : "; did you mean '" + nearest + "'?"));
    }

    std::vector<std::string> arguments(argv + 1, argv + argc);
    arguments = cli::WithRegExeSwitchesTranslated(arguments);
    std::reverse(arguments.begin(), arguments.end());  // CLI11 takes them last first
    try {
        app.parse(arguments);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) return app.exit(error);
        return Usage(error.what());
    }

    if (const std::string problem = cli::CheckOfflineUse(app, offline, home.has_value()); !problem.empty())
        return Usage(problem);
    if (offline.Given()) {
        if (const std::string problem = cli::UseOffline(offline); !problem.empty()) return cli::ReportFailure(problem);
    } else if (const std::string problem = cli::ChooseMachine(home); !problem.empty()) {
        return Usage(problem);
    }
    const std::string problem = platform::Start();
    if (!problem.empty()) return cli::ReportFailure(problem);
    return action();
}
