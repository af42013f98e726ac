#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace board {

// Five bytes, sent in order.
using BoardCommand = std::array<std::uint8_t, 5>;

inline constexpr BoardCommand kQueryCommand{'a', 's', 'k', '/', '/'};
inline constexpr BoardCommand kAllOffCommand{'o', 'f', 'f', '/', '/'};

// "x", byte A (relays 1-8, MSB first), byte B (relays 9-16), "//". Only "1" sets a bit;
// characters past the pattern's end count as off. Data bytes are not escaped.
BoardCommand SetRelaysCommand(std::string_view pattern);

} // namespace board
