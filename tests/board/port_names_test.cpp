#include "board/port_handling.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using board::PortChoice;
using board::PortNaming;
using board::ScanCandidates;
using board::SelectorEntryText;
using board::StartupPort;

struct EntryCase {
    const char* name;
    unsigned ordinal;
    std::string text;
};

class SelectorEntryTextTest : public testing::TestWithParam<EntryCase> {};

TEST_P(SelectorEntryTextTest, PadsNameAndAppendsOrdinal) {
    const EntryCase& c = GetParam();
    EXPECT_EQ(SelectorEntryText(c.name, c.ordinal), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, SelectorEntryTextTest,
    testing::Values(EntryCase{"COM1", 1, "COM1  ->Relay Boad 1"},
                    EntryCase{"COM12", 2, "COM12 ->Relay Boad 2"},
                    EntryCase{"COM123", 3, "COM123->Relay Boad 3"},
                    // The field is a minimum: longer names are kept whole.
                    EntryCase{"ttyUSB0", 1, "ttyUSB0->Relay Boad 1"},
                    EntryCase{"COM4", 9, "COM4  ->Relay Boad 9"},
                    EntryCase{"COM4", 10, "COM4  ->Relay Boad :"},
                    // The ordinal character is kept to 8 bits.
                    EntryCase{"COM4", 207, std::string("COM4  ->Relay Boad \xFF")},
                    EntryCase{"COM4", 208, std::string("COM4  ->Relay Boad \0", 20)},
                    EntryCase{"COM4", 209, "COM4  ->Relay Boad \x01"}));

std::vector<std::string> Names(const std::vector<PortChoice>& choices) {
    std::vector<std::string> names;
    for (const PortChoice& c : choices) {
        names.push_back(c.name);
    }
    return names;
}

struct OrderCase {
    std::vector<std::string> listed;
    std::vector<std::string> expected;
};

class SystemOrderTest : public testing::TestWithParam<OrderCase> {};

TEST_P(SystemOrderTest, UsbAdaptersFirstNumbersByValue) {
    EXPECT_EQ(Names(ScanCandidates(PortNaming::System, GetParam().listed)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, SystemOrderTest,
    testing::Values(OrderCase{{"ttyUSB10", "ttyUSB2"}, {"ttyUSB2", "ttyUSB10"}},
                    OrderCase{{"ttyS0", "ttyS10", "ttyUSB1", "ttyS2", "ttyACM0", "ttyUSB0"},
                              {"ttyACM0", "ttyUSB0", "ttyUSB1", "ttyS0", "ttyS2", "ttyS10"}},
                    OrderCase{{"ttyAMA0", "rfcomm0", "ttyACM3", "ttyS1"},
                              {"ttyACM3", "rfcomm0", "ttyAMA0", "ttyS1"}},
                    // Same value, different spelling: the system's order stays.
                    OrderCase{{"ttyUSB01", "ttyUSB1"}, {"ttyUSB01", "ttyUSB1"}},
                    OrderCase{{"ttyUSB1", "ttyUSB01"}, {"ttyUSB1", "ttyUSB01"}},
                    // A port listed twice is tried once; a nameless one not at all.
                    OrderCase{{"ttyS0", "ttyUSB0", "ttyS0", ""}, {"ttyUSB0", "ttyS0"}},
                    OrderCase{{}, {}}));

TEST(ScanCandidatesTest, SystemPortsOpenUnderDev) {
    const auto candidates = ScanCandidates(PortNaming::System, {"ttyS0", "ttyUSB0"});
    EXPECT_EQ(candidates,
              (std::vector<PortChoice>{{"ttyUSB0", "/dev/ttyUSB0"}, {"ttyS0", "/dev/ttyS0"}}));
}

TEST(ScanCandidatesTest, WindowsTriesCom1ToCom998AsDevicePaths) {
    const auto candidates = ScanCandidates(PortNaming::Windows, {"ignored"});
    ASSERT_EQ(candidates.size(), 998u);
    EXPECT_EQ(candidates.front(), (PortChoice{"COM1", "\\\\.\\COM1"}));
    EXPECT_EQ(candidates[11], (PortChoice{"COM12", "\\\\.\\COM12"}));
    EXPECT_EQ(candidates.back(), (PortChoice{"COM998", "\\\\.\\COM998"}));
}

TEST(StartupPortTest, WindowsOpensPlainCom1) {
    EXPECT_EQ(StartupPort(PortNaming::Windows, {}), (PortChoice{"COM1", "COM1"}));
}

TEST(StartupPortTest, SystemOpensFirstCandidateOrNone) {
    EXPECT_EQ(StartupPort(PortNaming::System, {"ttyS0", "ttyACM1"}),
              (PortChoice{"ttyACM1", "/dev/ttyACM1"}));
    EXPECT_EQ(StartupPort(PortNaming::System, {}), std::nullopt);
}

TEST(BoardStatusTest, TextAndColour) {
    EXPECT_EQ(board::BoardStatus{true}.text(), "USB Relay Board found");
    EXPECT_EQ(board::BoardStatus{true}.rgb(), 0x00ff00u);
    EXPECT_EQ(board::BoardStatus{false}.text(), "USB Relay Board not found");
    EXPECT_EQ(board::BoardStatus{false}.rgb(), 0xff0000u);
}

} // namespace
