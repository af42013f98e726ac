#include "sequencer/step_list.h"

#include "sequence/step_text.h"

#include <stdexcept>
#include <utility>

namespace sequencer {

StepList::StepList() : rows_{std::string(sequence::kDefaultStep)} {}

void StepList::SetCount(std::size_t count) {
    rows_.resize(count < 1 ? 1 : count);
    if (current_ >= rows_.size()) {
        current_ = rows_.size() - 1;
    }
}

void StepList::SetText(std::size_t row, std::string text) {
    rows_.at(row) = sequence::CutAtLineBreak(text);
}

bool StepList::SetCurrent(std::size_t row) {
    if (row >= rows_.size()) {
        throw std::out_of_range("Row " + std::to_string(row) + " is not in the list of " +
                                std::to_string(rows_.size()) + " steps");
    }
    const bool changed = row != current_;
    current_ = row;
    return changed;
}

void StepList::Replace(std::vector<std::string> rows) {
    if (rows.empty()) {
        rows.emplace_back(sequence::kDefaultStep);
    }
    for (std::string& text : rows) {
        text = sequence::CutAtLineBreak(text);
    }
    rows_ = std::move(rows);
    current_ = 0;
}

} // namespace sequencer
