#include "sequencer/sequencer.h"

#include "sequence/step_text.h"

#include <utility>

namespace sequencer {

void Sequencer::Add() {
    const std::size_t last = steps_.count() - 1;
    SetRowCount(steps_.count() + 1);
    SetRowText(last + 1, steps_.text(last));
    SetCurrentRow(steps_.current() + 1);
}

void Sequencer::Remove() {
    if (steps_.count() == 1) {
        return;
    }
    const bool lastWasCurrent = steps_.current() == steps_.count() - 1;
    SetRowCount(steps_.count() - 1);
    // The editing state would otherwise still hold the removed step, and the next edit
    // would write it over the row that is current now.
    if (lastWasCurrent) {
        StringGrid1Click();
    }
}

void Sequencer::ListReset() {
    SetRowCount(2);
    SetRowText(0, sequence::kDefaultStep);
    SetRowText(1, sequence::kDefaultStep);
    SetCurrentRow(1);
    SetCurrentRow(0);
    SetRowCount(1);
}

void Sequencer::Clear() {
    ListReset();
}

void Sequencer::New() {
    SetSecondsText("0");
    SetCountdownText("0");
    // Both timers: with the seconds timer left on, Total Time would count on while
    // nothing plays.
    SetTimers(false, false);
    elapsedSeconds_ = 0;
    ListReset();
}

void Sequencer::ReplaceSteps(std::vector<std::string> steps) {
    const std::size_t oldCurrent = steps_.current();
    steps_.Replace(std::move(steps));
    view_.RowCountChanged(steps_.count());
    view_.AllRowsChanged();
    if (oldCurrent != steps_.current()) {
        view_.CurrentRowChanged(steps_.current());
    }
    StringGrid1Click();
}

} // namespace sequencer
