#pragma once

#include "board/serial_port.h"

#include <QSerialPort>

namespace board {

// One port through QSerialPort. Needs a Qt application object on the same thread; a failure
// while open is only noticed while its event loop runs or during a Read.
class QtSerialPort final : public SerialPort {
public:
    explicit QtSerialPort(std::string path);
    ~QtSerialPort() override;
    QtSerialPort(const QtSerialPort&) = delete;
    QtSerialPort& operator=(const QtSerialPort&) = delete;

    OpenResult Open() override;
    bool IsOpen() const override;
    void SendByte(std::uint8_t byte) override;
    std::size_t Read(std::span<std::uint8_t> buffer, std::chrono::milliseconds total) override;
    void Close() override;
    void SetFailureHandler(std::function<void()> handler) override;

private:
    void ApplySettings();
    void ErrorOccurred(QSerialPort::SerialPortError error);
    void CloseNow();

    std::string path_;
    QSerialPort port_;
    std::function<void()> failureHandler_;
    bool failing_ = false; // a failure was seen; the close is on its way
    bool closing_ = false; // errors from the close itself are no news
    bool reading_ = false; // inside Read: incoming bytes are wanted
    unsigned session_ = 0; // bumped on every open and close, so a late failure is dropped
};

} // namespace board
