#pragma once

#include "board/board_command.h"

namespace board {

// Where the sequencer's commands go. The port handling is the real one; tests record.
class CommandSink {
public:
    virtual ~CommandSink() = default;
    virtual void Send(const BoardCommand& command) = 0;
};

} // namespace board
