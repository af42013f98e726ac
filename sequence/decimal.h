#pragma once

#include <string>
#include <string_view>

namespace sequence {

// The C library's atol on at most the first maxChars characters: leading blanks,
// an optional sign, digits up to the first non-digit; 0 when there are none.
// Saturates instead of overflowing, since typed text is not restricted.
long AtolPrefix(std::string_view text, std::size_t maxChars = std::string_view::npos);

// Plain decimal: no leading zeros or blanks, no grouping, a minus sign when negative.
std::string PlainDecimal(long value);

} // namespace sequence
