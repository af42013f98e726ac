#pragma once

#include "board/command_sink.h"
#include "sequencer/step_list.h"
#include "sequencer/view.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace sequencer {

// The step list, the editing state and playback. Holds every rule of the list control and
// the delay field, so any widgets can show it: the window forwards clicks, keys and timer
// ticks here and mirrors what the View hears. Operations that read a row too short for
// its reads throw sequence::RangeError after the partial changes they have made.
// Rows passed in must exist (std::out_of_range otherwise); relays are 1-16.
class Sequencer {
public:
    // The state after the window's creation. Neither sends nor tells the view anything:
    // the window reads the starting state back once it is built.
    Sequencer(board::CommandSink& sink, View& view);

    // --- state ---
    const StepList& steps() const { return steps_; }
    std::size_t rowCount() const { return steps_.count(); }
    std::size_t currentRow() const { return steps_.current(); }
    const std::string& rowText(std::size_t row) const { return steps_.text(row); }

    const std::string& relayPattern() const { return pattern_; }      // the buffer
    const std::string& patternField() const { return patternField_; } // Edit2
    const std::string& delayField() const { return delayField_; }     // Edit1
    int buttonTop(int relay) const;                                   // relay 1-16
    bool lampGreen(int relay) const;                                  // relay 1-16

    long stepCountdown() const { return stepCountdown_; }
    long elapsedSeconds() const { return elapsedSeconds_; }
    const std::string& countdownText() const { return countdownText_; } // Label4
    const std::string& secondsText() const { return secondsText_; }     // Label2
    bool stepTimerOn() const { return stepTimerOn_; }                   // Timer1
    bool secondsTimerOn() const { return secondsTimerOn_; }             // Timer2
    bool repeat() const { return repeat_; }                             // CheckBox1
    void SetRepeat(bool on) { repeat_ = on; }

    // --- the list control's rules ---
    // A mouse click: the row becomes current and the selection action runs, also on the
    // row that already was current.
    void ClickRow(std::size_t row);
    // Keyboard or program: runs the selection action only when the index changes.
    void SetCurrentRow(std::size_t row);
    void SetRowCount(std::size_t count);
    void SetRowText(std::size_t row, std::string_view text);

    // --- editing ---
    // Sets the delay field's text; Edit1Change runs exactly when the text changes.
    void SetDelayField(std::string_view text);
    // The arrows beside the delay field: +1 or -1 from the field's value, kept to 1-9999,
    // written back as plain digits.
    void StepDelay(int direction);
    // Relay toggle of a relay button (1-16); the button's position decides the direction.
    void ToggleRelay(int relay);
    void StoreCurrentStep();
    void Edit1Change();
    // The selection action on the current row.
    void StringGrid1Click();
    // The selection action's loading of row into the editing state, without sending. A
    // row other than the current one becomes current first (without the selection action),
    // since the delay field's rewrite goes into the current row. Used at start-up.
    void LoadEditingState(std::size_t row);

    // --- list commands ---
    void Add();    // SpeedButton3Click
    void Remove(); // SpeedButton5Click
    void Clear();  // SpeedButton4Click
    void New();    // New1Click, but for the caption, which the window owns
    // A loaded file: the list becomes `steps` (at least one row is kept), row 0 current,
    // and the selection action runs on it. Playback, if running, goes on without a reload.
    void ReplaceSteps(std::vector<std::string> steps);

    // --- playback ---
    void Start();       // SpeedButton1Click
    void Stop();        // SpeedButton2Click
    void StepTick();    // Timer1Timer
    void SecondsTick(); // Timer2Timer

private:
    // Moves the current row and tells the view; no selection action. Returns whether the
    // index changed.
    bool MoveCurrentRow(std::size_t row);
    void SelectionAction(bool send);
    void ListReset();
    void ShowCountdown();
    void SetCountdownText(std::string text);
    void SetSecondsText(std::string text);
    void SetTimers(bool step, bool seconds);
    void SetPatternField();
    void SetRelay(int relay, bool on);
    long DelayFieldForCountdown() const;
    void SendPattern();

    board::CommandSink& sink_;
    View& view_;
    StepList steps_;
    std::string pattern_;
    std::string patternField_;
    std::string delayField_;
    std::array<int, 16> buttonTop_{};
    std::array<bool, 16> lampGreen_{};
    long stepCountdown_ = 0;
    long elapsedSeconds_ = 0;
    std::string countdownText_ = "0";
    std::string secondsText_ = "0";
    bool stepTimerOn_ = false;
    bool secondsTimerOn_ = false;
    bool repeat_ = false;
};

} // namespace sequencer
