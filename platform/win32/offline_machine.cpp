// Installations that are not running are opened only by the emulated
// platform's build; on Windows the program works on the running system.
#include "platform/offline_machine.h"

namespace platform {

std::string UseOfflineMachine(const OfflineOptions&) {
    return "--windows and --hive open an installation that is not running from Linux; on Windows nimbrel works "
           "on the running system";
}

void LeaveOfflineMachine() {}

bool OfflineMachineInUse() { return false; }

std::string OfflineCleanRefusal() { return {}; }

std::vector<std::string> OfflineNotes() { return {}; }

std::string OfflineMachineName() { return {}; }

}  // namespace platform
