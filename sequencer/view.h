#pragma once

#include <cstddef>
#include <string>

namespace sequencer {

inline constexpr int kButtonTopOn = 50;
inline constexpr int kButtonTopOff = 160;

// What a window mirrors. Each call comes right after the change it reports, synchronously,
// so a view that reads the sequencer back sees the new state. All default to nothing.
class View {
public:
    virtual ~View() = default;
    // The list now holds `count` rows (texts of surviving rows may have changed too only
    // when RowTextChanged or AllRowsChanged says so).
    virtual void RowCountChanged(std::size_t /*count*/) {}
    virtual void RowTextChanged(std::size_t /*row*/) {}
    // Every row's text may differ (a loaded file).
    virtual void AllRowsChanged() {}
    virtual void CurrentRowChanged(std::size_t /*row*/) {}
    // relay is 1-16; top is kButtonTopOn or kButtonTopOff.
    virtual void RelayButtonMoved(int /*relay*/, int /*top*/) {}
    virtual void LampChanged(int /*relay*/, bool /*green*/) {}
    virtual void PatternFieldChanged(const std::string& /*text*/) {}
    virtual void DelayFieldChanged(const std::string& /*text*/) {}
    virtual void CountdownTextChanged(const std::string& /*text*/) {}
    virtual void SecondsTextChanged(const std::string& /*text*/) {}
    virtual void TimersChanged(bool /*stepTimerOn*/, bool /*secondsTimerOn*/) {}
};

} // namespace sequencer
