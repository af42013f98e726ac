#include "board/port_handling.h"

#include <array>
#include <chrono>
#include <utility>

namespace board {

namespace {

using namespace std::chrono_literals;

constexpr auto kClosePause = 250ms;
constexpr auto kScanReadTime = 20ms;
constexpr std::size_t kScanReadSize = 50;

void SendBytes(SerialPort& port, const BoardCommand& command) {
    for (const std::uint8_t byte : command) {
        port.SendByte(byte);
    }
}

// Only systems without COM names have a list to ask for.
std::vector<std::string> ListedPorts(SerialSystem& system) {
    return system.Naming() == PortNaming::System ? system.ListPorts() : std::vector<std::string>{};
}

} // namespace

PortHandling::PortHandling(SerialSystem& system) : system_(system) {}

PortHandling::~PortHandling() = default;

std::vector<SelectorEntry> PortHandling::ScanPorts() {
    const std::vector<PortChoice> candidates =
        ScanCandidates(system_.Naming(), ListedPorts(system_));
    std::vector<SelectorEntry> entries;
    unsigned found = 0;
    for (const PortChoice& candidate : candidates) {
        attempted_ = true;
        const std::unique_ptr<SerialPort> port = system_.CreatePort(candidate.path);
        if (!port || !port->Open().ok()) {
            continue;
        }
        SendBytes(*port, kQueryCommand);
        // The reply, if any, means nothing to us; a port is listed whether it answers or not.
        std::array<std::uint8_t, kScanReadSize> reply{};
        port->Read(reply, kScanReadTime);
        ++found;
        entries.push_back({SelectorEntryText(candidate.name, found), candidate});
        port->Close();
    }
    return entries;
}

void PortHandling::OpenStartupPort() {
    const std::optional<PortChoice> port = StartupPort(system_.Naming(), ListedPorts(system_));
    if (!port) {
        port_.reset();
        SetStatus(false);
        return;
    }
    OpenPort(*port);
}

void PortHandling::OpenPort(const PortChoice& port) {
    attempted_ = true;
    port_ = system_.CreatePort(port.path);
    if (!port_ || !port_->Open().ok()) {
        SetStatus(false);
        return;
    }
    port_->SetFailureHandler([this] { PortFailed(); });
    SetStatus(true);
}

void PortHandling::ClosePort() {
    if (!attempted_) {
        return;
    }
    // Lets the last command leave the wire before the port goes.
    system_.Pause(kClosePause);
    if (port_) {
        port_->Close();
        port_.reset();
    }
}

void PortHandling::ComboBox1Change(const SelectorEntry& entry) {
    ClosePort();
    OpenPort(entry.port);
}

void PortHandling::Send(const BoardCommand& command) {
    if (port_ && port_->IsOpen()) {
        SendBytes(*port_, command);
    }
}

void PortHandling::SetStatusHandler(std::function<void(const BoardStatus&)> handler) {
    statusHandler_ = std::move(handler);
}

void PortHandling::SetStatus(bool found) {
    status_ = BoardStatus{found};
    if (statusHandler_) {
        // A copy, so a handler that replaces itself does not pull the rug from under us.
        const auto handler = statusHandler_;
        handler(status_);
    }
}

// The port is closed already; it stays in place so sends go nowhere until a new open.
void PortHandling::PortFailed() {
    SetStatus(false);
}

} // namespace board
