#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <system_error>
#include <utility>

#include "platform/emulated/machine.h"
#include "platform/emulated/machine_layout.h"
#include "platform/emulated/paths.h"
#include "platform/emulated/prefix.h"
#include "platform/emulated/prefix_setup.h"
#include "platform/platform.h"

namespace platform::emulated {

namespace {

Machine*& ActiveMachine() {
    static Machine* machine = nullptr;
    return machine;
}

// A process that wrote folds the store's log into it as it ends.
void CloseStoreAtExit() {
    if (Machine* machine = ActiveMachine()) machine->store.Close();
}

void OpenStore(Machine& machine) {
    static const bool closesAtExit = std::atexit(CloseStoreAtExit) == 0;
    (void)closesAtExit;
    machine.tried = true;
    std::error_code error;
    std::filesystem::create_directories(machine.home, error);
    if (error) {
        machine.problem = "the prefix " + machine.home.string() + " cannot be created: " + error.message();
        return;
    }
    machine.problem = machine.store.Open(machine.home / "registry.db", SetUpMachine);
}

}  // namespace

Machine& CurrentMachine() {
    Machine*& machine = ActiveMachine();
    if (machine == nullptr) {
        machine = new Machine;  // lives as long as the process
        machine->home = PrefixHome();
    }
    return *machine;
}

KeyStore& ActiveStore() {
    Machine& machine = CurrentMachine();
    if (machine.hives) return *machine.hives;
    return machine.store;
}

KeyStore* UsableStore(long* error) {
    Machine& machine = CurrentMachine();
    if (machine.hives) {
        *error = machine.hives->Refresh();
        return *error == kErrorSuccess ? machine.hives.get() : nullptr;
    }
    if (!machine.tried) OpenStore(machine);
    if (!machine.store.IsOpen()) {
        *error = kErrorBadDb;
        return nullptr;
    }
    *error = machine.store.Refresh();
    return *error == kErrorSuccess ? &machine.store : nullptr;
}

void UsePrefix(const std::filesystem::path& home) {
    Machine*& machine = ActiveMachine();
    delete machine;
    machine = new Machine;
    machine->home = home.empty() ? PrefixHome() : home;
}

void UseInstallation(Installation installation, std::unique_ptr<KeyStore> hives) {
    Machine*& machine = ActiveMachine();
    delete machine;
    machine = new Machine;
    machine->home = kNoPrefix;
    machine->tried = true;  // the prefix's store is never opened
    machine->installation = std::make_unique<Installation>(std::move(installation));
    machine->hives = std::move(hives);
}

const Installation* CurrentInstallation() { return CurrentMachine().installation.get(); }

long WriteRefusal() {
    const Installation* installation = CurrentInstallation();
    return installation != nullptr ? installation->writeRefusal : kErrorSuccess;
}

std::filesystem::path CurrentPrefix() { return CurrentMachine().home; }

std::string LogonName() {
    if (const char* user = std::getenv("USER"); user != nullptr && *user != '\0') return user;
    if (const passwd* entry = getpwuid(geteuid()); entry != nullptr) return entry->pw_name;
    return "User";
}

std::string ProfileFolder() { return "C:\\Documents and Settings\\" + LogonName(); }

}  // namespace platform::emulated

namespace platform {

std::string Start() {
    emulated::Machine& machine = emulated::CurrentMachine();
    if (!machine.tried) emulated::OpenStore(machine);
    return machine.problem;
}

}  // namespace platform
