// Win32 error codes of the registry calls in words, for messages.
#pragma once

#include <string>

namespace registry {

// "error 5 (access denied)"; codes without a description give "error N".
std::string Win32ErrorText(long code);

}  // namespace registry
