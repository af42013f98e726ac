#include "stand_in_system.h"

#include <cstdio>
#include <utility>

namespace ui::testing {

namespace {

class StandInPort : public board::SerialPort {
public:
    StandInPort(StandInSystem& system, std::string path)
        : system_(system), path_(std::move(path)) {}

    board::OpenResult Open() override {
        if (system_.IsHeld(path_)) {
            system_.Record("open failed " + path_);
            return {board::PortError::Busy, "held elsewhere"};
        }
        open_ = true;
        system_.Record("open " + path_);
        return {};
    }
    bool IsOpen() const override { return open_; }
    void SendByte(std::uint8_t byte) override {
        if (open_) {
            system_.RecordByte(path_, byte);
        }
    }
    std::size_t Read(std::span<std::uint8_t>, std::chrono::milliseconds) override { return 0; }
    void Close() override {
        if (open_) {
            open_ = false;
            system_.Record("close " + path_);
        }
    }
    void SetFailureHandler(std::function<void()>) override {}

private:
    StandInSystem& system_;
    std::string path_;
    bool open_ = false;
};

} // namespace

std::unique_ptr<board::SerialPort> StandInSystem::CreatePort(const std::string& path) {
    return std::make_unique<StandInPort>(*this, path);
}

void StandInSystem::Pause(std::chrono::milliseconds duration) {
    Record("pause " + std::to_string(duration.count()));
}

void StandInSystem::SetHeldElsewhere(const std::string& path, bool held) {
    if (held) {
        held_.insert(path);
    } else {
        held_.erase(path);
    }
}

void StandInSystem::RecordByte(const std::string& path, std::uint8_t byte) {
    pending_.push_back(static_cast<char>(byte));
    if (pending_.size() == 5) {
        commands_.push_back(CommandText(pending_));
        Record("send " + path + " " + commands_.back());
        pending_.clear();
    }
}

std::vector<std::string> StandInSystem::TakeLog() {
    return std::exchange(log, {});
}

std::vector<std::string> StandInSystem::TakeCommands() {
    return std::exchange(commands_, {});
}

std::string CommandText(const std::string& bytes) {
    if (bytes.size() == 5 && bytes[0] == 'x' && bytes.substr(3) == "//") {
        char text[16];
        std::snprintf(text, sizeof text, "x %02X %02X", static_cast<unsigned char>(bytes[1]),
                      static_cast<unsigned char>(bytes[2]));
        return text;
    }
    return bytes;
}

std::string CommandText(const board::BoardCommand& command) {
    return CommandText(std::string(command.begin(), command.end()));
}

std::string PatternCommand(const std::string& pattern) {
    return CommandText(board::SetRelaysCommand(pattern));
}

} // namespace ui::testing
