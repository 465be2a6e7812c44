#include "tools/nimbrel-cli/clean_report.h"

#include <iostream>
#include <nlohmann/json.hpp>

#include "tools/nimbrel-cli/command.h"

namespace cli {

namespace {

std::string KeyPath(const std::string& root, std::string path) {
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return path.empty() ? root : root + "\\" + path;
}

// Registry names and paths as they are, but for the characters that would
// break the line into fields.
std::string TextField(const std::string& ansi) {
    std::string out;
    for (char c : ConsoleText(ansi)) {
        switch (c) {
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace

CleanReport::CleanReport(std::string format, bool dryRun, bool quiet)
    : format_(std::move(format)), dryRun_(dryRun), quiet_(quiet) {}

void CleanReport::Begin() {
    if (begun_) return;
    begun_ = true;
    if (format_ == "json") std::cout << "{\"rows\":[";
    if (format_ == "tsv") std::cout << "result\tkind\tplace\tname\treason\tlabel\n";
}

void CleanReport::Row(const scan::DetectedItem& item, const clean::RowOutcome& outcome) {
    if (outcome.Cleaned() || outcome.result == clean::RowResult::kWouldDelete) ++cleaned_;
    if (outcome.Stays() || outcome.result == clean::RowResult::kWouldFail) ++notDeleted_;
    if (item.Kind() == scan::ItemKind::kValue) {
        Record("value", KeyPath(item.mainkey, item.subkey), item.value, outcome, item.label);
    } else if (item.Kind() == scan::ItemKind::kKey) {
        Record("key", KeyPath(item.mainkey, item.subkey) + "\\" + item.value, "", outcome, item.label);
    } else if (item.Kind() == scan::ItemKind::kFolder || item.Kind() == scan::ItemKind::kFile) {
        Record(item.Kind() == scan::ItemKind::kFolder ? "folder" : "file", item.mainkey, "", outcome, item.label);
    } else {
        Record(item.kind, item.mainkey, "", outcome, item.label);
    }
}

void CleanReport::PluginFile(const std::string& plugin, const std::string& path, const clean::RowOutcome& outcome) {
    if (outcome.Stays()) ++pluginsNotDeleted_;
    Record("file", path, "", outcome, plugin);
}

void CleanReport::Record(const std::string& kind, const std::string& place, const std::string& name,
                         const clean::RowOutcome& outcome, const std::string& label) {
    Begin();
    const std::string_view result = clean::RowResultName(outcome.result);
    if (format_ == "json") {
        nlohmann::ordered_json record = {{"kind", ConsoleText(kind)}, {"place", ConsoleText(place)}};
        if (kind == "value") record["name"] = ConsoleText(name);
        record["result"] = result;
        if (!outcome.reason.empty()) record["reason"] = ConsoleText(outcome.reason);
        record["label"] = ConsoleText(label);
        std::cout << (firstRecord_ ? "\n" : ",\n") << record.dump();
        firstRecord_ = false;
    } else if (format_ == "tsv") {
        std::cout << result << '\t' << TsvField(kind) << '\t' << TsvField(place) << '\t' << TsvField(name) << '\t'
                  << TsvField(outcome.reason) << '\t' << TsvField(label) << '\n';
    } else if (dryRun_
                   ? outcome.result == clean::RowResult::kWouldDelete || outcome.result == clean::RowResult::kWouldFail
                   : outcome.Stays()) {
        // People read what would go in a dry run, and what stayed after a clean.
        std::cout << (dryRun_ ? "" : std::string(result) + "\t") << kind << '\t' << TextField(place);
        if (kind == "value") std::cout << '\t' << TextField(name);
        if (!outcome.reason.empty())
            std::cout << '\t' << (dryRun_ ? "(stays: " : "(") << TextField(outcome.reason) << ')';
        std::cout << '\n';
    }
}

int CleanReport::Finish(long detected) {
    Begin();
    const char* cleanedName = dryRun_ ? "would_clean" : "cleaned";
    if (format_ == "json") {
        nlohmann::ordered_json totals = {{"detected", detected}, {cleanedName, cleaned_}, {"not_deleted", notDeleted_}};
        if (!dryRun_) totals["plugin_files_not_deleted"] = pluginsNotDeleted_;
        std::cout << (firstRecord_ ? "" : "\n") << "],\"totals\":" << totals.dump()
                  << ",\"dry_run\":" << (dryRun_ ? "true" : "false") << "}\n";
    } else if (format_ == "tsv") {
        // The totals as records of their own: the count in the place column.
        std::cout << "total\tdetected\t" << detected << "\t\t\t\n"
                  << "total\t" << cleanedName << '\t' << cleaned_ << "\t\t\t\n"
                  << "total\tnot_deleted\t" << notDeleted_ << "\t\t\t\n";
    } else if (!quiet_) {
        std::cout << "Total Items Detected: " << detected << '\n'
                  << (dryRun_ ? "Would clean: " : "Total Items Cleaned: ") << cleaned_ << '\n';
        if (dryRun_) std::cout << "Dry run: nothing was deleted.\n";
    }
    std::cout.flush();
    if (!std::cout) return ReportFailure("cannot write what the clean did");
    if (!dryRun_ && notDeleted_ > 0) {
        return ReportFailure(std::to_string(notDeleted_) + (notDeleted_ == 1 ? " item" : " items") +
                             " could not be deleted");
    }
    return kExitOk;
}

}  // namespace cli
