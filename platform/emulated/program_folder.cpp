#include "platform/program_folder.h"

#include "platform/emulated/machine_layout.h"

namespace platform {

std::string ProgramFolder() { return emulated::kProgramFolder; }

}  // namespace platform
