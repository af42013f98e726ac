#include "sequencer/sequencer.h"

#include "board/board_command.h"
#include "sequence/decimal.h"
#include "sequence/step_text.h"

#include <utility>

namespace sequencer {

namespace {
// The countdown is loaded from a 7-byte buffer: at most 6 characters of the field.
constexpr std::size_t kCountdownChars = 6;
} // namespace

long Sequencer::DelayFieldForCountdown() const {
    return sequence::AtolPrefix(delayField_, kCountdownChars);
}

void Sequencer::Start() {
    SetCurrentRow(0);
    // Only the pattern, character by character: a short row stops Start here, before the
    // timers go on, with the characters read so far already in the buffer.
    const std::string text = steps_.text(steps_.current());
    for (std::size_t k = 1; k <= sequence::kRelayCount; ++k) {
        pattern_[k - 1] = sequence::StepChar(text, k);
    }
    SetPatternField();
    SendPattern();
    SetSecondsText("0");
    SetTimers(true, true);
    SetCurrentRow(0);
    elapsedSeconds_ = 0;
    stepCountdown_ = DelayFieldForCountdown();
}

void Sequencer::Stop() {
    SetSecondsText("0");
    SetCountdownText("0");
    SetTimers(false, false);
    try {
        SetCurrentRow(0);
    } catch (...) {
        // Stop must switch the relays off even when the first row cannot be read.
        elapsedSeconds_ = 0;
        sink_.Send(board::kAllOffCommand);
        throw;
    }
    elapsedSeconds_ = 0;
    sink_.Send(board::kAllOffCommand);
}

void Sequencer::StepTick() {
    const std::size_t last = steps_.count() - 1;
    if (steps_.current() < last && stepCountdown_ <= 1) {
        SetCurrentRow(steps_.current() + 1);
        stepCountdown_ = DelayFieldForCountdown() + 1;
        ShowCountdown();
    }
    if (steps_.current() == last && stepCountdown_ <= 1 && repeat_) {
        SetCurrentRow(0);
        stepCountdown_ = DelayFieldForCountdown() + 1;
        ShowCountdown();
    }
    if (stepCountdown_ != 0) {
        --stepCountdown_;
    }
    ShowCountdown();
}

void Sequencer::SecondsTick() {
    ++elapsedSeconds_;
    SetSecondsText(sequence::PlainDecimal(elapsedSeconds_));
}

void Sequencer::ShowCountdown() {
    SetCountdownText(sequence::PlainDecimal(stepCountdown_));
}

void Sequencer::SetCountdownText(std::string text) {
    if (text == countdownText_) {
        return;
    }
    countdownText_ = std::move(text);
    view_.CountdownTextChanged(countdownText_);
}

void Sequencer::SetSecondsText(std::string text) {
    if (text == secondsText_) {
        return;
    }
    secondsText_ = std::move(text);
    view_.SecondsTextChanged(secondsText_);
}

void Sequencer::SetTimers(bool step, bool seconds) {
    if (step == stepTimerOn_ && seconds == secondsTimerOn_) {
        return;
    }
    stepTimerOn_ = step;
    secondsTimerOn_ = seconds;
    view_.TimersChanged(stepTimerOn_, secondsTimerOn_);
}

} // namespace sequencer
