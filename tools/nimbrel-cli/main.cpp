// nimbrel-cli: the scriptable front end. Each command group adds itself
// from its own file; main parses, starts the platform, and runs the one
// command given.
#include <CLI/CLI.hpp>

#include "platform/platform.h"
#include "tools/nimbrel-cli/clean_command.h"
#include "tools/nimbrel-cli/command.h"
#include "tools/nimbrel-cli/reg_command.h"
#include "tools/nimbrel-cli/runonce_command.h"
#include "tools/nimbrel-cli/scan_command.h"
#include "tools/nimbrel-cli/shred_command.h"

int main(int argc, char** argv) {
    CLI::App app("Nimbrel's scriptable front end", "nimbrel-cli");
    app.require_subcommand(1);
    cli::CommandAction action;
    cli::AddRegCommand(app, action);
    cli::AddScanCommand(app, action);
    cli::AddCleanCommand(app, action);
    cli::AddShredCommand(app, action);
    cli::AddRunOnceCommand(app, action);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) return app.exit(error);
        cli::ReportFailure(error.what());
        return cli::kExitUsage;
    }

    const std::string problem = platform::Start();
    if (!problem.empty()) return cli::ReportFailure(problem);
    return action();
}
