#pragma once

#include "board/serial_port.h"

#include <string>
#include <utility>
#include <vector>

namespace testsupport {

// Another system's ports, listed as given: lets the real back end find a pseudo-terminal
// ("pts/3" opens "/dev/pts/3"), which no system lists as a serial port.
class ListedPortsSystem final : public board::SerialSystem {
public:
    ListedPortsSystem(board::SerialSystem& real, std::vector<std::string> names)
        : real_(real), names_(std::move(names)) {}

    board::PortNaming Naming() const override { return board::PortNaming::System; }
    std::vector<std::string> ListPorts() override { return names_; }
    std::unique_ptr<board::SerialPort> CreatePort(const std::string& path) override {
        return real_.CreatePort(path);
    }
    void Pause(std::chrono::milliseconds duration) override { real_.Pause(duration); }

private:
    board::SerialSystem& real_;
    std::vector<std::string> names_;
};

} // namespace testsupport
