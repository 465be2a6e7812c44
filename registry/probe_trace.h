// The probe trace: with NIMBREL_TRACE=FILE set, every registry routine call
// appends one tab-separated line to FILE (routine, root, key, value name,
// type code, and 1/0 for found/not found or the status code), so that a
// scan's probes can be compared with the catalogue.
#pragma once

#include <string_view>

namespace modRegistry {

bool TraceEnabled();
void TraceCall(std::string_view routine, std::string_view root, std::string_view key, std::string_view valueName,
               std::string_view typeCode, long outcome);

}  // namespace modRegistry
