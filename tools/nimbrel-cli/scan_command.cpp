#include "tools/nimbrel-cli/scan_command.h"

#include <cstdio>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "scan/results_model.h"
#include "host/host.h"
#include "scan/record.h"
#include "scan/scan_driver.h"
#include "scan/scan_window_state.h"
#include "tools/nimbrel-cli/category_selection.h"
#include "tools/nimbrel-cli/console_host.h"
#include "tools/nimbrel-cli/machine_home.h"
#include "tools/nimbrel-cli/readable_data.h"

namespace cli {
namespace {

void PrintTsv(const scan::DetectedItems& store) {
    std::cout << "label\tmainkey\tsubkey\tvalue\tvaluetype\tkind\tdata\n";
    for (std::size_t row = 0; row < store.RowCount(); ++row) {
        std::cout << TsvField(store.Labels()[row]) << '\t' << TsvField(store.Mainkey()[row]) << '\t'
                  << TsvField(store.Subkey()[row]) << '\t' << TsvField(store.Value()[row]) << '\t'
                  << TsvField(store.ValueType()[row]) << '\t' << TsvField(store.Kinds()[row]) << '\t'
                  << TsvFieldUtf8(ReadableData(store.Row(row), store.Snapshot(row))) << '\n';
    }
}

void PrintJson(const scan::ScanWindowState& window, const scan::DetectedItems& store) {
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (std::size_t row = 0; row < store.RowCount(); ++row) {
        rows.push_back({{"label", ConsoleText(store.Labels()[row])},
                        {"mainkey", ConsoleText(store.Mainkey()[row])},
                        {"subkey", ConsoleText(store.Subkey()[row])},
                        {"value", ConsoleText(store.Value()[row])},
                        {"valuetype", ConsoleText(store.ValueType()[row])},
                        {"kind", ConsoleText(store.Kinds()[row])},
                        {"checked", store.Checked(row)},
                        {"data", ReadableData(store.Row(row), store.Snapshot(row))}});
    }
    const nlohmann::ordered_json result = {{"lists", window.counts.lists},
                                           {"items", window.counts.items},
                                           {"total", window.counts.total.value_or(0)},
                                           {"notice", window.notice.visible},
                                           {"rows", std::move(rows)}};
    std::cout << result.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

struct ScanArguments {
    std::string format = "json";
    bool quiet = false;
    CategorySelection categories;
};

int RunScan(const ScanArguments& arguments) {
    scan::ScanWindowState window;
    scan::ResultsModel results;
    ConsoleHost host(window, arguments.quiet);
    scan::ScanContext ctx{host, window, results};
    scan::Scan(ctx);
    host.Finish();

    if (arguments.format == "tsv") {
        PrintTsv(results.store);
    } else {
        PrintJson(window, results.store);
    }
    std::cout.flush();
    if (!std::cout) return ReportFailure("cannot write the scan's results");
    if (results.store.RowCount() == 0 && !arguments.quiet) {
        if (const std::string hint = EmptyMachineHint(); !hint.empty()) std::cerr << hint << std::endl;
    }
    return kExitOk;
}

}  // namespace

void AddScanCommand(CLI::App& app, CommandAction& action) {
    auto arguments = std::make_shared<ScanArguments>();
    CLI::App* scan = app.add_subcommand("scan", "Scan with the current settings; nothing is cleaned");
    scan->add_option("--format", arguments->format, "Output: json (the default) or tsv")
        ->check(CLI::IsMember({"json", "tsv"}));
    scan->add_flag("--quiet", arguments->quiet, "No progress bar, and no hint when nothing is found");
    arguments->categories.AddOptions(*scan);
    scan->callback([&action, arguments] {
        if (const std::string problem = arguments->categories.Apply(); !problem.empty()) {
            throw CLI::ValidationError(problem);
        }
        action = [arguments] { return RunScan(*arguments); };
    });
}

}  // namespace cli
