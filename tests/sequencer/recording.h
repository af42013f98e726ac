#pragma once

#include "board/board_command.h"
#include "board/command_sink.h"
#include "sequence/step_text.h"
#include "sequencer/sequencer.h"
#include "sequencer/view.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace sequencer_test {

// What the board and the window were told, in one order.
using EventLog = std::vector<std::string>;

inline std::string Describe(const board::BoardCommand& c) {
    if (c == board::kAllOffCommand) {
        return "send off";
    }
    char text[32];
    std::snprintf(text, sizeof text, "send %c %02X %02X", c[0], c[1], c[2]);
    return text;
}

class RecordingSink : public board::CommandSink {
public:
    explicit RecordingSink(EventLog& log) : log_(log) {}
    void Send(const board::BoardCommand& command) override {
        sent.push_back(command);
        log_.push_back(Describe(command));
    }
    std::vector<board::BoardCommand> sent;

private:
    EventLog& log_;
};

// Logs every report and mirrors the state the way a window would, reading the sequencer
// back; each report must already be visible there.
class MirrorView : public sequencer::View {
public:
    explicit MirrorView(EventLog& log) : log_(log) {}

    void Attach(const sequencer::Sequencer& s) {
        seq_ = &s;
        rows = s.steps().rows();
        current = s.currentRow();
        for (int k = 1; k <= 16; ++k) {
            tops[k - 1] = s.buttonTop(k);
            green[k - 1] = s.lampGreen(k);
        }
        patternField = s.patternField();
        delayField = s.delayField();
        countdownText = s.countdownText();
        secondsText = s.secondsText();
        stepTimer = s.stepTimerOn();
        secondsTimer = s.secondsTimerOn();
    }

    void ExpectMirrors() const {
        EXPECT_EQ(rows, seq_->steps().rows());
        EXPECT_EQ(current, seq_->currentRow());
        for (int k = 1; k <= 16; ++k) {
            EXPECT_EQ(tops[k - 1], seq_->buttonTop(k)) << "relay " << k;
            EXPECT_EQ(green[k - 1], seq_->lampGreen(k)) << "relay " << k;
        }
        EXPECT_EQ(patternField, seq_->patternField());
        EXPECT_EQ(delayField, seq_->delayField());
        EXPECT_EQ(countdownText, seq_->countdownText());
        EXPECT_EQ(secondsText, seq_->secondsText());
        EXPECT_EQ(stepTimer, seq_->stepTimerOn());
        EXPECT_EQ(secondsTimer, seq_->secondsTimerOn());
    }

    void RowCountChanged(std::size_t count) override {
        EXPECT_EQ(count, seq_->rowCount());
        rows.resize(count);
        log_.push_back("count " + std::to_string(count));
    }
    void RowTextChanged(std::size_t row) override {
        rows.at(row) = seq_->rowText(row);
        log_.push_back("row " + std::to_string(row));
    }
    void AllRowsChanged() override {
        rows = seq_->steps().rows();
        log_.push_back("all rows");
    }
    void CurrentRowChanged(std::size_t row) override {
        EXPECT_EQ(row, seq_->currentRow());
        current = row;
        log_.push_back("current " + std::to_string(row));
    }
    void RelayButtonMoved(int relay, int top) override {
        EXPECT_EQ(top, seq_->buttonTop(relay));
        tops.at(static_cast<std::size_t>(relay - 1)) = top;
    }
    void LampChanged(int relay, bool on) override {
        EXPECT_EQ(on, seq_->lampGreen(relay));
        green.at(static_cast<std::size_t>(relay - 1)) = on;
    }
    void PatternFieldChanged(const std::string& text) override {
        EXPECT_EQ(text, seq_->patternField());
        patternField = text;
    }
    void DelayFieldChanged(const std::string& text) override {
        EXPECT_EQ(text, seq_->delayField());
        delayField = text;
        log_.push_back("delay " + text);
    }
    void CountdownTextChanged(const std::string& text) override {
        EXPECT_EQ(text, seq_->countdownText());
        countdownText = text;
    }
    void SecondsTextChanged(const std::string& text) override {
        EXPECT_EQ(text, seq_->secondsText());
        secondsText = text;
    }
    void TimersChanged(bool step, bool seconds) override {
        EXPECT_EQ(step, seq_->stepTimerOn());
        EXPECT_EQ(seconds, seq_->secondsTimerOn());
        stepTimer = step;
        secondsTimer = seconds;
        log_.push_back(std::string("timers ") + (step ? "on" : "off") + ' ' +
                       (seconds ? "on" : "off"));
    }

    std::vector<std::string> rows;
    std::size_t current = 0;
    std::array<int, 16> tops{};
    std::array<bool, 16> green{};
    std::string patternField;
    std::string delayField;
    std::string countdownText;
    std::string secondsText;
    bool stepTimer = false;
    bool secondsTimer = false;

private:
    EventLog& log_;
    const sequencer::Sequencer* seq_ = nullptr;
};

// The pattern with only the given relays on.
inline std::string Pattern(std::initializer_list<int> relaysOn) {
    std::string p(sequence::kAllOffPattern);
    for (const int k : relaysOn) {
        p[static_cast<std::size_t>(k - 1)] = '1';
    }
    return p;
}

inline std::string Step(const std::string& pattern, long delay) {
    return *sequence::BuildStepText(pattern, std::to_string(delay));
}

inline std::string SendOf(const std::string& pattern) {
    return Describe(board::SetRelaysCommand(pattern));
}

// A sequencer with its recorders; the view checks itself against it after every test.
class SequencerTest : public testing::Test {
protected:
    SequencerTest() { view.Attach(seq); }
    void TearDown() override { view.ExpectMirrors(); }

    // Puts rows in place without a selection action and forgets what that reported.
    void SetRows(const std::vector<std::string>& rows) {
        seq.SetRowCount(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            seq.SetRowText(i, rows[i]);
        }
        log.clear();
        sink.sent.clear();
    }

    // Only what went to the board, in order.
    std::vector<std::string> Sends() const {
        std::vector<std::string> out;
        for (const auto& c : sink.sent) {
            out.push_back(Describe(c));
        }
        return out;
    }

    void Forget() {
        log.clear();
        sink.sent.clear();
    }

    EventLog log;
    RecordingSink sink{log};
    MirrorView view{log};
    sequencer::Sequencer seq{sink, view};
};

} // namespace sequencer_test
