#include "sequence/decimal.h"

#include <limits>

namespace sequence {

namespace {
bool IsBlank(char c) {
    // isspace in the "C" locale
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
} // namespace

long AtolPrefix(std::string_view text, std::size_t maxChars) {
    text = text.substr(0, maxChars);
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr long kMax = std::numeric_limits<long>::max();
    long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (value > (kMax - digit) / 10) {
            return negative ? std::numeric_limits<long>::min() : kMax;
        }
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

std::string PlainDecimal(long value) {
    return std::to_string(value);
}

} // namespace sequence
