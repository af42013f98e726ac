#include "board/board_command.h"

#include "sequence/step_text.h"

namespace board {

BoardCommand SetRelaysCommand(std::string_view pattern) {
    unsigned a = 0;
    unsigned b = 0;
    for (std::size_t k = 1; k <= 16 && k <= pattern.size(); ++k) {
        if (!sequence::IsRelayOn(pattern[k - 1])) {
            continue;
        }
        if (k <= 8) {
            a += 1u << (8 - k);
        } else {
            b += 1u << (16 - k);
        }
    }
    return {'x', static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b), '/', '/'};
}

} // namespace board
