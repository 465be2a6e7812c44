#include "registry/tagged_value_text.h"

#include <cstdint>
#include <type_traits>
#include <variant>
#include <vector>

namespace registry {

std::string TextOf(const cRegistry::TaggedValue& value) {
    return std::visit(
        [](const auto& held) -> std::string {
            using Held = std::decay_t<decltype(held)>;
            if constexpr (std::is_same_v<Held, std::string>) {
                return held;
            } else if constexpr (std::is_same_v<Held, std::vector<std::uint8_t>>) {
                return std::string(held.begin(), held.end());
            } else if constexpr (std::is_integral_v<Held>) {
                return std::to_string(held);
            } else {
                return {};
            }
        },
        value);
}

}  // namespace registry
