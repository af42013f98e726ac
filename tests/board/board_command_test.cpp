#include "board/board_command.h"

#include <gtest/gtest.h>

namespace {

using board::BoardCommand;
using board::SetRelaysCommand;

struct PatternCase {
    const char* pattern;
    std::uint8_t a;
    std::uint8_t b;
};

class SetRelaysCommandTest : public testing::TestWithParam<PatternCase> {};

TEST_P(SetRelaysCommandTest, MapsRelaysOntoBytesAAndB) {
    const PatternCase& c = GetParam();
    const BoardCommand expected{'x', c.a, c.b, '/', '/'};
    EXPECT_EQ(SetRelaysCommand(c.pattern), expected) << "pattern " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(Patterns, SetRelaysCommandTest,
                         testing::Values(PatternCase{"0000000000000000", 0x00, 0x00},
                                         PatternCase{"1000000000000000", 0x80, 0x00}, // relay 1
                                         PatternCase{"0000000100000000", 0x01, 0x00}, // relay 8
                                         PatternCase{"0000000010000000", 0x00, 0x80}, // relay 9
                                         PatternCase{"0000000000000001", 0x00, 0x01}, // relay 16
                                         PatternCase{"1111111111111111", 0xFF, 0xFF},
                                         // Data bytes equal to the slash go out as they are.
                                         PatternCase{"0010111100101111", 0x2F, 0x2F},
                                         // Anything but "1" is off.
                                         PatternCase{"x1xxxxxxxxxxxxx1", 0x40, 0x01},
                                         PatternCase{"1x1x1x1x1x1x1x1x", 0xAA, 0xAA},
                                         // A short pattern leaves the missing relays off.
                                         PatternCase{"11", 0xC0, 0x00},
                                         PatternCase{"", 0x00, 0x00}));

TEST(FixedCommandTest, QueryAndAllOffBytes) {
    EXPECT_EQ(board::kQueryCommand, (BoardCommand{0x61, 0x73, 0x6B, 0x2F, 0x2F}));
    EXPECT_EQ(board::kAllOffCommand, (BoardCommand{0x6F, 0x66, 0x66, 0x2F, 0x2F}));
}

} // namespace
