#include "support/fake_serial_system.h"

#include <algorithm>
#include <utility>

namespace testsupport {

class FakeSerialSystem::Port final : public board::SerialPort {
public:
    Port(FakeSerialSystem& system, std::string path)
        : system_(system), path_(std::move(path)), name_(NameOf(path_)) {}
    ~Port() override {
        if (Device* device = system_.Find(name_); device && device->holder == this) {
            device->holder = nullptr;
        }
    }

    board::OpenResult Open() override {
        Device* device = system_.Find(name_);
        board::OpenResult result;
        if (!device || !device->present) {
            result = {board::PortError::NotFound, "no such device"};
        } else if (device->busy || (device->holder && device->holder != this)) {
            result = {board::PortError::Busy, "device busy"};
        }
        if (!result.ok()) {
            system_.journal_.push_back("open failed " + path_);
            return result;
        }
        device->holder = this;
        queryBytes_ = 0;
        answer_.clear();
        system_.journal_.push_back("open " + path_);
        return result;
    }

    bool IsOpen() const override {
        const Device* device = system_.Find(name_);
        return device && device->holder == this;
    }

    void SendByte(std::uint8_t byte) override {
        if (!IsOpen()) {
            return;
        }
        Device& device = *system_.Find(name_);
        device.written.push_back(byte);
        // Counts the query's bytes as they come; a whole query brings the answer.
        static constexpr std::string_view kQuery = "ask//";
        queryBytes_ = byte == static_cast<std::uint8_t>(kQuery[queryBytes_])
                          ? queryBytes_ + 1
                          : (byte == static_cast<std::uint8_t>(kQuery[0]) ? 1 : 0);
        if (queryBytes_ == kQuery.size()) {
            queryBytes_ = 0;
            answer_.insert(answer_.end(), device.reply.begin(), device.reply.end());
        }
    }

    std::size_t Read(std::span<std::uint8_t> buffer, std::chrono::milliseconds total) override {
        system_.journal_.push_back("read " + path_ + " " + std::to_string(buffer.size()) + " " +
                                   std::to_string(total.count()) + "ms");
        if (!IsOpen()) {
            return 0;
        }
        const std::size_t n = std::min(buffer.size(), answer_.size());
        std::copy_n(answer_.begin(), n, buffer.begin());
        answer_.erase(answer_.begin(), answer_.begin() + static_cast<std::ptrdiff_t>(n));
        return n;
    }

    void Close() override {
        if (!IsOpen()) {
            return;
        }
        system_.Find(name_)->holder = nullptr;
        system_.journal_.push_back("close " + path_);
    }

    void SetFailureHandler(std::function<void()> handler) override {
        failureHandler_ = std::move(handler);
    }

    void Fail() {
        system_.Find(name_)->holder = nullptr;
        system_.journal_.push_back("failed " + path_);
        // Last: the handler may destroy this port.
        const auto handler = failureHandler_;
        if (handler) {
            handler();
        }
    }

private:
    FakeSerialSystem& system_;
    std::string path_;
    std::string name_;
    std::size_t queryBytes_ = 0;
    std::vector<std::uint8_t> answer_;
    std::function<void()> failureHandler_;
};

FakeSerialSystem::FakeSerialSystem(board::PortNaming naming) : naming_(naming) {}

FakeSerialSystem::~FakeSerialSystem() = default;

void FakeSerialSystem::AddDevice(const std::string& name, std::vector<std::uint8_t> reply) {
    if (!devices_.contains(name)) {
        order_.push_back(name);
    }
    devices_[name].reply = std::move(reply);
}

void FakeSerialSystem::SetBusy(const std::string& name, bool busy) {
    if (Device* device = Find(name)) {
        device->busy = busy;
    }
}

void FakeSerialSystem::SetListed(std::vector<std::string> names) {
    listed_ = std::move(names);
    listedSet_ = true;
}

void FakeSerialSystem::Unplug(const std::string& name) {
    Device* device = Find(name);
    if (!device) {
        return;
    }
    device->present = false;
    if (device->holder) {
        device->holder->Fail();
    }
}

void FakeSerialSystem::Plug(const std::string& name) {
    if (Device* device = Find(name)) {
        device->present = true;
    }
}

std::vector<std::uint8_t> FakeSerialSystem::Written(const std::string& name) const {
    const Device* device = Find(name);
    return device ? device->written : std::vector<std::uint8_t>{};
}

std::vector<Received> FakeSerialSystem::ReceivedBy(const std::string& name) const {
    const std::vector<std::uint8_t> bytes = Written(name);
    ReceivedDecoder decoder;
    std::vector<Received> out = decoder.Feed(bytes.data(), bytes.size());
    for (Received& r : decoder.Finish()) {
        out.push_back(std::move(r));
    }
    return out;
}

bool FakeSerialSystem::IsHeld(const std::string& name) const {
    const Device* device = Find(name);
    return device && device->holder;
}

std::vector<std::string> FakeSerialSystem::ListPorts() {
    journal_.push_back("list");
    return listedSet_ ? listed_ : order_;
}

std::unique_ptr<board::SerialPort> FakeSerialSystem::CreatePort(const std::string& path) {
    return std::make_unique<Port>(*this, path);
}

void FakeSerialSystem::Pause(std::chrono::milliseconds duration) {
    journal_.push_back("pause " + std::to_string(duration.count()) + "ms");
}

std::string FakeSerialSystem::NameOf(const std::string& path) {
    for (const std::string_view prefix : {"\\\\.\\", "/dev/"}) {
        if (path.starts_with(prefix)) {
            return path.substr(prefix.size());
        }
    }
    return path;
}

FakeSerialSystem::Device* FakeSerialSystem::Find(const std::string& name) {
    const auto it = devices_.find(name);
    return it == devices_.end() ? nullptr : &it->second;
}

const FakeSerialSystem::Device* FakeSerialSystem::Find(const std::string& name) const {
    const auto it = devices_.find(name);
    return it == devices_.end() ? nullptr : &it->second;
}

} // namespace testsupport
