#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace board {

// Why an open failed: a small closed set plus the operating system's own text.
enum class PortError { None, NotFound, Busy, PermissionDenied, Unsupported, Io, Unknown };

struct OpenResult {
    PortError error = PortError::None;
    std::string systemText;
    bool ok() const { return error == PortError::None; }
};

// One serial device. Implementations release everything on every failure path.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Opens exclusively and applies 9600 8N1, no flow control, DTR and RTS on; settings the
    // port cannot take are ignored. On failure nothing stays open.
    virtual OpenResult Open() = 0;
    virtual bool IsOpen() const = 0;
    // Hands one byte to the operating system at once. Failures are ignored; never blocks.
    virtual void SendByte(std::uint8_t byte) = 0;
    // Reads what arrives within `total`, up to buffer.size() bytes; a timeout gives a
    // short count.
    virtual std::size_t Read(std::span<std::uint8_t> buffer, std::chrono::milliseconds total) = 0;
    // Puts the port's own settings back and closes. Harmless when not open.
    virtual void Close() = 0;
    // Called once when an open port fails (the device went away). The port is already
    // closed when it is called.
    virtual void SetFailureHandler(std::function<void()> handler) = 0;
};

// How ports are named on this system.
enum class PortNaming {
    Windows, // COM1..COM998, device paths \\.\COMn
    System,  // whatever the system lists (ttyUSB0, ttyACM0, ttyS0, ...)
};

// The ports of the machine and what the port handling needs around them.
class SerialSystem {
public:
    virtual ~SerialSystem() = default;
    virtual PortNaming Naming() const = 0;
    // System names of the ports the system lists (System naming only).
    virtual std::vector<std::string> ListPorts() = 0;
    // A closed port for a device path ("\\.\COM3", "/dev/ttyUSB0").
    virtual std::unique_ptr<SerialPort> CreatePort(const std::string& path) = 0;
    virtual void Pause(std::chrono::milliseconds duration) = 0;
};

} // namespace board
