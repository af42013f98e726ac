#pragma once

#include "support/received.h"

#include <termios.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace testsupport {

// A relay board on the far side of a pseudo-terminal. The program under test opens
// SlavePath(); a thread of the board reads the master side, decodes what arrives and, when
// told to, answers every query at once (the scan waits only 20 ms for it).
class TestBoard {
public:
    // Throws std::runtime_error when no pseudo-terminal can be had.
    TestBoard();
    ~TestBoard();
    TestBoard(const TestBoard&) = delete;
    TestBoard& operator=(const TestBoard&) = delete;

    // "/dev/pts/3", and "pts/3" as a port name relative to /dev.
    const std::string& SlavePath() const { return slavePath_; }
    std::string SlaveName() const;

    // Written back after each query from now on; empty means no answer.
    void AnswerQueryWith(std::vector<std::uint8_t> reply);

    // Everything decoded so far, and every byte as it came.
    std::vector<Received> received() const;
    std::vector<std::uint8_t> bytes() const;
    // Waits until at least `count` things were decoded or the time is up; returns them.
    std::vector<Received> WaitForReceived(std::size_t count, std::chrono::milliseconds timeout);
    // Forgets what was received so far.
    void Clear();

    // The line settings the slave side sees now; nothing once unplugged.
    std::optional<termios> Settings() const;
    // Puts settings on the line, as another program might have left them.
    bool ApplySettings(const termios& settings);

    // Pulls the plug: the master side closes, the slave side hangs up.
    void Unplug();
    bool plugged() const { return master_ >= 0; }

private:
    void ReadLoop();
    // Reads what is there; false when no slave holds the line open.
    bool Drain();
    void StopReader();

    int master_ = -1;
    int wakeRead_ = -1; // a pipe that ends the reader thread
    int wakeWrite_ = -1;
    std::string slavePath_;
    std::thread reader_;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    ReceivedDecoder decoder_;
    std::vector<Received> received_;
    std::vector<std::uint8_t> bytes_;
    std::vector<std::uint8_t> reply_;
};

} // namespace testsupport
