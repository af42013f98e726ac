#include "recording.h"

#include "sequence/range_error.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using sequencer_test::Pattern;
using sequencer_test::SendOf;
using sequencer_test::SequencerTest;
using sequencer_test::Step;

// Every relay on, so the relays a failed read reaches show as turned off.
const std::string kAllOn = "1111111111111111";
const std::string kGood = Step(kAllOn, 2);
const std::string kNext = Step(Pattern({9}), 3);

struct ShortRow {
    const char* name;
    std::string text;
    std::size_t failsAt;
    std::string lamps;        // '1' green, after the failure
    std::string patternField; // after the failure
};

// Rows hand out their text followed by CR LF, so those two characters count as off.
const ShortRow kShortRows[] = {
    {"Empty", "", 3, "00" + kAllOn.substr(2), kAllOn},
    {"TenChars", "0101010101", 13, "010101010100" + kAllOn.substr(12), kAllOn},
    {"ThirteenChars", "0000000000000", 16, "0000000000000001", kAllOn},
    {"FourteenChars", "01010101010101", 20, "0101010101010100", "01010101010101\r\n"},
    {"TwentyChars", "1000000000000001 - 5", 23, "1000000000000001", "1000000000000001"},
};

enum class Way { Click, Start, Tick };

class ShortRowTest : public SequencerTest,
                     public testing::WithParamInterface<std::tuple<ShortRow, Way>> {
protected:
    // Leaves the good row's editing state shown and returns the row the failure is on.
    std::size_t Prepare(const ShortRow& row, Way way) {
        switch (way) {
        case Way::Click:
            SetRows({kGood, row.text, kNext});
            seq.ClickRow(0);
            break;
        case Way::Start:
            SetRows({row.text, kGood, kNext});
            seq.ClickRow(1);
            break;
        case Way::Tick:
            SetRows({kGood, row.text, kNext});
            seq.ClickRow(0);
            seq.Start();
            seq.StepTick(); // the count is now 1, shown
            break;
        }
        Forget();
        return way == Way::Start ? 0 : 1;
    }

    void Act(Way way) {
        switch (way) {
        case Way::Click:
            seq.ClickRow(1);
            break;
        case Way::Start:
            seq.Start();
            break;
        case Way::Tick:
            seq.StepTick();
            break;
        }
    }
};

TEST_P(ShortRowTest, StopsAfterThePartialChangesAndSendsNothing) {
    const auto& [row, way] = GetParam();
    const std::size_t failing = Prepare(row, way);
    const bool playing = way == Way::Tick;

    try {
        Act(way);
        FAIL() << "no range error";
    } catch (const sequence::RangeError& e) {
        EXPECT_EQ(e.position(), row.failsAt);
        EXPECT_EQ(e.text(), row.text);
    }

    EXPECT_EQ(seq.currentRow(), failing);
    for (int k = 1; k <= 16; ++k) {
        const bool on = row.lamps[static_cast<std::size_t>(k - 1)] == '1';
        EXPECT_EQ(seq.lampGreen(k), on) << "relay " << k;
        EXPECT_EQ(seq.buttonTop(k), on ? sequencer::kButtonTopOn : sequencer::kButtonTopOff)
            << "relay " << k;
    }
    EXPECT_EQ(seq.patternField(), row.patternField);
    EXPECT_EQ(seq.relayPattern(), row.patternField);
    EXPECT_EQ(seq.delayField(), "2");
    EXPECT_EQ(seq.rowText(failing), row.text);
    EXPECT_TRUE(sink.sent.empty());
    EXPECT_EQ(seq.stepTimerOn(), playing);
    EXPECT_EQ(seq.secondsTimerOn(), playing);

    if (playing) {
        // neither reloaded nor decreased, and the display keeps its text
        EXPECT_EQ(seq.stepCountdown(), 1);
        EXPECT_EQ(seq.countdownText(), "1");
        seq.StepTick(); // moves on again
        EXPECT_EQ(seq.currentRow(), 2u);
        EXPECT_EQ(Sends(), (std::vector<std::string>{SendOf(Pattern({9}))}));
        EXPECT_EQ(seq.countdownText(), "3");
    }
}

std::string CaseName(const testing::TestParamInfo<std::tuple<ShortRow, Way>>& info) {
    static const char* const kWays[] = {"Click", "Start", "Tick"};
    return std::string(std::get<0>(info.param).name) + "By" +
           kWays[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(Cases, ShortRowTest,
                         testing::Combine(testing::ValuesIn(kShortRows),
                                          testing::Values(Way::Click, Way::Start, Way::Tick)),
                         CaseName);

using StartShortRowTest = SequencerTest;

TEST_F(StartShortRowTest, AShortCurrentFirstRowStopsStartBeforeTheTimers) {
    SetRows({"0101010101", kGood});
    try {
        seq.Start();
        FAIL() << "no range error";
    } catch (const sequence::RangeError& e) {
        EXPECT_EQ(e.position(), 13u);
    }
    EXPECT_FALSE(seq.stepTimerOn());
    EXPECT_FALSE(seq.secondsTimerOn());
    EXPECT_TRUE(sink.sent.empty());
    // the characters read so far are in the buffer, but the pattern field was not set
    EXPECT_EQ(seq.relayPattern(), "0101010101\r\n0000");
    EXPECT_EQ(seq.patternField(), std::string(16, '0'));
}

TEST_F(StartShortRowTest, StartReadsOnlyThePatternOfACurrentFirstRow) {
    SetRows({"10000000000001", kGood}); // too short for the delay, long enough here
    seq.Start();
    EXPECT_TRUE(seq.stepTimerOn());
    EXPECT_EQ(seq.patternField(), "10000000000001\r\n");
    EXPECT_EQ(Sends(), (std::vector<std::string>{SendOf("1000000000000100")}));
    EXPECT_EQ(seq.stepCountdown(), 10); // from the delay field
}

TEST_F(StartShortRowTest, StopSwitchesTheRelaysOffEvenWhenTheFirstRowIsShort) {
    SetRows({kGood, kGood});
    seq.Start();
    seq.ClickRow(1);
    seq.SetRowText(0, "0101010101");
    Forget();
    EXPECT_THROW(seq.Stop(), sequence::RangeError);
    EXPECT_EQ(Sends(), (std::vector<std::string>{"send off"}));
    EXPECT_FALSE(seq.stepTimerOn());
    EXPECT_FALSE(seq.secondsTimerOn());
    EXPECT_EQ(seq.elapsedSeconds(), 0);
}

} // namespace
