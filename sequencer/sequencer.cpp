#include "sequencer/sequencer.h"

#include "board/board_command.h"
#include "sequence/decimal.h"
#include "sequence/step_text.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace sequencer {

namespace {
std::size_t RelayIndex(int relay) {
    if (relay < 1 || relay > static_cast<int>(sequence::kRelayCount)) {
        throw std::out_of_range("There is no relay " + std::to_string(relay));
    }
    return static_cast<std::size_t>(relay - 1);
}
} // namespace

Sequencer::Sequencer(board::CommandSink& sink, View& view)
    : sink_(sink), view_(view), pattern_(sequence::kAllOffPattern),
      patternField_(sequence::kAllOffPattern), delayField_("10") {
    buttonTop_.fill(kButtonTopOff);
    lampGreen_.fill(false);
}

int Sequencer::buttonTop(int relay) const {
    return buttonTop_[RelayIndex(relay)];
}

bool Sequencer::lampGreen(int relay) const {
    return lampGreen_[RelayIndex(relay)];
}

// --- the list control's rules ---

bool Sequencer::MoveCurrentRow(std::size_t row) {
    if (!steps_.SetCurrent(row)) {
        return false;
    }
    view_.CurrentRowChanged(row);
    return true;
}

void Sequencer::ClickRow(std::size_t row) {
    MoveCurrentRow(row);
    StringGrid1Click();
}

void Sequencer::SetCurrentRow(std::size_t row) {
    if (MoveCurrentRow(row)) {
        StringGrid1Click();
    }
}

void Sequencer::SetRowCount(std::size_t count) {
    const std::size_t oldCount = steps_.count();
    const std::size_t oldCurrent = steps_.current();
    steps_.SetCount(count);
    if (steps_.count() != oldCount) {
        view_.RowCountChanged(steps_.count());
    }
    if (steps_.current() != oldCurrent) {
        view_.CurrentRowChanged(steps_.current());
    }
}

void Sequencer::SetRowText(std::size_t row, std::string_view text) {
    steps_.SetText(row, std::string(text));
    view_.RowTextChanged(row);
}

// --- editing ---

void Sequencer::SetDelayField(std::string_view text) {
    if (text == delayField_) {
        return;
    }
    delayField_ = text;
    view_.DelayFieldChanged(delayField_);
    Edit1Change();
}

void Sequencer::StepDelay(int direction) {
    if (direction == 0) {
        return;
    }
    // Kept within one step of the range first, so huge typed values cannot overflow.
    const long value = std::clamp(sequence::AtolPrefix(delayField_), sequence::kMinDelay - 1,
                                  sequence::kMaxDelay + 1);
    const long next =
        std::clamp(value + (direction > 0 ? 1 : -1), sequence::kMinDelay, sequence::kMaxDelay);
    SetDelayField(sequence::PlainDecimal(next));
}

void Sequencer::ToggleRelay(int relay) {
    const std::size_t i = RelayIndex(relay);
    // The button's position, not the pattern, decides the direction.
    const bool on = buttonTop_[i] == kButtonTopOff;
    pattern_[i] = on ? '1' : '0';
    SetRelay(relay, on);
    SetPatternField();
    StoreCurrentStep();
}

void Sequencer::StoreCurrentStep() {
    if (auto text = sequence::BuildStepText(patternField_, delayField_)) {
        SetRowText(steps_.current(), *text);
    }
}

void Sequencer::Edit1Change() {
    StoreCurrentStep();
}

void Sequencer::StringGrid1Click() {
    SelectionAction(true);
}

void Sequencer::LoadEditingState(std::size_t row) {
    MoveCurrentRow(row);
    SelectionAction(false);
}

// Every step may throw RangeError on a short row; what was done before stays done.
void Sequencer::SelectionAction(bool send) {
    const std::string text = steps_.text(steps_.current());
    for (int k = 1; k <= static_cast<int>(sequence::kRelayCount); ++k) {
        SetRelay(k, sequence::IsRelayOn(sequence::StepChar(text, static_cast<std::size_t>(k))));
    }
    pattern_ = sequence::ReadPattern(text);
    SetPatternField();
    // After the pattern field: the rewrite this may cause reads it.
    SetDelayField(sequence::PlainDecimal(sequence::ReadDelay(text)));
    if (send) {
        SendPattern();
    }
}

void Sequencer::SendPattern() {
    sink_.Send(board::SetRelaysCommand(pattern_));
}

void Sequencer::SetPatternField() {
    if (patternField_ == pattern_) {
        return;
    }
    patternField_ = pattern_;
    view_.PatternFieldChanged(patternField_);
}

void Sequencer::SetRelay(int relay, bool on) {
    const std::size_t i = RelayIndex(relay);
    const int top = on ? kButtonTopOn : kButtonTopOff;
    if (buttonTop_[i] != top) {
        buttonTop_[i] = top;
        view_.RelayButtonMoved(relay, top);
    }
    if (lampGreen_[i] != on) {
        lampGreen_[i] = on;
        view_.LampChanged(relay, on);
    }
}

} // namespace sequencer
