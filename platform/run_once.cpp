#include "platform/run_once.h"

#include "platform/registry_api.h"
#include "platform/run_once_start.h"

namespace platform {

namespace {

struct ListedValue {
    std::string name;
    std::uint32_t type = 0;
    std::string data;
};

// The values of the open key, in the order the platform enumerates them.
long ListValues(HKey key, std::vector<ListedValue>& values) {
    for (std::uint32_t index = 0;; ++index) {
        std::string name(kMaxValueNameLength + 1, '\0');
        auto nameLength = static_cast<std::uint32_t>(name.size());
        ListedValue value;
        std::uint32_t size = 0;
        long rc = RegEnumValue(key, index, name.data(), &nameLength, &value.type, nullptr, &size);
        if (rc == kErrorNoMoreItems) return kErrorSuccess;
        if (rc != kErrorSuccess) return rc;
        name.resize(nameLength);
        value.data.assign(size, '\0');
        rc = RegQueryValue(key, name, &value.type, reinterpret_cast<std::uint8_t*>(value.data.data()), &size);
        if (rc != kErrorSuccess) return rc;
        value.data.resize(size);
        value.name = std::move(name);
        values.push_back(std::move(value));
    }
}

std::string Command(const ListedValue& value) {
    std::string text = value.data;
    if (const std::size_t end = text.find('\0'); end != std::string::npos) text.resize(end);
    return value.type == kRegExpandSz ? ExpandEnvironmentStrings(text) : text;
}

}  // namespace

std::vector<RunOnceOutcome> RunRunOnceList(std::string& problem) {
    std::vector<RunOnceOutcome> outcomes;
    HKey key = 0;
    long rc = RegOpenKey(kHkeyLocalMachine, kRunOnceKey, kKeyQueryValue | kKeySetValue, &key);
    if (rc == kErrorFileNotFound) return outcomes;
    if (rc != kErrorSuccess) {
        problem = "cannot open HKEY_LOCAL_MACHINE\\" + std::string(kRunOnceKey) + " (error " + std::to_string(rc) + ")";
        return outcomes;
    }
    std::vector<ListedValue> values;
    rc = ListValues(key, values);
    if (rc != kErrorSuccess) {
        RegCloseKey(key);
        problem = "cannot read the run-once list (error " + std::to_string(rc) + ")";
        return outcomes;
    }
    for (const ListedValue& value : values) {
        RunOnceOutcome outcome{value.name, Command(value), {}};
        if (const long deleted = RegDeleteValue(key, value.name); deleted != kErrorSuccess) {
            outcome.problem = "cannot remove the value (error " + std::to_string(deleted) + "); not run";
        } else if (value.type != kRegSz && value.type != kRegExpandSz) {
            outcome.problem = "not a text value; removed without running";
        } else {
            outcome.problem = StartRunOnceCommand(outcome.command);
        }
        outcomes.push_back(std::move(outcome));
    }
    RegCloseKey(key);
    return outcomes;
}

}  // namespace platform
