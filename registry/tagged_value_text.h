// A cRegistry tagged value as text: what a string value stores and what
// error messages show as "the value being set".
#pragma once

#include <string>

#include "registry/cregistry.h"

namespace registry {

// Text as it stands, integers in decimal, a byte array as one character per
// byte, nothing as the empty string.
std::string TextOf(const cRegistry::TaggedValue& value);

}  // namespace registry
