#pragma once

#include "board/board_command.h"
#include "board/serial_port.h"

#include <set>
#include <string>
#include <vector>

namespace ui::testing {

// Ports that exist only in memory. Every open, close, pause and byte goes into one log, in
// order, so a test sees what the window did to the machine's ports; nothing waits.
class StandInSystem : public board::SerialSystem {
public:
    explicit StandInSystem(std::vector<std::string> ports) : ports_(std::move(ports)) {}

    board::PortNaming Naming() const override { return board::PortNaming::System; }
    std::vector<std::string> ListPorts() override { return ports_; }
    std::unique_ptr<board::SerialPort> CreatePort(const std::string& path) override;
    void Pause(std::chrono::milliseconds duration) override;

    // A port held by another program: opens fail while it is.
    void SetHeldElsewhere(const std::string& path, bool held);

    // The log: "open /dev/x", "open failed /dev/x", "close /dev/x", "pause 250", and each
    // command sent as "send /dev/x <command>" once its five bytes are there.
    std::vector<std::string> log;
    std::vector<std::string> TakeLog();
    // The commands sent so far, as CommandText gives them.
    std::vector<std::string> TakeCommands();

    void Record(std::string entry) { log.push_back(std::move(entry)); }
    void RecordByte(const std::string& path, std::uint8_t byte);
    bool IsHeld(const std::string& path) const { return held_.contains(path); }

private:
    std::vector<std::string> ports_;
    std::set<std::string> held_;
    std::string pending_; // bytes of the command on its way
    std::vector<std::string> commands_;
};

// "ask//", "off//", "x 90 00" (the two pattern bytes in hex) or the raw bytes.
std::string CommandText(const board::BoardCommand& command);
std::string CommandText(const std::string& bytes);
// The command the selection action sends for a pattern.
std::string PatternCommand(const std::string& pattern);

} // namespace ui::testing
