// The completion window (Form4) as plain state and handlers: the totals of
// the last clean, the system status line and the way back to the main
// window. The clean fills in the totals, then the window loads and reads
// whether every item the clean was to delete is gone.
#pragma once

#include "clean/clean_state.h"
#include "host/control_state.h"
#include "host/host.h"

namespace clean {

inline constexpr host::Rgb kGreen{0, 128, 0};
inline constexpr host::Rgb kOlive{128, 128, 0};

class CompletionWindowModel {
public:
    static constexpr const char* kCaption = "Nimbrel";
    static constexpr const char* kHeading = "Congratulations!";
    static constexpr const char* kDetectedLabel = "Total Items Detected:";
    static constexpr const char* kCleanedLabel = "Total Items Cleaned:";
    static constexpr const char* kStatusLabel = "System Status:";
    static constexpr const char* kGood = "Good";
    static constexpr const char* kSomeNotDeleted = "Some items not deleted.";

    explicit CompletionWindowModel(host::Host& host) : host_(host) {}
    // Filled in from the clean that has just ended, and loaded.
    CompletionWindowModel(host::Host& host, const CleanState& clean);

    // The load step, once: allCleaned is false when the clean left at least
    // one row unchecked, or an item it was to delete is still there.
    void Load(bool allCleaned);

    // cleanbutton: "Main Menu".
    void OnMainMenuClick();
    // The close box: the program ends.
    void OnCloseRequest();

    host::Label totaldetected{"0"};
    host::Label totalcleaned{"0"};
    host::Label sysstatus{kGood, true, kGreen};
    host::Button cleanbutton{"Main Menu"};

private:
    host::Host& host_;
};

}  // namespace clean
