#pragma once

#include "sequence/range_error.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sequence {

inline constexpr std::size_t kRelayCount = 16;

// Columns 1-16 pattern, " - ", delay right-aligned in 20-23, four blanks.
inline constexpr std::string_view kDefaultStep = "0000000000000000 -    1    ";
inline constexpr std::string_view kAllOffPattern = "0000000000000000";

// Delays the delay field offers; typed text may hold anything.
inline constexpr long kMinDelay = 1;
inline constexpr long kMaxDelay = 9999;

// Only "1" is on; any other character is off but is kept as it is.
constexpr bool IsRelayOn(char c) {
    return c == '1';
}

// The value the delay field stands for: atol of its first 9 characters.
long DelayFieldValue(std::string_view delayField);

// Builds a step text from the pattern field and the delay field. The delay column holds
// the converted value, so the text always reads back as what was typed. Nothing is built
// when the value does not fit columns 20-23 (10000 or more, below -999).
std::optional<std::string> BuildStepText(std::string_view patternField,
                                         std::string_view delayField);

// A step text as a row hands it out: the text followed by CR LF. Character positions
// count from 1 on this form, as the readers below do.
std::string RowForm(std::string_view stepText);

// Character `position` (1-based) of the row form of stepText; RangeError beyond its end.
char StepChar(std::string_view stepText, std::size_t position);

// Characters 1-16, copied as they are. Needs at least 14 characters of text.
std::string ReadPattern(std::string_view stepText);

// Columns 20-23 through atol. Needs at least 21 characters of text.
long ReadDelay(std::string_view stepText);

// A text stored into a step ends at its first line break.
std::string CutAtLineBreak(std::string_view text);

} // namespace sequence
