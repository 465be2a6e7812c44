#include <string>
#include <utility>

#include "registry/cregistry.h"

namespace registry {

namespace {

std::string& ProgramNameStorage() {
    static std::string name = "nimbrel";
    return name;
}

}  // namespace

RegistryError::RegistryError(std::int32_t number, std::string description, std::string source)
    : std::runtime_error(description),
      number_(number),
      description_(std::move(description)),
      source_(std::move(source)) {}

void SetProgramName(std::string name) { ProgramNameStorage() = std::move(name); }

const std::string& ProgramName() { return ProgramNameStorage(); }

}  // namespace registry
