// For tests that meet a known difference between Wine and Windows: they
// assert what Windows does, and what Wine does where it differs.
#pragma once

namespace testing_support {

// True in the Windows build when the tests run under Wine.
bool RunningOnWine();

}  // namespace testing_support
