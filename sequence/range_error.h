#pragma once

#include <stdexcept>
#include <string>

namespace sequence {

// Raised when a character position outside a text is read. The message names the
// position and the text, so the user can find the offending step.
class RangeError : public std::out_of_range {
public:
    RangeError(std::size_t position, const std::string& text);

    std::size_t position() const { return position_; }
    const std::string& text() const { return text_; }

private:
    std::size_t position_;
    std::string text_;
};

} // namespace sequence
