#include "support/received.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace testsupport {

namespace {

using Kind = Received::Kind;

// Whether bytes could still grow into this command (slots with a negative value take any byte).
bool Matches(const std::vector<std::uint8_t>& bytes, const int (&form)[5]) {
    for (std::size_t i = 0; i < bytes.size() && i < 5; ++i) {
        if (form[i] >= 0 && bytes[i] != form[i]) {
            return false;
        }
    }
    return true;
}

constexpr int kQueryForm[5] = {'a', 's', 'k', '/', '/'};
constexpr int kAllOffForm[5] = {'o', 'f', 'f', '/', '/'};
constexpr int kSetRelaysForm[5] = {'x', -1, -1, '/', '/'};

} // namespace

Received Received::Of(const board::BoardCommand& command) {
    std::vector<std::uint8_t> bytes(command.begin(), command.end());
    Kind kind = Kind::SetRelays;
    if (Matches(bytes, kQueryForm)) {
        kind = Kind::Query;
    } else if (Matches(bytes, kAllOffForm)) {
        kind = Kind::AllOff;
    }
    return {kind, std::move(bytes)};
}

Received Received::RawByte(std::uint8_t byte) {
    return {Kind::Raw, {byte}};
}

std::string Received::Pattern() const {
    if (kind != Kind::SetRelays) {
        return {};
    }
    std::string pattern;
    for (const std::uint8_t byte : {bytes[1], bytes[2]}) {
        for (int bit = 7; bit >= 0; --bit) {
            pattern += ((byte >> bit) & 1) != 0 ? '1' : '0';
        }
    }
    return pattern;
}

std::string Describe(const Received& received) {
    char text[32];
    switch (received.kind) {
    case Kind::Query:
        return "ask//";
    case Kind::AllOff:
        return "off//";
    case Kind::SetRelays:
        std::snprintf(text, sizeof text, "x %02X %02X //", received.bytes[1], received.bytes[2]);
        return text;
    case Kind::Raw:
        break;
    }
    std::snprintf(text, sizeof text, "raw 0x%02X", received.bytes.empty() ? 0 : received.bytes[0]);
    return text;
}

std::ostream& operator<<(std::ostream& out, const Received& received) {
    return out << Describe(received);
}

std::vector<Received> ReceivedDecoder::Feed(const std::uint8_t* data, std::size_t size) {
    pending_.insert(pending_.end(), data, data + size);
    std::vector<Received> out;
    while (!pending_.empty()) {
        const bool possible = Matches(pending_, kQueryForm) || Matches(pending_, kAllOffForm) ||
                              Matches(pending_, kSetRelaysForm);
        if (possible && pending_.size() < 5) {
            break;
        }
        if (possible) {
            board::BoardCommand command{};
            std::copy_n(pending_.begin(), 5, command.begin());
            out.push_back(Received::Of(command));
            pending_.erase(pending_.begin(), pending_.begin() + 5);
        } else {
            out.push_back(Received::RawByte(pending_.front()));
            pending_.erase(pending_.begin());
        }
    }
    return out;
}

std::vector<Received> ReceivedDecoder::Finish() {
    std::vector<Received> out;
    std::transform(pending_.begin(), pending_.end(), std::back_inserter(out), Received::RawByte);
    pending_.clear();
    return out;
}

} // namespace testsupport
