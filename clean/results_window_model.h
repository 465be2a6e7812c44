// The results window (Form3) as plain state and handlers: it shows the
// store of the last scan with a check box per row. Its "Clean Now" is the
// clean engine's CleanSelected, which the program wires with its clean
// context.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "scan/results_model.h"
#include "host/control_state.h"
#include "host/host.h"

namespace clean {

class ResultsWindowModel {
public:
    static constexpr const char* kCaption = scan::ResultsModel::kCaption;
    static constexpr const char* kFrame1 = "Results:";
    static constexpr const char* kTotalLabel = "Total Items Detected:";
    // Beside a checked row that the clean will keep for an unchecked twin.
    static constexpr const char* kKeptForTwinNote = "Stays: an unchecked row names the same item";

    ResultsWindowModel(host::Host& host, scan::ResultsModel& results) : host_(host), results_(results) {}

    scan::ResultsModel& Results() { return results_; }
    const scan::ResultsModel& Results() const { return results_; }

    // The text beside "Total Items Detected:": the scan's total, empty
    // until a scan has ended.
    std::string TotalText() const { return results_.total ? std::to_string(*results_.total) : std::string(); }

    host::Button cleanbutton2{"Clean Now"};
    host::Button chameleonButton22{"Main Menu"};

    // The user checks or unchecks a row; rows that do not exist are left
    // alone.
    void OnRowCheck(std::size_t row, bool checked);
    // For each row: checked, but kept by the clean because an unchecked row
    // names the same item (or one inside it). Shown so, before the clean.
    const std::vector<bool>& RowsKeptForTwin();

    // "Main Menu": the scan's results are discarded.
    void OnMainMenuClick();
    // The close box: the program ends.
    void OnCloseRequest() { host_.EndProgram(); }

private:
    host::Host& host_;
    scan::ResultsModel& results_;
    // RowsKeptForTwin as last worked out, for a store of keptRows_ rows.
    std::vector<bool> kept_;
    std::size_t keptRows_ = 0;
    bool keptStale_ = true;
};

}  // namespace clean
