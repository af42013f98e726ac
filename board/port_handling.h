#pragma once

#include "board/command_sink.h"
#include "board/serial_port.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace board {

// A port as the user knows it and the device path that opens it.
struct PortChoice {
    std::string name; // "COM12", "ttyUSB0"
    std::string path; // "\\.\COM12", "/dev/ttyUSB0"
    bool operator==(const PortChoice&) const = default;
};

// One line of the port selector; it keeps the port it was made for.
struct SelectorEntry {
    std::string text; // "COM12 ->Relay Boad 2"
    PortChoice port;
    bool operator==(const SelectorEntry&) const = default;
};

// Found means only that the port opened.
struct BoardStatus {
    bool found = false;
    std::string text() const; // "USB Relay Board found" / "USB Relay Board not found"
    unsigned rgb() const;     // 0x00ff00 / 0xff0000
    bool operator==(const BoardStatus&) const = default;
};

// Entry text: name left-aligned in a 6-character field (a minimum), "->Relay Boad ",
// then one ordinal character: '0' + ordinal, kept to 8 bits.
std::string SelectorEntryText(const std::string& portName, unsigned ordinal);

// The candidates a scan tries, in order: COM1..COM998 under Windows naming; otherwise
// the listed ports, USB adapters (ttyUSB*, ttyACM*) first, numbers compared as numbers.
std::vector<PortChoice> ScanCandidates(PortNaming naming, std::vector<std::string> listed);

// The port the start-up opens: COM1 under Windows naming, else the first candidate
// (none when the system lists no port).
std::optional<PortChoice> StartupPort(PortNaming naming, const std::vector<std::string>& listed);

// The one current port: open, close, scan, and the commands sent to it.
class PortHandling : public CommandSink {
public:
    explicit PortHandling(SerialSystem& system);
    ~PortHandling() override;

    // Queries every candidate that opens and lists it; each is closed again.
    std::vector<SelectorEntry> ScanPorts();
    // Opens the start-up port and reports found or not found.
    void OpenStartupPort();
    void OpenPort(const PortChoice& port);
    // Pauses 250 ms once any open was attempted, puts the port's settings back, closes.
    void ClosePort();
    // The selector's change handler: close the current port, open the entry's.
    void ComboBox1Change(const SelectorEntry& entry);

    // Goes to the current port; nowhere when none is open. Nothing is reported.
    void Send(const BoardCommand& command) override;

    BoardStatus status() const { return status_; }
    // Told whenever the status is set (every open, and a port failing while open).
    void SetStatusHandler(std::function<void(const BoardStatus&)> handler);

private:
    void SetStatus(bool found);
    void PortFailed();

    SerialSystem& system_;
    std::unique_ptr<SerialPort> port_;
    bool attempted_ = false; // PortHandle != 0
    BoardStatus status_;
    std::function<void(const BoardStatus&)> statusHandler_;
};

} // namespace board
