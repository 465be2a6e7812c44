#include "tools/nimbrel-cli/scan_command.h"

#include <array>
#include <cstdio>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

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

// What a row's item holds, as a person reads it.
std::string RowData(const scan::DetectedItems& store, std::size_t row) {
    return ReadableData(scan::KindOf(store.Kinds()[row]), store.Mainkey()[row], store.Snapshot(row));
}

// The six text columns, in store order.
std::array<const std::vector<std::string>*, 6> Columns(const scan::DetectedItems& store) {
    return {&store.Labels(), &store.Mainkey(), &store.Subkey(), &store.Value(), &store.ValueType(), &store.Kinds()};
}

void PrintTsv(const scan::DetectedItems& store) {
    std::cout << "label\tmainkey\tsubkey\tvalue\tvaluetype\tkind\tdata\n";
    std::string line;
    for (std::size_t row = 0; row < store.RowCount(); ++row) {
        line.clear();
        for (const std::vector<std::string>* column : Columns(store)) {
            line += TsvField((*column)[row]);
            line += '\t';
        }
        line += TsvFieldUtf8(RowData(store, row));
        line += '\n';
        std::cout.write(line.data(), static_cast<std::streamsize>(line.size()));
    }
}

constexpr int kJsonIndent = 2;

std::string DumpJson(const nlohmann::ordered_json& value) {
    return value.dump(kJsonIndent, ' ', false, nlohmann::json::error_handler_t::replace);
}

// The result is written a row at a time, in the bytes that dumping it
// whole would give: its fields around an empty "rows" array, and each row
// dumped alone and indented to its depth inside that array (a dumped
// string holds no line break of its own).
void PrintJson(const scan::ScanWindowState& window, const scan::DetectedItems& store) {
    const std::string frame = DumpJson({{"lists", window.counts.lists},
                                        {"items", window.counts.items},
                                        {"total", window.counts.total.value_or(0)},
                                        {"notice", window.notice.visible},
                                        {"rows", nlohmann::ordered_json::array()}});
    const std::size_t rows = frame.rfind("[]") + 1;
    std::cout.write(frame.data(), static_cast<std::streamsize>(rows));
    const std::string rowIndent(2 * kJsonIndent, ' ');
    std::string text;
    for (std::size_t row = 0; row < store.RowCount(); ++row) {
        text = row == 0 ? "\n" : ",\n";
        text += rowIndent;
        for (const char c : DumpJson({{"label", ConsoleText(store.Labels()[row])},
                                      {"mainkey", ConsoleText(store.Mainkey()[row])},
                                      {"subkey", ConsoleText(store.Subkey()[row])},
                                      {"value", ConsoleText(store.Value()[row])},
                                      {"valuetype", ConsoleText(store.ValueType()[row])},
                                      {"kind", ConsoleText(store.Kinds()[row])},
                                      {"checked", store.Checked(row)},
                                      {"data", RowData(store, row)}})) {
            text += c;
            if (c == '\n') text += rowIndent;
        }
        std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    if (store.RowCount() > 0) std::cout << '\n' << std::string(kJsonIndent, ' ');
    std::cout << frame.substr(rows) << '\n';
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
