#include "platform/host_path.h"

#include "platform/emulated/paths.h"

namespace platform {

std::filesystem::path HostPath(const std::string& path) { return emulated::ToHostPath(path); }

}  // namespace platform
