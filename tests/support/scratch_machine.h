// What a scratch key needs from the platform the tests run on.
#pragma once

#include <cstdint>
#include <memory>

namespace testing_support {

// A machine of the test's own while the result lives: a fresh scratch
// prefix on the emulated platform. A real registry cannot be swapped, so on
// Windows this is null and the scratch key's unique name keeps tests apart.
std::shared_ptr<void> FreshMachine();

std::uint32_t ProcessId();

}  // namespace testing_support
