// The results window (Form3) as plain state and handlers: it shows the
// store of the last scan with a check box per row. Its "Clean Now" is the
// clean engine's CleanSelected, which the program wires with its clean
// context.
#pragma once

#include <cstddef>
#include <vector>

#include "clean/results_model.h"
#include "scan/control_state.h"
#include "scan/host.h"

namespace clean {

class ResultsWindowModel {
public:
    static constexpr const char* kCaption = ResultsModel::kCaption;
    static constexpr const char* kFrame1 = "Results:";
    static constexpr const char* kTotalLabel = "Total Items Detected:";
    // Beside a checked row that the clean will keep for an unchecked twin.
    static constexpr const char* kKeptForTwinNote = "Stays: an unchecked row names the same item";

    ResultsWindowModel(scan::Host& host, ResultsModel& results) : host_(host), results_(results) {}

    ResultsModel& Results() { return results_; }
    const ResultsModel& Results() const { return results_; }

    scan::Button cleanbutton2{"Clean Now"};
    scan::Button chameleonButton22{"Main Menu"};

    // The user checks or unchecks a row; rows that do not exist are left
    // alone.
    void OnList1ItemCheck(std::size_t row, bool checked);
    // For each row: checked, but kept by the clean because an unchecked row
    // names the same item (or one inside it). Shown so, before the clean.
    const std::vector<bool>& RowsKeptForTwin();

    // "Main Menu": the scan's results are discarded.
    void OnChameleonButton22Click();
    // The close box: the program ends.
    void OnCloseRequest() { host_.EndProgram(); }

private:
    scan::Host& host_;
    ResultsModel& results_;
    // RowsKeptForTwin as last worked out, for a store of keptRows_ rows.
    std::vector<bool> kept_;
    std::size_t keptRows_ = 0;
    bool keptStale_ = true;
};

}  // namespace clean
