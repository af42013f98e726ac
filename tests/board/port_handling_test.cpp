#include "board/port_handling.h"

#include "support/fake_serial_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using board::BoardStatus;
using board::PortChoice;
using board::PortHandling;
using board::PortNaming;
using board::SelectorEntry;
using testsupport::FakeSerialSystem;
using testsupport::Received;

const Received kQuery = Received::Of(board::kQueryCommand);

class PortHandlingTest : public testing::Test {
protected:
    explicit PortHandlingTest(PortNaming naming = PortNaming::Windows) : system(naming) {
        handling.SetStatusHandler([this](const BoardStatus& s) { statuses.push_back(s); });
    }

    bool Logged(const std::string& line) const {
        const auto& j = system.journal();
        return std::find(j.begin(), j.end(), line) != j.end();
    }
    // Journal lines other than the failed opens of absent COM ports.
    std::vector<std::string> Events() const {
        std::vector<std::string> events;
        for (const std::string& line : system.journal()) {
            if (!line.starts_with("open failed")) {
                events.push_back(line);
            }
        }
        return events;
    }

    FakeSerialSystem system;
    PortHandling handling{system};
    std::vector<BoardStatus> statuses;
};

TEST_F(PortHandlingTest, ScanListsOpenablePortsInOrderAfterQueryingEach) {
    system.AddDevice("COM3", {'o', 'k'});
    system.AddDevice("COM1");

    const std::vector<SelectorEntry> entries = handling.ScanPorts();

    EXPECT_EQ(entries, (std::vector<SelectorEntry>{
                           {"COM1  ->Relay Boad 1", {"COM1", "\\\\.\\COM1"}},
                           {"COM3  ->Relay Boad 2", {"COM3", "\\\\.\\COM3"}},
                       }));
    EXPECT_EQ(system.ReceivedBy("COM1"), std::vector<Received>{kQuery});
    EXPECT_EQ(system.ReceivedBy("COM3"), std::vector<Received>{kQuery});
    EXPECT_EQ(Events(), (std::vector<std::string>{
                            "open \\\\.\\COM1", "read \\\\.\\COM1 50 20ms", "close \\\\.\\COM1",
                            "open \\\\.\\COM3", "read \\\\.\\COM3 50 20ms", "close \\\\.\\COM3"}));
    EXPECT_TRUE(statuses.empty()) << "the scan leaves the status panel alone";
}

TEST_F(PortHandlingTest, ScanSkipsPortHeldElsewhere) {
    system.AddDevice("COM1");
    system.AddDevice("COM2");
    system.SetBusy("COM1", true);

    const auto entries = handling.ScanPorts();

    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].text, "COM2  ->Relay Boad 1");
    EXPECT_TRUE(system.Written("COM1").empty());
}

TEST_F(PortHandlingTest, TenthToTwelfthPortsGetColonSemicolonLessThan) {
    for (int n = 1; n <= 12; ++n) {
        system.AddDevice("COM" + std::to_string(n * 3));
    }
    const auto entries = handling.ScanPorts();
    ASSERT_EQ(entries.size(), 12u);
    EXPECT_EQ(entries[8].text, "COM27 ->Relay Boad 9");
    EXPECT_EQ(entries[9].text, "COM30 ->Relay Boad :");
    EXPECT_EQ(entries[10].text, "COM33 ->Relay Boad ;");
    EXPECT_EQ(entries[11].text, "COM36 ->Relay Boad <");
}

TEST_F(PortHandlingTest, StartupOpensPlainCom1) {
    system.AddDevice("COM1");
    handling.OpenStartupPort();
    EXPECT_TRUE(Logged("open COM1"));
    EXPECT_EQ(statuses, std::vector<BoardStatus>{BoardStatus{true}});
    EXPECT_TRUE(system.Written("COM1").empty()) << "nothing is sent on open";
}

TEST_F(PortHandlingTest, OnlyCom3ListedButStartupFailsUntilPicked) {
    system.AddDevice("COM3");
    const auto entries = handling.ScanPorts();
    handling.OpenStartupPort();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_FALSE(handling.status().found);

    handling.ComboBox1Change(entries[0]);
    EXPECT_EQ(statuses, (std::vector<BoardStatus>{BoardStatus{false}, BoardStatus{true}}));
}

TEST_F(PortHandlingTest, PickingCom12EntryOpensItsDevicePathWithoutSending) {
    system.AddDevice("COM3");
    system.AddDevice("COM12");
    const auto entries = handling.ScanPorts();
    handling.OpenStartupPort(); // COM1 is absent
    ASSERT_EQ(entries.size(), 2u);
    system.ClearJournal();

    handling.ComboBox1Change(entries[1]);

    EXPECT_EQ(Events(), (std::vector<std::string>{"pause 250ms", "open \\\\.\\COM12"}));
    EXPECT_TRUE(handling.status().found);
    EXPECT_EQ(system.ReceivedBy("COM12"), std::vector<Received>{kQuery}) << "only the scan's";
}

