// The errors cRegistry raises: their numbers and how they are thrown.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "registry/cregistry.h"

namespace registry::cregistry_errors {

inline constexpr std::int32_t kFailed = 26001;
inline constexpr std::int32_t kValueNotStored = static_cast<std::int32_t>(0x800469A9u);
inline constexpr std::int32_t kUnexpected = static_cast<std::int32_t>(0x800469AAu);
inline constexpr std::int32_t kBadItemList = static_cast<std::int32_t>(0x800469ACu);
inline constexpr std::int32_t kClassNotDefined = static_cast<std::int32_t>(0x800469ADu);

[[noreturn]] inline void Raise(std::int32_t number, std::string description) {
    throw RegistryError(number, std::move(description), ProgramName() + ".cRegistry");
}

}  // namespace registry::cregistry_errors
