#include "board/port_handling.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace board {

namespace {

constexpr unsigned kLastComNumber = 998;
constexpr std::size_t kNameField = 6;

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// USB serial adapters are where a relay board hangs, so they are tried first.
bool IsUsbAdapter(std::string_view name) {
    return name.starts_with("ttyUSB") || name.starts_with("ttyACM");
}

// Compares runs of digits by value (ttyUSB2 before ttyUSB10), everything else byte by byte.
// Runs of equal value but different leading zeros compare equal, so a stable sort keeps the
// system's order for them.
int NaturalCompare(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            std::size_t endA = i;
            while (endA < a.size() && IsDigit(a[endA])) {
                ++endA;
            }
            std::size_t endB = j;
            while (endB < b.size() && IsDigit(b[endB])) {
                ++endB;
            }
            std::string_view runA = a.substr(i, endA - i);
            std::string_view runB = b.substr(j, endB - j);
            runA.remove_prefix(std::min(runA.find_first_not_of('0'), runA.size()));
            runB.remove_prefix(std::min(runB.find_first_not_of('0'), runB.size()));
            if (runA.size() != runB.size()) {
                return runA.size() < runB.size() ? -1 : 1;
            }
            if (const int c = runA.compare(runB); c != 0) {
                return c;
            }
            i = endA;
            j = endB;
            continue;
        }
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[j]);
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
        ++i;
        ++j;
    }
    const bool aLeft = i < a.size();
    const bool bLeft = j < b.size();
    return aLeft == bLeft ? 0 : (aLeft ? 1 : -1);
}

PortChoice WindowsPort(unsigned number) {
    std::string name = "COM" + std::to_string(number);
    return {name, "\\\\.\\" + name};
}

} // namespace

std::string SelectorEntryText(const std::string& portName, unsigned ordinal) {
    std::string text = portName;
    if (text.size() < kNameField) {
        text.resize(kNameField, ' ');
    }
    text += "->Relay Boad ";
    text += static_cast<char>(static_cast<unsigned char>(('0' + ordinal) & 0xFFu));
    return text;
}

std::vector<PortChoice> ScanCandidates(PortNaming naming, std::vector<std::string> listed) {
    std::vector<PortChoice> candidates;
    if (naming == PortNaming::Windows) {
        candidates.reserve(kLastComNumber);
        for (unsigned n = 1; n <= kLastComNumber; ++n) {
            candidates.push_back(WindowsPort(n));
        }
        return candidates;
    }
    std::stable_sort(listed.begin(), listed.end(), [](const std::string& a, const std::string& b) {
        const bool usbA = IsUsbAdapter(a);
        const bool usbB = IsUsbAdapter(b);
        if (usbA != usbB) {
            return usbA;
        }
        return NaturalCompare(a, b) < 0;
    });
    // A port listed twice would be queried and shown twice.
    candidates.reserve(listed.size());
    for (const std::string& name : listed) {
        const bool seen = std::any_of(candidates.begin(), candidates.end(),
                                      [&](const PortChoice& c) { return c.name == name; });
        if (!name.empty() && !seen) {
            candidates.push_back({name, "/dev/" + name});
        }
    }
    return candidates;
}

std::optional<PortChoice> StartupPort(PortNaming naming, const std::vector<std::string>& listed) {
    if (naming == PortNaming::Windows) {
        return PortChoice{"COM1", "COM1"};
    }
    const std::vector<PortChoice> candidates = ScanCandidates(naming, listed);
    if (candidates.empty()) {
        return std::nullopt;
    }
    return candidates.front();
}

} // namespace board
