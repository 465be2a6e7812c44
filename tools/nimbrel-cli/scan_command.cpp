#include "tools/nimbrel-cli/scan_command.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "clean/results_model.h"
#include "scan/host.h"
#include "scan/record.h"
#include "scan/scan_driver.h"
#include "scan/scan_window_state.h"
#include "tools/nimbrel-cli/readable_data.h"

namespace cli {
namespace {

// The host of a scan on the console: its yields redraw a progress bar on
// stderr when stderr is a terminal. There are no windows to show.
class ConsoleHost : public scan::Host {
public:
    explicit ConsoleHost(const scan::ScanWindowState& window)
        : window_(window), drawing_(isatty(STDERR_FILENO) == 1) {}

    void Yield() override {
        if (!drawing_) return;
        constexpr int kWidth = 40;
        const int percent = window_.CoolProgress1.Percent;
        const int filled = percent * kWidth / 100;
        const int length = std::fprintf(
            stderr, "\rScanning [%s%s] %3d%%  lists %s  items %s",
            std::string(static_cast<std::size_t>(filled), '#').c_str(),
            std::string(static_cast<std::size_t>(kWidth - filled), '.').c_str(), percent,
            window_.listsdetected.caption.c_str(), window_.itemsdetected.caption.c_str());
        std::fflush(stderr);
        if (length > drawn_) drawn_ = length;
    }
    void MessageBox(const std::string& text, const std::string& title) override {
        std::cerr << ConsoleText(title) << ": " << ConsoleText(text) << std::endl;
    }
    void ShowWindow(scan::Window) override {}
    void RestoreWindow(scan::Window) override {}
    void UnloadWindow(scan::Window) override {}
    void EndProgram() override {}

    // Takes the progress bar off the screen (spaces, as not every console
    // knows the escape sequence that clears a line).
    void Finish() {
        if (drawn_ == 0) return;
        std::fprintf(stderr, "\r%s\r", std::string(static_cast<std::size_t>(drawn_), ' ').c_str());
        std::fflush(stderr);
    }

private:
    const scan::ScanWindowState& window_;
    bool drawing_;
    int drawn_ = 0;  // the widest line drawn
};

void PrintTsv(const clean::DetectedItems& store) {
    std::cout << "label\tmainkey\tsubkey\tvalue\tvaluetype\tkind\tdata\n";
    for (std::size_t row = 0; row < store.RowCount(); ++row) {
        std::cout << TsvField(store.List1()[row]) << '\t' << TsvField(store.Mainkey()[row]) << '\t'
                  << TsvField(store.Subkey()[row]) << '\t' << TsvField(store.Value()[row]) << '\t'
                  << TsvField(store.ValueType()[row]) << '\t' << TsvField(store.Key()[row]) << '\t'
                  << TsvFieldUtf8(ReadableData(store.Row(row), store.Snapshot(row))) << '\n';
    }
}

void PrintJson(const scan::ScanWindowState& window, const clean::DetectedItems& store) {
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (std::size_t row = 0; row < store.RowCount(); ++row) {
        rows.push_back({{"label", ConsoleText(store.List1()[row])},
                        {"mainkey", ConsoleText(store.Mainkey()[row])},
                        {"subkey", ConsoleText(store.Subkey()[row])},
                        {"value", ConsoleText(store.Value()[row])},
                        {"valuetype", ConsoleText(store.ValueType()[row])},
                        {"kind", ConsoleText(store.Key()[row])},
                        {"checked", store.Checked(row)},
                        {"data", ReadableData(store.Row(row), store.Snapshot(row))}});
    }
    const nlohmann::ordered_json result = {{"lists", scan::CounterValue(window.listsdetected)},
                                           {"items", scan::CounterValue(window.itemsdetected)},
                                           {"total", scan::CounterValue(window.totaldetected)},
                                           {"notice", window.notice.visible},
                                           {"rows", std::move(rows)}};
    std::cout << result.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

int RunScan(const std::string& format) {
    scan::ScanWindowState window;
    clean::ResultsModel results;
    ConsoleHost host(window);
    scan::ScanContext ctx{host, window, results};
    scan::Scan(ctx);
    host.Finish();

    if (format == "tsv") {
        PrintTsv(results.store);
    } else {
        PrintJson(window, results.store);
    }
    std::cout.flush();
    return std::cout ? kExitOk : ReportFailure("cannot write the scan's results");
}

}  // namespace

void AddScanCommand(CLI::App& app, CommandAction& action) {
    auto format = std::make_shared<std::string>("json");
    CLI::App* scan = app.add_subcommand("scan", "Scan with the current settings; nothing is cleaned");
    scan->add_option("--format", *format, "Output: json (the default) or tsv")
        ->check(CLI::IsMember({"json", "tsv"}));
    scan->callback([&action, format] { action = [format] { return RunScan(*format); }; });
}

}  // namespace cli
