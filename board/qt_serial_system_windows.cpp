#include "board/qt_serial_system.h"

namespace board {

PortNaming QtSerialSystem::Naming() const {
    return PortNaming::Windows;
}

// Every COM number is tried instead, so nothing needs listing.
std::vector<std::string> QtSerialSystem::ListPorts() {
    return {};
}

} // namespace board
