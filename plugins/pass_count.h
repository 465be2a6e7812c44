// The custom shredding pass count that each plug-in keeps as "WipePasses"
// (type "S", the digits as typed) under its key of HKCU: how a run reads
// it, how the pass options show it, and which typed counts may be saved.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace plugins {

inline constexpr const char* kWipePassesValue = "WipePasses";
inline constexpr int kMaxPasses = 200;

// A whole number as typed: spaces around it, an optional '-' and digits;
// nothing for anything else. Too large a number saturates.
std::optional<std::int64_t> WholeNumber(const std::string& text);

// The passes of a run: a missing or 0 count gives defaultPasses, 1 to 200
// that many, anything else (a larger or negative number, or text that is
// no whole number) 0, so that each file is only emptied, renamed and
// deleted.
std::int16_t ReadPassCount(const std::string& key, std::int16_t defaultPasses);

// What the custom pass box shows for the stored count: nothing when it is
// missing or 0 (the default option), 201 or more as "200", another number
// as it is, and text that is no whole number as stored (cut to the box's
// three characters) so that the user sees it and can correct it.
std::optional<std::string> StoredCustomPasses(const std::string& key);

enum class CustomPassesCheck { kAccepted, kNotWhole, kTooMany, kTooFew };

// Whether a typed custom count may be saved: a whole number from 1 to 200.
CustomPassesCheck CheckCustomPasses(const std::string& text);

}  // namespace plugins
