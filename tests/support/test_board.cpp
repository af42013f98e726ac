#include "support/test_board.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace testsupport {

namespace {

using namespace std::chrono_literals;

// While no slave holds the line the master reports a hang-up at every poll; looking again
// this often keeps the reader from spinning without missing a slave that opens.
constexpr int kNoSlaveRecheckMs = 2;

void CloseFd(int& fd) {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

void WriteAll(int fd, const std::vector<std::uint8_t>& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return; // the slave went; an answer nobody reads does not matter
        }
        done += static_cast<std::size_t>(n);
    }
}

} // namespace

TestBoard::TestBoard() {
    int slave = -1;
    std::array<char, 128> name{};
    if (::openpty(&master_, &slave, name.data(), nullptr, nullptr) != 0) {
        throw std::runtime_error(std::string("openpty: ") + std::strerror(errno));
    }
    // The board holds no slave end itself, as a real device would not.
    ::close(slave);
    slavePath_ = name.data();
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        CloseFd(master_);
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    }
    wakeRead_ = pipeFds[0];
    wakeWrite_ = pipeFds[1];
    reader_ = std::thread([this] { ReadLoop(); });
}

TestBoard::~TestBoard() {
    Unplug();
    CloseFd(wakeRead_);
    CloseFd(wakeWrite_);
}

std::string TestBoard::SlaveName() const {
    constexpr std::string_view kDev = "/dev/";
    return slavePath_.starts_with(kDev) ? slavePath_.substr(kDev.size()) : slavePath_;
}

void TestBoard::AnswerQueryWith(std::vector<std::uint8_t> reply) {
    const std::lock_guard lock(mutex_);
    reply_ = std::move(reply);
}

std::vector<Received> TestBoard::received() const {
    const std::lock_guard lock(mutex_);
    return received_;
}

std::vector<std::uint8_t> TestBoard::bytes() const {
    const std::lock_guard lock(mutex_);
    return bytes_;
}

std::vector<Received> TestBoard::WaitForReceived(std::size_t count,
                                                 std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, timeout, [&] { return received_.size() >= count; });
    return received_;
}

void TestBoard::Clear() {
    const std::lock_guard lock(mutex_);
    received_.clear();
    bytes_.clear();
}

std::optional<termios> TestBoard::Settings() const {
    termios settings{};
    // On Linux the master reports the settings of its slave.
    if (master_ < 0 || ::tcgetattr(master_, &settings) != 0) {
        return std::nullopt;
    }
    return settings;
}

bool TestBoard::ApplySettings(const termios& settings) {
    return master_ >= 0 && ::tcsetattr(master_, TCSANOW, &settings) == 0;
}

void TestBoard::Unplug() {
    StopReader();
    CloseFd(master_);
}

void TestBoard::StopReader() {
    if (!reader_.joinable()) {
        return;
    }
    const char stop = 0;
    [[maybe_unused]] const ssize_t n = ::write(wakeWrite_, &stop, 1);
    reader_.join();
}

void TestBoard::ReadLoop() {
    for (;;) {
        std::array<pollfd, 2> fds{{{wakeRead_, POLLIN, 0}, {master_, POLLIN, 0}}};
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (fds[0].revents != 0) {
            return;
        }
        const short events = fds[1].revents;
        const bool slaveGone =
            (events & POLLIN) != 0 ? !Drain() : (events & (POLLHUP | POLLERR | POLLNVAL)) != 0;
        if (!slaveGone) {
            continue;
        }
        // No slave end is open: whatever was cut short will not be completed.
        bool finished = false;
        {
            const std::lock_guard lock(mutex_);
            for (Received& r : decoder_.Finish()) {
                received_.push_back(std::move(r));
                finished = true;
            }
        }
        if (finished) {
            changed_.notify_all();
        }
        pollfd wake{wakeRead_, POLLIN, 0};
        if (::poll(&wake, 1, kNoSlaveRecheckMs) > 0) {
            return;
        }
    }
}

bool TestBoard::Drain() {
    std::array<std::uint8_t, 256> buffer{};
    for (;;) {
        const ssize_t n = ::read(master_, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && errno == EAGAIN) {
            return true;
        }
        if (n <= 0) {
            return false; // EIO: the last slave end closed
        }
        std::vector<std::uint8_t> answer;
        {
            const std::lock_guard lock(mutex_);
            bytes_.insert(bytes_.end(), buffer.begin(), buffer.begin() + n);
            for (Received& r : decoder_.Feed(buffer.data(), static_cast<std::size_t>(n))) {
                if (r.kind == Received::Kind::Query) {
                    answer.insert(answer.end(), reply_.begin(), reply_.end());
                }
                received_.push_back(std::move(r));
            }
        }
        changed_.notify_all();
        if (!answer.empty()) {
            WriteAll(master_, answer);
        }
    }
}

} // namespace testsupport
