#include "tests/support/wine.h"

namespace testing_support {

// The emulated platform follows Windows, not Wine.
bool RunningOnWine() { return false; }

}  // namespace testing_support
