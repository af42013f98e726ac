#include "board/port_handling.h"
#include "board/qt_serial_system.h"

#include "support/listed_ports_system.h"
#include "support/test_board.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <termios.h>

#include <array>
#include <chrono>
#include <memory>
#include <vector>

namespace {

using namespace std::chrono_literals;
using board::BoardCommand;
using board::BoardStatus;
using board::PortHandling;
using board::SerialPort;
using testsupport::ListedPortsSystem;
using testsupport::Received;
using testsupport::TestBoard;

const Received kQuery = Received::Of(board::kQueryCommand);
const Received kAllOff = Received::Of(board::kAllOffCommand);

// A line as some other program might have left it: slow, 7E2, cooked, flow control on.
termios ForeignSettings(termios t) {
    cfsetispeed(&t, B4800);
    cfsetospeed(&t, B4800);
    t.c_cflag = (t.c_cflag & ~CSIZE) | CS7 | PARENB | CSTOPB | CRTSCTS;
    t.c_iflag |= IXON | IXOFF | ICRNL;
    t.c_oflag |= OPOST | ONLCR;
    t.c_lflag |= ICANON | ECHO | ISIG;
    t.c_cc[VMIN] = 3;
    t.c_cc[VTIME] = 7;
    return t;
}

bool SameSettings(const termios& a, const termios& b) {
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && cfgetispeed(&a) == cfgetispeed(&b) &&
           cfgetospeed(&a) == cfgetospeed(&b) &&
           std::equal(std::begin(a.c_cc), std::end(a.c_cc), std::begin(b.c_cc));
}

std::chrono::milliseconds CpuTime() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& tv) {
        return std::chrono::milliseconds(tv.tv_sec * 1000 + tv.tv_usec / 1000);
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

class QtPortTest : public testing::Test {
protected:
    std::unique_ptr<SerialPort> Port() { return qt->CreatePort(board.SlavePath()); }

    TestBoard board;
    std::unique_ptr<board::SerialSystem> qt = board::MakeQtSerialSystem();
};

TEST_F(QtPortTest, OpensAs9600EightNoneOneRaw) {
    ASSERT_TRUE(board.ApplySettings(ForeignSettings(*board.Settings())));
    const auto port = Port();
    ASSERT_TRUE(port->Open().ok());

    const termios t = *board.Settings();
    EXPECT_EQ(cfgetospeed(&t), B9600);
    EXPECT_EQ(cfgetispeed(&t), B9600);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u) << "no parity, 1 stop, no RTS/CTS";
    EXPECT_NE(t.c_cflag & CREAD, 0u);
    // Raw: no XON/XOFF and no translation, so data bytes such as 0x0A or 0x11 pass untouched.
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL | INLCR | IGNCR | ISTRIP), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
}

TEST_F(QtPortTest, SecondOpenFailsWhileFirstHoldsThePort) {
    const auto first = Port();
    const auto second = Port();
    ASSERT_TRUE(first->Open().ok());

    EXPECT_FALSE(second->Open().ok());
    EXPECT_FALSE(second->IsOpen());

    first->Close();
    EXPECT_TRUE(second->Open().ok());
}

TEST_F(QtPortTest, SettingsAsFoundAreBackAfterClose) {
    ASSERT_TRUE(board.ApplySettings(ForeignSettings(*board.Settings())));
    const termios found = *board.Settings();
    const auto port = Port();

    ASSERT_TRUE(port->Open().ok());
    ASSERT_FALSE(SameSettings(*board.Settings(), found));
    port->Close();

    EXPECT_TRUE(SameSettings(*board.Settings(), found));
    EXPECT_FALSE(port->IsOpen());
}

// Data bytes that a cooked line or XON/XOFF would eat or change.
const std::vector<BoardCommand> kAwkwardCommands = {
    board::kQueryCommand,        {'x', 0x0A, 0x0D, '/', '/'}, {'x', 0x11, 0x13, '/', '/'},
    {'x', 0x03, 0x1A, '/', '/'}, {'x', 0x04, 0x7F, '/', '/'}, {'x', 0xFF, 0x00, '/', '/'},
    {'x', 0x2F, 0x2F, '/', '/'}, board::kAllOffCommand,
};

TEST_F(QtPortTest, EveryCommandArrivesWholeAndInOrderAlsoWhenClosedRightAfter) {
    const auto port = Port();
    ASSERT_TRUE(port->Open().ok());
    std::vector<std::uint8_t> sent;
    std::vector<Received> expected;
    const auto send = [&](const BoardCommand& command) {
        for (const std::uint8_t byte : command) {
            port->SendByte(byte);
            sent.push_back(byte);
        }
        expected.push_back(Received::Of(command));
    };
    for (const BoardCommand& command : kAwkwardCommands) {
        send(command);
    }
    // No event loop runs here: each byte must have been handed to the system at once.
    EXPECT_EQ(board.WaitForReceived(expected.size(), 2s), expected);

    send(board::kAllOffCommand);
    port->Close();
    EXPECT_EQ(board.WaitForReceived(expected.size(), 2s), expected);
    EXPECT_EQ(board.bytes(), sent);
}

