#include "board/port_handling.h"

namespace board {

std::string BoardStatus::text() const {
    return found ? "USB Relay Board found" : "USB Relay Board not found";
}

unsigned BoardStatus::rgb() const {
    return found ? 0x00ff00u : 0xff0000u;
}

} // namespace board
