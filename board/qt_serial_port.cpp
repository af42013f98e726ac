#include "board/qt_serial_port.h"

#include <QDeadlineTimer>
#include <QMetaObject>

#include <utility>

namespace board {

namespace {

// Bytes still waiting in Qt's buffer get this long to leave before a close; normally there
// are none, since every byte is handed to the system at once.
constexpr int kCloseWriteMs = 100;

PortError ToPortError(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::NoError:
        return PortError::Unknown; // the lock file of a port held elsewhere fails like this
    case QSerialPort::DeviceNotFoundError:
        return PortError::NotFound;
    case QSerialPort::PermissionError:
        return PortError::PermissionDenied;
    case QSerialPort::OpenError:
        return PortError::Busy;
    case QSerialPort::UnsupportedOperationError:
        return PortError::Unsupported;
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::ResourceError:
        return PortError::Io;
    default:
        return PortError::Unknown;
    }
}

} // namespace

QtSerialPort::QtSerialPort(std::string path) : path_(std::move(path)) {
    QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                     [this](QSerialPort::SerialPortError error) { ErrorOccurred(error); });
    // Nothing but the scan reads; whatever else the board says is dropped, so it cannot pile
    // up in memory over a long session.
    QObject::connect(&port_, &QSerialPort::readyRead, &port_, [this] {
        if (!reading_) {
            port_.readAll();
        }
    });
}

QtSerialPort::~QtSerialPort() {
    CloseNow();
}

OpenResult QtSerialPort::Open() {
    if (port_.isOpen()) {
        return {};
    }
    port_.setPortName(QString::fromStdString(path_));
    // On Unix QSerialPort takes a lock file and TIOCEXCL, and keeps the termios as found to
    // put back on close; on Windows the share mode is none and the timeouts and DCB are kept.
    if (!port_.open(QIODevice::ReadWrite)) {
        OpenResult result{ToPortError(port_.error()), port_.errorString().toStdString()};
        port_.clearError();
        return result;
    }
    ++session_;
    failing_ = false;
    ApplySettings();
    if (!port_.isOpen() || failing_) {
        CloseNow();
        return {PortError::Io, "the port failed while it was set up"};
    }
    return {};
}

void QtSerialPort::ApplySettings() {
    // A port that cannot take a setting (a pseudo-terminal has no modem lines) is used as is.
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    port_.setDataTerminalReady(true);
    port_.setRequestToSend(true);
    port_.clearError();
}

bool QtSerialPort::IsOpen() const {
    return port_.isOpen() && !failing_;
}

void QtSerialPort::SendByte(std::uint8_t byte) {
    if (!IsOpen()) {
        return;
    }
    const char c = static_cast<char>(byte);
    port_.write(&c, 1);
    // Hands the byte to the system now rather than when the event loop next runs; the port is
    // non-blocking, so a full output queue leaves the rest to the event loop.
    port_.flush();
}

std::size_t QtSerialPort::Read(std::span<std::uint8_t> buffer, std::chrono::milliseconds total) {
    std::size_t got = 0;
    reading_ = true;
    const QDeadlineTimer deadline(total.count(), Qt::PreciseTimer);
    while (IsOpen() && got < buffer.size()) {
        const qint64 n = port_.read(reinterpret_cast<char*>(buffer.data() + got),
                                    static_cast<qint64>(buffer.size() - got));
        if (n > 0) {
            got += static_cast<std::size_t>(n);
            continue;
        }
        const qint64 remaining = deadline.remainingTime();
        if (n < 0 || remaining <= 0 || !port_.waitForReadyRead(static_cast<int>(remaining))) {
            break;
        }
    }
    reading_ = false;
    return got;
}

void QtSerialPort::Close() {
    // Where the system takes one write at a time (Windows), a command may still be on its way
    // here: let all of it out, within a bound, so the board never gets half a command.
    const QDeadlineTimer deadline(kCloseWriteMs, Qt::PreciseTimer);
    while (port_.isOpen() && !failing_ && port_.bytesToWrite() > 0) {
        const qint64 remaining = deadline.remainingTime();
        if (remaining <= 0 || !port_.waitForBytesWritten(static_cast<int>(remaining))) {
            break;
        }
    }
    CloseNow();
}

void QtSerialPort::SetFailureHandler(std::function<void()> handler) {
    failureHandler_ = std::move(handler);
}

void QtSerialPort::ErrorOccurred(QSerialPort::SerialPortError error) {
    // A device that went away shows as a resource error, or, when a read finds the line hung
    // up, as a read error that Qt repeats on every turn of the event loop.
    if (closing_ || failing_ || !port_.isOpen() ||
        (error != QSerialPort::ResourceError && error != QSerialPort::ReadError)) {
        return;
    }
    failing_ = true;
    // Closed from the event loop, not from inside Qt's own notifier that reported the error.
    QMetaObject::invokeMethod(
        &port_,
        [this, session = session_] {
            if (session != session_) {
                return; // closed or reopened meanwhile
            }
            CloseNow();
            // Last thing done here: the handler may well destroy this port.
            const auto handler = failureHandler_;
            if (handler) {
                handler();
            }
        },
        Qt::QueuedConnection);
}

void QtSerialPort::CloseNow() {
    ++session_;
    failing_ = false;
    if (!port_.isOpen()) {
        return;
    }
    closing_ = true;
    port_.close();
    port_.clearError();
    closing_ = false;
}

} // namespace board
