#include "sequence/sequence_file.h"

#include "sequence/step_text.h"

#include <algorithm>
#include <cctype>

namespace sequence {

namespace {
constexpr std::size_t kWrittenChars = 28;
constexpr std::size_t kLoadedChars = 27;

void AppendTextMode(std::string& out, std::string_view text) {
    for (const char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
}
} // namespace

std::string EncodeSequenceFile(const std::vector<std::string>& steps) {
    std::string out;
    out.reserve(steps.size() * 30);
    for (const std::string& step : steps) {
        const std::string row = RowForm(step);
        AppendTextMode(out, std::string_view(row).substr(0, kWrittenChars));
        AppendTextMode(out, "\n");
    }
    return out;
}

std::vector<std::string> DecodeSequenceFile(std::string_view bytes) {
    std::vector<std::string> steps;
    std::string line;
    bool ended = false; // a NUL ended this line's text
    const auto finishLine = [&] {
        if (!line.empty()) {
            steps.push_back(line);
        }
        line.clear();
        ended = false;
    };
    for (const char c : bytes) {
        if (c == '\r') {
            continue;
        }
        if (c == '\n') {
            finishLine();
            continue;
        }
        if (c == '\0') {
            ended = true;
        }
        if (!ended && line.size() < kLoadedChars) {
            line += c;
        }
    }
    finishLine();
    if (steps.empty()) {
        steps.emplace_back(kDefaultStep);
    }
    return steps;
}

std::string SequenceFilePath(const std::string& chosenName) {
    static constexpr std::string_view kExtension = ".txt";
    const bool hasExtension =
        chosenName.size() >= kExtension.size() &&
        std::equal(kExtension.begin(), kExtension.end(),
                   chosenName.end() - static_cast<std::ptrdiff_t>(kExtension.size()),
                   [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
    return hasExtension ? chosenName : chosenName + std::string(kExtension);
}

} // namespace sequence