TEST_F(PortHandlingTest, ChangeClosesOldPortAfterPauseThenOpensNew) {
    system.AddDevice("COM1");
    system.AddDevice("COM2");
    const auto entries = handling.ScanPorts();
    handling.OpenStartupPort();
    system.ClearJournal();

    handling.ComboBox1Change(entries[1]);

    EXPECT_EQ(Events(),
              (std::vector<std::string>{"pause 250ms", "close COM1", "open \\\\.\\COM2"}));
    EXPECT_FALSE(system.IsHeld("COM1"));
    handling.Send(board::kAllOffCommand);
    EXPECT_EQ(system.ReceivedBy("COM2"),
              (std::vector<Received>{kQuery, Received::Of(board::kAllOffCommand)}));
}

// The pause depends only on whether any open was ever tried, not on its outcome.
TEST_F(PortHandlingTest, CloseAfterFailedOpenStillPauses) {
    handling.OpenPort({"COM5", "\\\\.\\COM5"});
    ASSERT_EQ(statuses, std::vector<BoardStatus>{BoardStatus{false}});
    system.ClearJournal();

    handling.ClosePort();

    EXPECT_EQ(Events(), std::vector<std::string>{"pause 250ms"});
}

TEST_F(PortHandlingTest, CloseBeforeAnyOpenDoesNotPause) {
    handling.ClosePort();
    EXPECT_TRUE(system.journal().empty());
}

TEST_F(PortHandlingTest, CommandsGoOnlyToAnOpenPort) {
    system.AddDevice("COM1");
    handling.Send(board::kAllOffCommand); // nothing open yet
    handling.OpenPort({"COM9", "\\\\.\\COM9"});
    handling.Send(board::kAllOffCommand); // failed open
    handling.OpenPort({"COM1", "\\\\.\\COM1"});
    handling.Send(board::SetRelaysCommand("1000000000000001"));
    handling.ClosePort();
    handling.Send(board::kAllOffCommand); // closed

    EXPECT_EQ(system.ReceivedBy("COM1"),
              std::vector<Received>{Received::Of(board::SetRelaysCommand("1000000000000001"))});
}

TEST_F(PortHandlingTest, PortFailingWhileOpenTurnsNotFoundAndReopensWhenPicked) {
    system.AddDevice("COM2");
    const auto entries = handling.ScanPorts();
    handling.ComboBox1Change(entries[0]);
    ASSERT_TRUE(handling.status().found);
    statuses.clear();

    system.Unplug("COM2");
    EXPECT_EQ(statuses, std::vector<BoardStatus>{BoardStatus{false}});
    EXPECT_FALSE(handling.status().found);

    system.Plug("COM2");
    handling.Send(board::kAllOffCommand); // the failed port is gone for good
    EXPECT_EQ(system.ReceivedBy("COM2"), std::vector<Received>{kQuery});

    handling.ComboBox1Change(entries[0]);
    EXPECT_EQ(statuses, (std::vector<BoardStatus>{BoardStatus{false}, BoardStatus{true}}));
    handling.Send(board::kAllOffCommand);
    EXPECT_EQ(system.ReceivedBy("COM2"),
              (std::vector<Received>{kQuery, Received::Of(board::kAllOffCommand)}));
}

class SystemNamingTest : public PortHandlingTest {
protected:
    SystemNamingTest() : PortHandlingTest(PortNaming::System) {}
};

TEST_F(SystemNamingTest, ScanAndStartupUseListedPortsUsbFirst) {
    system.AddDevice("ttyS0");
    system.AddDevice("ttyUSB1");
    system.AddDevice("ttyUSB0");

    const auto entries = handling.ScanPorts();
    handling.OpenStartupPort();

    EXPECT_EQ(entries, (std::vector<SelectorEntry>{
                           {"ttyUSB0->Relay Boad 1", {"ttyUSB0", "/dev/ttyUSB0"}},
                           {"ttyUSB1->Relay Boad 2", {"ttyUSB1", "/dev/ttyUSB1"}},
                           {"ttyS0 ->Relay Boad 3", {"ttyS0", "/dev/ttyS0"}},
                       }));
    EXPECT_TRUE(Logged("open /dev/ttyUSB0"));
    EXPECT_TRUE(system.IsHeld("ttyUSB0"));
    EXPECT_EQ(statuses, std::vector<BoardStatus>{BoardStatus{true}});
}

TEST_F(SystemNamingTest, NoPortsGiveEmptySelectorAndNotFoundWithoutOpening) {
    const auto entries = handling.ScanPorts();
    handling.OpenStartupPort();
    handling.Send(board::kAllOffCommand);
    handling.ClosePort();

    EXPECT_TRUE(entries.empty());
    EXPECT_EQ(statuses, std::vector<BoardStatus>{BoardStatus{false}});
    EXPECT_EQ(Events(), (std::vector<std::string>{"list", "list"}));
}

TEST_F(SystemNamingTest, ListedPortThatDoesNotOpenIsSkipped) {
    system.SetListed({"ttyUSB0", "ttyUSB7"});
    system.AddDevice("ttyUSB7");
    const auto entries = handling.ScanPorts();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].text, "ttyUSB7->Relay Boad 1");

    handling.OpenStartupPort(); // the first listed one, which is not there
    EXPECT_FALSE(handling.status().found);
}

} // namespace
