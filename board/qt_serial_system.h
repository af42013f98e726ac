#pragma once

#include "board/serial_port.h"

#include <memory>

namespace board {

// The machine's serial ports through Qt Serial Port. Naming and listing differ per platform.
class QtSerialSystem final : public SerialSystem {
public:
    PortNaming Naming() const override;
    std::vector<std::string> ListPorts() override;
    std::unique_ptr<SerialPort> CreatePort(const std::string& path) override;
    void Pause(std::chrono::milliseconds duration) override;
};

std::unique_ptr<SerialSystem> MakeQtSerialSystem();

} // namespace board
