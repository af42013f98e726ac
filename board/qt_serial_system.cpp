#include "board/qt_serial_system.h"

#include "board/qt_serial_port.h"

#include <thread>

namespace board {

std::unique_ptr<SerialPort> QtSerialSystem::CreatePort(const std::string& path) {
    return std::make_unique<QtSerialPort>(path);
}

void QtSerialSystem::Pause(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

std::unique_ptr<SerialSystem> MakeQtSerialSystem() {
    return std::make_unique<QtSerialSystem>();
}

} // namespace board
