#include "sequence/step_text.h"

#include "sequence/decimal.h"

namespace sequence {

namespace {
std::string Printable(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f) {
            static constexpr char kHex[] = "0123456789ABCDEF";
            out += "\\x";
            out += kHex[u >> 4];
            out += kHex[u & 0xf];
        } else {
            out += c;
        }
    }
    return out;
}
} // namespace

RangeError::RangeError(std::size_t position, const std::string& text)
    : std::out_of_range("Position " + std::to_string(position) + " of the step \"" +
                        Printable(text) + "\" (" + std::to_string(text.size()) +
                        " characters) cannot be read"),
      position_(position), text_(text) {}

long DelayFieldValue(std::string_view delayField) {
    return AtolPrefix(delayField, 9);
}

std::optional<std::string> BuildStepText(std::string_view patternField,
                                         std::string_view delayField) {
    const long v = DelayFieldValue(delayField);
    if (v > kMaxDelay || v < -999) {
        return std::nullopt;
    }
    std::string digits = PlainDecimal(v);
    std::string text(patternField);
    text += " - ";
    text.append(4 - digits.size(), ' ');
    text += digits;
    text += "    ";
    return text;
}

std::string RowForm(std::string_view stepText) {
    std::string row(stepText);
    row += "\r\n";
    return row;
}

char StepChar(std::string_view stepText, std::size_t position) {
    const std::size_t rowLength = stepText.size() + 2;
    if (position < 1 || position > rowLength) {
        throw RangeError(position, std::string(stepText));
    }
    if (position > stepText.size()) {
        return position == stepText.size() + 1 ? '\r' : '\n';
    }
    return stepText[position - 1];
}

std::string ReadPattern(std::string_view stepText) {
    std::string pattern;
    for (std::size_t k = 1; k <= kRelayCount; ++k) {
        pattern += StepChar(stepText, k);
    }
    return pattern;
}

long ReadDelay(std::string_view stepText) {
    std::string columns(4, ' ');
    for (std::size_t k = 20; k <= 23; ++k) {
        columns[k - 20] = StepChar(stepText, k);
    }
    return AtolPrefix(columns);
}

std::string CutAtLineBreak(std::string_view text) {
    const auto end = text.find_first_of("\r\n");
    return std::string(text.substr(0, end));
}

} // namespace sequence
