#pragma once

#include "board/board_command.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace testsupport {

// One thing a board made sense of: a whole command, or a byte that starts none.
struct Received {
    enum class Kind { Query, SetRelays, AllOff, Raw };
    Kind kind = Kind::Raw;
    std::vector<std::uint8_t> bytes; // five for a command, one for a raw byte

    static Received Of(const board::BoardCommand& command);
    static Received RawByte(std::uint8_t byte);

    // "1"/"0" for relays 1 to 16 of a set-relays command, empty otherwise.
    std::string Pattern() const;
    bool operator==(const Received&) const = default;
};

// ask//, off//, x 2F 80 //, raw 0x41: readable in test failures.
std::string Describe(const Received& received);
std::ostream& operator<<(std::ostream& out, const Received& received);

// Splits a byte stream into commands. Bytes that may still become a command wait for more.
class ReceivedDecoder {
public:
    // Decodes what became complete with these bytes.
    std::vector<Received> Feed(const std::uint8_t* data, std::size_t size);
    // The stream ended: waiting bytes come out raw.
    std::vector<Received> Finish();

private:
    std::vector<std::uint8_t> pending_;
};

} // namespace testsupport
