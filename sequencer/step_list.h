#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace sequencer {

// The rows and the current index, never fewer than one row. Pure data: the selection
// action and its rules live in Sequencer.
class StepList {
public:
    StepList();

    std::size_t count() const { return rows_.size(); }
    std::size_t current() const { return current_; }
    const std::string& text(std::size_t row) const { return rows_.at(row); }
    const std::vector<std::string>& rows() const { return rows_; }

    // Below 1 leaves one row; shortening below the current row makes the last row current.
    void SetCount(std::size_t count);
    void SetText(std::size_t row, std::string text);
    // Returns whether the index changed.
    bool SetCurrent(std::size_t row);
    void Replace(std::vector<std::string> rows);

private:
    std::vector<std::string> rows_;
    std::size_t current_ = 0;
};

} // namespace sequencer
