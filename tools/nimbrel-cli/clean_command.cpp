#include "tools/nimbrel-cli/clean_command.h"

#include <iostream>
#include <memory>
#include <string>

#include "clean/clean_engine.h"
#include "clean/clean_item.h"
#include "clean/registry_backup.h"
#include "platform/offline_machine.h"
#include "platform/program_folder.h"
#include "platform/registry_api.h"
#include "platform/system_info.h"
#include "plugins/plugin_windows.h"
#include "registry/reg_export.h"
#include "registry/win32_error_text.h"
#include "scan/record.h"
#include "scan/scan_driver.h"
#include "tools/nimbrel-cli/backup_file.h"
#include "tools/nimbrel-cli/category_selection.h"
#include "tools/nimbrel-cli/clean_report.h"
#include "tools/nimbrel-cli/console_host.h"
#include "tools/nimbrel-cli/command_line_text.h"

namespace cli {
namespace {

struct CleanArguments {
    bool dryRun = false;
    bool noPlugins = false;
    std::string backup;  // empty when no backup is asked for
    bool force = false;
    std::string format = "text";
    bool quiet = false;
    CategorySelection categories;
};

// What a clean would do with every row, deleting nothing.
int DryRun(const scan::DetectedItems& store, long detected, CleanReport& report) {
    const std::string windowsDirectory = platform::WindowsDirectory();
    for (std::size_t index = 0; index < store.RowCount(); ++index) {
        const scan::DetectedItem row = store.Row(index);
        report.Row(row, clean::Preview(row, clean::DecideClean(row, windowsDirectory)));
    }
    return report.Finish(detected);
}

int RunClean(const CleanArguments& arguments) {
    // An installation that may not be changed is said at once, with why.
    if (const std::string refusal = platform::OfflineCleanRefusal(); !refusal.empty() && !arguments.dryRun) {
        return ReportFailure("cannot clean " + platform::OfflineMachineName() + ": " + refusal +
                             "; nothing was cleaned");
    }
    scan::ScanWindowState window;
    ConsoleHost host(window, arguments.quiet);
    scan::ResultsModel results;
    scan::ScanContext scanContext{host, window, results};
    scan::Scan(scanContext);
    host.Finish();
    const long detected = window.counts.total.value_or(0);

    CleanReport report(arguments.format, arguments.dryRun, arguments.quiet);
    if (arguments.dryRun) return DryRun(results.store, detected, report);

    // A registry that cannot be changed (a read-only machine) is said once,
    // before anything is deleted, not as a clean that seemed to work.
    if (const long status = platform::RegistryBatch().Status(); status != platform::kErrorSuccess) {
        return ReportFailure("cannot clean: the registry cannot be changed: " + registry::Win32ErrorText(status) +
                             "; nothing was cleaned");
    }

    if (!arguments.backup.empty()) {
        std::string text;
        std::string fault = ConsoleText(clean::BackUpRegistryRows(results.store, text));
        if (fault.empty()) {
            fault = WriteBackupFile(HostPath(arguments.backup), registry::EncodeRegFileUtf16(text), arguments.force);
        }
        if (!fault.empty()) return ReportFailure(fault + "; nothing was cleaned");
    }

    // The plug-ins whose "AutomaticClean" is on run after the clean, as in
    // a silent run, unless --no-plugins says otherwise.
    plugins::PluginWindows plugins(host, true, platform::ProgramFolder());
    plugins.SetFileReport([&report](const std::string& plugin, const std::string& path,
                                    const clean::RowOutcome& outcome) { report.PluginFile(plugin, path, outcome); });
    clean::CleanState state;
    clean::CleanContext cleanContext{host,
                                     results,
                                     state,
                                     arguments.noPlugins ? nullptr : &plugins,
                                     true,
                                     [&report](const scan::DetectedItem& row, const clean::RowOutcome& outcome) {
                                         report.Row(row, outcome); }};
    clean::CleanAll(cleanContext, detected);
    return report.Finish(detected);
}

}  // namespace

void AddCleanCommand(CLI::App& app, CommandAction& action) {
    auto arguments = std::make_shared<CleanArguments>();
    CLI::App* clean =
        app.add_subcommand("clean", "Scan, then delete everything found as \"Clean Now\" does, and print the totals");
    clean->add_flag("--dry-run", arguments->dryRun,
                    "List what would be deleted; delete nothing and write no backup (not with --backup)");
    clean
        ->add_option("--format", arguments->format,
                     "Output: text (the default: what would go, or what stayed, and the totals), or json or tsv "
                     "(every row with its result, then the totals)")
        ->check(CLI::IsMember({"text", "json", "tsv"}));
    clean->add_flag("--quiet", arguments->quiet, "No progress bar, and in text no totals: only what stayed");
    clean->add_flag("--no-plugins", arguments->noPlugins,
                    "Run no plug-in after the clean, whatever their AutomaticClean settings");
    CLI::Option* backup =
        clean
            ->add_option(
                "--backup", arguments->backup,
                "First save every registry value and key about to be deleted as a .reg file for \"reg import\" (it "
                "holds "
                "the traces the clean removes); an existing FILE is refused unless --force; not with --dry-run, which "
                "changes nothing and writes no backup")
            ->type_name("FILE");
    clean
        ->add_flag("--force", arguments->force,
                   "Let --backup replace an existing regular file (never a link, folder, device or pipe)")
        ->needs(backup);
    arguments->categories.AddOptions(*clean);
    clean->callback([&action, arguments, backup] {
        if (const std::string problem = arguments->categories.Apply(); !problem.empty()) {
            throw CLI::ValidationError(problem);
        }
        // An empty name would read as no backup asked for, and the clean
        // would go ahead without one.
        if (backup->count() > 0 && arguments->backup.empty()) {
            throw CLI::ValidationError("--backup", "the backup needs a file name");
        }
        if (backup->count() > 0 && arguments->dryRun) {
            throw CLI::ValidationError("--backup",
                                       "not with --dry-run: a dry run changes nothing and writes no backup");
        }
        action = [arguments] { return RunClean(*arguments); };
    });
}

}  // namespace cli