TEST_F(QtPortTest, ReadReturnsWhatArrivesWithinTheTimeUpToTheBufferSize) {
    board.AnswerQueryWith(std::vector<std::uint8_t>(64, 'r'));
    const auto port = Port();
    ASSERT_TRUE(port->Open().ok());
    std::array<std::uint8_t, 50> buffer{};

    EXPECT_EQ(port->Read(buffer, 20ms), 0u) << "nothing is there before the query";
    for (const std::uint8_t byte : board::kQueryCommand) {
        port->SendByte(byte);
    }
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(port->Read(buffer, 5000ms), 50u);
    EXPECT_LT(clock.elapsed(), 4000) << "a full buffer ends the wait";
    EXPECT_EQ(port->Read(buffer, 100ms), 14u);
}

TEST_F(QtPortTest, WhatTheBoardSaysOutsideAReadIsDropped) {
    board.AnswerQueryWith(std::vector<std::uint8_t>(30, 'r'));
    const auto port = Port();
    ASSERT_TRUE(port->Open().ok());
    for (const std::uint8_t byte : board::kQueryCommand) {
        port->SendByte(byte);
    }
    QTest::qWait(200); // the answer arrives while the event loop runs, as in the window
    std::array<std::uint8_t, 50> buffer{};
    EXPECT_EQ(port->Read(buffer, 50ms), 0u) << "nothing kept from outside a read";
    EXPECT_TRUE(port->IsOpen());
}

class QtPortHandlingTest : public QtPortTest {
protected:
    QtPortHandlingTest() {
        handling.SetStatusHandler([this](const BoardStatus& s) { statuses.push_back(s); });
    }

    ListedPortsSystem system{*qt, {board.SlaveName()}};
    PortHandling handling{system};
    std::vector<BoardStatus> statuses;
};

TEST_F(QtPortHandlingTest, StartupSendAndCloseDeliverEveryCommand) {
    handling.OpenStartupPort();
    ASSERT_EQ(statuses, std::vector<BoardStatus>{BoardStatus{true}});

    const BoardCommand pattern = board::SetRelaysCommand("0010111100101111");
    handling.Send(pattern);
    handling.Send(board::kAllOffCommand);
    handling.ClosePort();

    EXPECT_EQ(board.WaitForReceived(2, 2s),
              (std::vector<Received>{Received::Of(pattern), kAllOff}));
}

struct AnswerCase {
    const char* what;
    std::vector<std::uint8_t> reply;
    friend void PrintTo(const AnswerCase& c, std::ostream* out) { *out << c.what; }
};

class ScanAnswerTest : public QtPortHandlingTest, public testing::WithParamInterface<AnswerCase> {};

TEST_P(ScanAnswerTest, QueryGoesOutAndAnswerChangesNothing) {
    // Found raw, so a late answer cannot echo back whatever the timing.
    termios raw = *board.Settings();
    cfmakeraw(&raw);
    ASSERT_TRUE(board.ApplySettings(raw));
    board.AnswerQueryWith(GetParam().reply);

    QElapsedTimer clock;
    clock.start();
    const auto entries = handling.ScanPorts();
    EXPECT_LT(clock.elapsed(), 2000);

    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].text, board::SelectorEntryText(board.SlaveName(), 1));
    EXPECT_EQ(entries[0].port.path, board.SlavePath());
    EXPECT_TRUE(statuses.empty());
    EXPECT_EQ(board.WaitForReceived(1, 2s), std::vector<Received>{kQuery});

    handling.ComboBox1Change(entries[0]);
    handling.Send(board::kAllOffCommand);
    EXPECT_EQ(statuses, std::vector<BoardStatus>{BoardStatus{true}});
    EXPECT_EQ(board.WaitForReceived(2, 2s), (std::vector<Received>{kQuery, kAllOff}));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ScanAnswerTest,
    testing::Values(AnswerCase{"None", {}}, AnswerCase{"Short", {'o', 'k', '/', '/'}},
                    AnswerCase{"LongerThanRead", std::vector<std::uint8_t>(64, 'r')}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(QtPortHandlingTest, UnpluggedBoardTurnsNotFoundWithoutHangOrBusyLoop) {
    handling.OpenStartupPort();
    ASSERT_TRUE(handling.status().found);

    board.Unplug();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !handling.status().found; }, 5000));
    EXPECT_EQ(statuses, (std::vector<BoardStatus>{BoardStatus{true}, BoardStatus{false}}));

    // Nothing keeps polling the dead line once the failure was seen.
    const auto cpuBefore = CpuTime();
    QTest::qWait(300);
    EXPECT_LT(CpuTime() - cpuBefore, 150ms);

    QElapsedTimer clock;
    clock.start();
    handling.Send(board::kAllOffCommand);
    handling.ClosePort();
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(statuses.size(), 2u) << "the failure is told once";
}

} // namespace
