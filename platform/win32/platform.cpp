#include "platform/platform.h"

namespace platform {

// Windows itself is the platform: there is nothing to set up.
std::string Start() { return {}; }

}  // namespace platform
