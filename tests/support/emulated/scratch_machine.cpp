#include "tests/support/scratch_machine.h"

#include <unistd.h>

#include "tests/support/scratch_prefix.h"

namespace testing_support {

// Scratch keys alive at the same time share one prefix: a second prefix
// would switch the process away from the first key's.
std::shared_ptr<void> FreshMachine() {
    static std::weak_ptr<ScratchPrefix> current;
    std::shared_ptr<ScratchPrefix> prefix = current.lock();
    if (!prefix) {
        prefix = std::make_shared<ScratchPrefix>();
        current = prefix;
    }
    return prefix;
}

std::uint32_t ProcessId() { return static_cast<std::uint32_t>(getpid()); }

}  // namespace testing_support
