// What `clean` prints: a record for every row with what became of its item,
// then the totals. text is for people (a line for each item that would go,
// or that stays); json and tsv hold every row.
#pragma once

#include <string>

#include "clean/clean_item.h"
#include "scan/detected_items.h"

namespace cli {

class CleanReport {
public:
    // format: "text", "json" or "tsv"; quiet: text without the totals.
    CleanReport(std::string format, bool dryRun, bool quiet = false);

    void Row(const scan::DetectedItem& item, const clean::RowOutcome& outcome);
    // A file a plug-in deleted, shredded or left.
    void PluginFile(const std::string& plugin, const std::string& path, const clean::RowOutcome& outcome);
    // Ends the output; returns the exit code: failure when an item the clean
    // was to delete is still there (said on stderr with how many), or when
    // the output could not be written.
    int Finish(long detected);

private:
    void Begin();
    void Record(const std::string& kind, const std::string& place, const std::string& name,
                const clean::RowOutcome& outcome, const std::string& label);

    std::string format_;
    bool dryRun_;
    bool quiet_;
    bool begun_ = false;
    bool firstRecord_ = true;
    long cleaned_ = 0;     // gone after the clean, or (dry run) would be
    long notDeleted_ = 0;  // still there, though the clean was to delete it
    long pluginsNotDeleted_ = 0;
};

}  // namespace cli
