#include "tests/support/scratch_machine.h"

#include <process.h>

namespace testing_support {

std::shared_ptr<void> FreshMachine() { return nullptr; }

std::uint32_t ProcessId() { return static_cast<std::uint32_t>(_getpid()); }

}  // namespace testing_support
