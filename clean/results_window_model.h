// The results window (Form3) as plain state and handlers: it shows the
// store of the last scan with a check box per row. Its "Clean Now" is the
// clean engine's CleanSelected, which the program wires with its clean
// context.
#pragma once

#include <cstddef>

#include "clean/results_model.h"
#include "scan/control_state.h"
#include "scan/host.h"

namespace clean {

class ResultsWindowModel {
public:
    static constexpr const char* kCaption = ResultsModel::kCaption;
    static constexpr const char* kFrame1 = "Results:";
    static constexpr const char* kTotalLabel = "Total Items Detected:";

    ResultsWindowModel(scan::Host& host, ResultsModel& results) : host_(host), results_(results) {}

    ResultsModel& Results() { return results_; }
    const ResultsModel& Results() const { return results_; }

    scan::Button cleanbutton2{"Clean Now"};
    scan::Button chameleonButton22{"Main Menu"};

    // The user checks or unchecks a row; rows that do not exist are left
    // alone.
    void OnList1ItemCheck(std::size_t row, bool checked);
    // "Main Menu": the scan's results are discarded.
    void OnChameleonButton22Click();
    // The close box: the program ends.
    void OnCloseRequest() { host_.EndProgram(); }

private:
    scan::Host& host_;
    ResultsModel& results_;
};

}  // namespace clean
