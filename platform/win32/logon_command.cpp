#include "platform/run_once.h"

namespace platform {

std::string InstallLogonCommand(const std::string&, const std::vector<std::string>&, std::string&) {
    return "Windows runs its run-once list itself at each logon; there is nothing to install";
}

std::string UninstallLogonCommand(const std::string&, std::string&) {
    return "Windows runs its run-once list itself at each logon; there is nothing to uninstall";
}

}  // namespace platform
