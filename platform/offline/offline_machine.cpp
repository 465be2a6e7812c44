// Switching the process to an installation that is not running.
#include "platform/offline_machine.h"

#include <memory>
#include <utility>

#include "platform/emulated/machine.h"
#include "platform/emulated/prefix.h"
#include "platform/offline/hive_store.h"
#include "platform/offline/offline_layout.h"

namespace platform {

namespace {

struct InUse {
    std::string name;
    std::vector<std::string> refusals;
    std::vector<std::string> notes;
};

std::unique_ptr<InUse>& Current() {
    static std::unique_ptr<InUse> current;
    return current;
}

}  // namespace

std::string UseOfflineMachine(const OfflineOptions& options) {
    if (!options.windowsFolder.empty() && !options.hiveFiles.empty())
        return "give --windows DIR or --hive FILE, not both";
    offline::OfflineLayout layout;
    std::string problem = options.windowsFolder.empty() ? offline::GatherHiveFiles(options.hiveFiles, layout)
                                                        : offline::FindInstallation(options.windowsFolder, layout);
    std::vector<offline::HiveMount> mounts;
    if (problem.empty()) problem = offline::FinishLayout(layout, options, mounts);
    if (!problem.empty()) {
        emulated::UsePrefix({});
        return problem;
    }
    const std::string sid = layout.installation.currentUserSid;
    const long refusal = layout.installation.writeRefusal;
    emulated::UseInstallation(std::move(layout.installation),
                              std::make_unique<offline::HiveStore>(std::move(mounts), sid, refusal, options.backup));
    Current() = std::make_unique<InUse>(InUse{layout.name, layout.refusals, layout.notes});
    return {};
}

void LeaveOfflineMachine() {
    Current().reset();
    emulated::UsePrefix({});
}

bool OfflineMachineInUse() { return Current() != nullptr; }

std::string OfflineCleanRefusal() {
    if (!Current()) return {};
    std::string text;
    for (const std::string& reason : Current()->refusals) text += (text.empty() ? "" : "; ") + reason;
    return text;
}

std::vector<std::string> OfflineNotes() { return Current() ? Current()->notes : std::vector<std::string>{}; }

std::string OfflineMachineName() { return Current() ? Current()->name : std::string(); }

}  // namespace platform
