#pragma once

#include "board/serial_port.h"
#include "support/received.h"

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace testsupport {

// A scripted machine for tests: its devices, and a journal of what was done to them. It must
// outlive the ports it hands out.
class FakeSerialSystem final : public board::SerialSystem {
public:
    explicit FakeSerialSystem(board::PortNaming naming = board::PortNaming::Windows);
    ~FakeSerialSystem() override;
    FakeSerialSystem(const FakeSerialSystem&) = delete;
    FakeSerialSystem& operator=(const FakeSerialSystem&) = delete;

    // A device that opens under its name ("COM3", "ttyUSB0") in any path form ("\\.\COM3",
    // "COM3", "/dev/ttyUSB0"); it answers each query with `reply`. Listed in the order added.
    void AddDevice(const std::string& name, std::vector<std::uint8_t> reply = {});
    // Held by another program: every open fails.
    void SetBusy(const std::string& name, bool busy);
    // What ListPorts reports instead of the devices added.
    void SetListed(std::vector<std::string> names);
    // The device goes away: a port open on it is closed, then its failure handler runs.
    void Unplug(const std::string& name);
    // It is back and opens again.
    void Plug(const std::string& name);

    // Every byte the device got, and the same decoded.
    std::vector<std::uint8_t> Written(const std::string& name) const;
    std::vector<Received> ReceivedBy(const std::string& name) const;
    bool IsHeld(const std::string& name) const;

    // In order: "open \\.\COM3", "open failed COM1", "read \\.\COM3 50 20ms",
    // "close \\.\COM3", "pause 250ms", "list".
    const std::vector<std::string>& journal() const { return journal_; }
    void ClearJournal() { journal_.clear(); }

    board::PortNaming Naming() const override { return naming_; }
    std::vector<std::string> ListPorts() override;
    std::unique_ptr<board::SerialPort> CreatePort(const std::string& path) override;
    void Pause(std::chrono::milliseconds duration) override;

private:
    class Port;
    struct Device {
        std::vector<std::uint8_t> reply;
        bool busy = false;
        bool present = true;
        Port* holder = nullptr;
        std::vector<std::uint8_t> written;
    };

    static std::string NameOf(const std::string& path);
    Device* Find(const std::string& name);
    const Device* Find(const std::string& name) const;

    board::PortNaming naming_;
    std::map<std::string, Device> devices_;
    std::vector<std::string> order_;
    std::vector<std::string> listed_;
    bool listedSet_ = false;
    std::vector<std::string> journal_;
};

} // namespace testsupport
