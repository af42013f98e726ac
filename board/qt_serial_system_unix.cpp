#include "board/qt_serial_system.h"

#include <QSerialPortInfo>

namespace board {

PortNaming QtSerialSystem::Naming() const {
    return PortNaming::System;
}

std::vector<std::string> QtSerialSystem::ListPorts() {
    std::vector<std::string> names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        names.push_back(info.portName().toStdString());
    }
    return names;
}

} // namespace board
