#include "tools/nimbrel-cli/offline_options.h"

#include <iostream>

namespace cli {

namespace {

// The command given, parsed.
const CLI::App* ParsedCommand(CLI::App& app) {
    for (const CLI::App* command : app.get_subcommands()) return command;
    return nullptr;
}

}  // namespace

void AddOfflineOptions(CLI::App& app, OfflineArguments& arguments) {
    const std::string group = "Windows installations that are not running";
    app.add_option("--windows", arguments.options.windowsFolder,
                   "Work on the Windows installation whose system drive is mounted at DIR instead of the emulated "
                   "machine (scan, clean, list, reg query and reg export)")
        ->type_name("DIR")
        ->group(group);
    app.add_option(
           "--hive", arguments.options.hiveFiles,
           "Work on single hive files (NTUSER.DAT, UsrClass.dat, SOFTWARE, DEFAULT) instead; may be given again")
        ->type_name("FILE")
        ->group(group);
    app.add_option("--user", arguments.options.user,
                   "Whose hive is HKEY_CURRENT_USER (a profile's folder name or SID); needed when there are several")
        ->type_name("NAME")
        ->group(group);
    app.add_flag("--read-only", arguments.options.readOnly,
                 "Never write anything to the installation (for examiners): scan, list and query only")
        ->group(group);
    app.add_flag("--no-backup", arguments.noBackup, "Keep no NAME.nimbrel-backup of a hive the clean changes")
        ->group(group);
}

bool OfflineOptionTakesValue(const std::string& argument) {
    return argument == "--windows" || argument == "--hive" || argument == "--user";
}

// The commands that work on an installation are the ones that read it and
// the clean. Settings, the shredder, the run-once list and changes by hand
// stay with the emulated machine.
std::string CheckOfflineUse(CLI::App& app, const OfflineArguments& arguments, bool homeGiven) {
    const platform::OfflineOptions& options = arguments.options;
    if (!arguments.Given()) {
        if (!options.user.empty() || options.readOnly || arguments.noBackup)
            return "--user, --read-only and --no-backup go with --windows DIR or --hive FILE";
        return "";
    }
    if (!options.windowsFolder.empty() && !options.hiveFiles.empty())
        return "give --windows DIR or --hive FILE, not both";
    if (homeGiven) return "--home names an emulated machine; not with --windows or --hive";
    const CLI::App* command = ParsedCommand(app);
    const std::string name = command != nullptr ? command->get_name() : "";
    if (name == "help") return "";
    if (name == "reg") {
        const CLI::App* action = nullptr;
        for (const CLI::App* sub : command->get_subcommands()) action = sub;
        const std::string verb = action != nullptr ? action->get_name() : "";
        if (verb != "query" && verb != "export")
            return "reg " + verb +
                   " changes the registry by hand; on an installation that is not running only "
                   "reg query and reg export are offered";
        return "";
    }
    if (name == "clean") {
        const bool dryRun = command->get_option("--dry-run")->count() > 0;
        if (options.readOnly && !dryRun)
            return "--read-only: a clean would change the installation; clean --dry-run "
                   "shows what it would delete";
        return "";
    }
    if (name == "scan" || name == "list") return "";
    return name +
           " works on the emulated machine only; with --windows or --hive: scan, clean, list, reg query and "
           "reg export";
}

std::string UseOffline(const OfflineArguments& arguments) {
    platform::OfflineOptions options = arguments.options;
    options.backup = !arguments.noBackup;
    const std::string problem = platform::UseOfflineMachine(options);
    if (!problem.empty()) return problem;
    for (const std::string& note : platform::OfflineNotes()) std::cerr << "nimbrel-cli: note: " << note << std::endl;
    return "";
}

}  // namespace cli
