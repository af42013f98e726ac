#include "recording.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using sequencer_test::Pattern;
using sequencer_test::SendOf;
using sequencer_test::SequencerTest;
using sequencer_test::Step;

using Sent = std::vector<std::string>;

class PlaybackTest : public SequencerTest {
protected:
    // Delays 3, 1, 2; relay k+1 on in step k.
    void ThreeSteps() {
        SetRows({Step(Pattern({1}), 3), Step(Pattern({2}), 1), Step(Pattern({3}), 2)});
        seq.ClickRow(0);
    }

    // Starts with the given rows, the first selected, and forgets the start-up sends.
    void StartWith(const std::vector<std::string>& rows, bool repeat = false) {
        SetRows(rows);
        seq.ClickRow(0);
        seq.SetRepeat(repeat);
        seq.Start();
        Forget();
    }

    // The countdown display after each of `ticks` ticks.
    std::vector<std::string> Displays(int ticks) {
        std::vector<std::string> out;
        for (int i = 0; i < ticks; ++i) {
            seq.StepTick();
            out.push_back(seq.countdownText());
        }
        return out;
    }
};

struct TickExpect {
    const char* display;
    std::size_t current;
    int sentRelay; // 0: nothing sent in this tick
};

struct ExampleCase {
    const char* name;
    bool repeat;
    std::vector<TickExpect> ticks;
};

class PlaybackExampleTest : public PlaybackTest, public testing::WithParamInterface<ExampleCase> {};

TEST_P(PlaybackExampleTest, ShowsSendsAndHoldsTickByTick) {
    const ExampleCase& c = GetParam();
    ThreeSteps();
    seq.SetRepeat(c.repeat);
    Forget();

    seq.Start();
    EXPECT_EQ(Sends(), Sent{SendOf(Pattern({1}))});
    EXPECT_EQ(seq.stepCountdown(), 3);
    EXPECT_TRUE(seq.stepTimerOn());
    EXPECT_TRUE(seq.secondsTimerOn());

    std::vector<int> entered{0}; // the tick each step was entered on
    for (std::size_t t = 0; t < c.ticks.size(); ++t) {
        const TickExpect& e = c.ticks[t];
        Forget();
        const std::size_t before = seq.currentRow();
        seq.StepTick();
        if (seq.currentRow() != before) {
            entered.push_back(static_cast<int>(t + 1));
        }
        EXPECT_EQ(seq.countdownText(), e.display) << "tick " << t + 1;
        EXPECT_EQ(std::to_string(seq.stepCountdown()), e.display) << "tick " << t + 1;
        EXPECT_EQ(seq.currentRow(), e.current) << "tick " << t + 1;
        EXPECT_EQ(Sends(), e.sentRelay ? Sent{SendOf(Pattern({e.sentRelay}))} : Sent{})
            << "tick " << t + 1;
    }
    ASSERT_GE(entered.size(), 3u);
    EXPECT_EQ(entered[1] - entered[0], 3);
    EXPECT_EQ(entered[2] - entered[1], 1);
    if (c.repeat) {
        ASSERT_GE(entered.size(), 4u);
        EXPECT_EQ(entered[3] - entered[2], 2);
    }
    EXPECT_TRUE(seq.stepTimerOn()); // holding keeps both timers running
    EXPECT_TRUE(seq.secondsTimerOn());
}

INSTANTIATE_TEST_SUITE_P(Cases, PlaybackExampleTest,
                         testing::Values(ExampleCase{"Once",
                                                     false,
                                                     {{"2", 0, 0},
                                                      {"1", 0, 0},
                                                      {"1", 1, 2},
                                                      {"2", 2, 3},
                                                      {"1", 2, 0},
                                                      {"0", 2, 0},
                                                      {"0", 2, 0},
                                                      {"0", 2, 0}}},
                                         ExampleCase{"Repeat",
                                                     true,
                                                     {{"2", 0, 0},
                                                      {"1", 0, 0},
                                                      {"1", 1, 2},
                                                      {"2", 2, 3},
                                                      {"1", 2, 0},
                                                      {"3", 0, 1},
                                                      {"2", 0, 0},
                                                      {"1", 0, 0},
                                                      {"1", 1, 2}}}),
                         [](const testing::TestParamInfo<ExampleCase>& info) {
                             return info.param.name;
                         });

struct OneStepCase {
    const char* delayField;
    std::vector<std::string> displays;
};

class OneStepRepeatTest : public PlaybackTest, public testing::WithParamInterface<OneStepCase> {};

TEST_P(OneStepRepeatTest, RestartsTheCountWithoutSelectingAgain) {
    const OneStepCase& c = GetParam();
    SetRows({Step(Pattern({7}), 2)});
    seq.ClickRow(0);
    seq.SetDelayField(c.delayField);
    seq.SetRepeat(true);
    seq.Start();
    Forget();
    EXPECT_EQ(Displays(static_cast<int>(c.displays.size())), c.displays);
    EXPECT_TRUE(log.empty()) << "the row was selected again or something was sent";
}

INSTANTIATE_TEST_SUITE_P(Cases, OneStepRepeatTest,
                         testing::Values(OneStepCase{"2", {"1", "2", "1", "2", "1"}},
                                         // not a number: Start loads 0, each wrap 0 + 1
                                         OneStepCase{"abc", {"0", "0", "0"}}));

TEST_F(PlaybackTest, ALastStepThatReadsZeroWrapsInTheTickThatEntersIt) {
    StartWith({Step(Pattern({1}), 2), Step(Pattern({2}), 0)}, true);
    EXPECT_EQ(Displays(1), std::vector<std::string>{"1"});
    seq.StepTick();
    EXPECT_EQ(Sends(), (Sent{SendOf(Pattern({2})), SendOf(Pattern({1}))}));
    EXPECT_EQ(seq.currentRow(), 0u);
    EXPECT_EQ(seq.countdownText(), "2");
}

TEST_F(PlaybackTest, ADelayFieldThatIsNotANumberLastsOneTick) {
    SetRows({Step(Pattern({1}), 3), Step(Pattern({2}), 4)});
    seq.ClickRow(0);
    seq.SetDelayField("abc");
    seq.Start();
    EXPECT_EQ(seq.stepCountdown(), 0);
    seq.StepTick();
    EXPECT_EQ(seq.currentRow(), 1u);
    EXPECT_EQ(seq.countdownText(), "4");
}

TEST_F(PlaybackTest, NegativeDelaysRunOutAtOnceAndFallOnAHeldLastStep) {
    StartWith({Step(Pattern({1}), 1), Step(Pattern({2}), -5), Step(Pattern({3}), -5)});
    EXPECT_EQ(Displays(4), (std::vector<std::string>{"-5", "-5", "-6", "-7"}));
    EXPECT_EQ(seq.currentRow(), 2u);
    EXPECT_EQ(Sends(), (Sent{SendOf(Pattern({2})), SendOf(Pattern({3}))}));
}

struct StopCase {
    int ticksBefore;
    std::size_t currentBefore;
    Sent sent;
};

class StopTest : public PlaybackTest, public testing::WithParamInterface<StopCase> {};

TEST_P(StopTest, SelectsTheFirstStepThenSwitchesAllOff) {
    const StopCase& c = GetParam();
    ThreeSteps();
    seq.Start();
    for (int i = 0; i < c.ticksBefore; ++i) {
        seq.StepTick();
        seq.SecondsTick();
    }
    ASSERT_EQ(seq.currentRow(), c.currentBefore);
    const long countdown = seq.stepCountdown();
    Forget();

    seq.Stop();

    EXPECT_EQ(Sends(), c.sent);
    EXPECT_EQ(seq.currentRow(), 0u);
    EXPECT_FALSE(seq.stepTimerOn());
    EXPECT_FALSE(seq.secondsTimerOn());
    EXPECT_EQ(seq.countdownText(), "0");
    EXPECT_EQ(seq.secondsText(), "0");
    EXPECT_EQ(seq.elapsedSeconds(), 0);
    EXPECT_EQ(seq.stepCountdown(), countdown);
    EXPECT_EQ(seq.delayField(), "3");
}

INSTANTIATE_TEST_SUITE_P(Cases, StopTest,
                         testing::Values(StopCase{1, 0, {"send off"}},
                                         StopCase{4, 2, {SendOf(Pattern({1})), "send off"}}));

TEST_F(PlaybackTest, StartDuringPlaybackStartsOver) {
    ThreeSteps();
    seq.Start();
    for (int i = 0; i < 4; ++i) {
        seq.StepTick();
        seq.SecondsTick();
    }
    EXPECT_EQ(seq.secondsText(), "4");
    Forget();

    seq.Start();

    // once by the selection action, once by Start itself
    EXPECT_EQ(Sends(), (Sent{SendOf(Pattern({1})), SendOf(Pattern({1}))}));
    EXPECT_EQ(seq.currentRow(), 0u);
    EXPECT_EQ(seq.secondsText(), "0");
    EXPECT_EQ(seq.elapsedSeconds(), 0);
    EXPECT_EQ(seq.stepCountdown(), 3);
    seq.SecondsTick();
    EXPECT_EQ(seq.secondsText(), "1");
    EXPECT_EQ(Displays(3), (std::vector<std::string>{"2", "1", "1"}));
    EXPECT_EQ(seq.currentRow(), 1u);
}

TEST_F(PlaybackTest, RightAfterStartUpStartCountsFromTheDesignText) {
    seq.Start();
    EXPECT_EQ(seq.stepCountdown(), 10);
}

TEST_F(PlaybackTest, AfterLoadingTheEditingStateTheFirstStepLastsOneTick) {
    seq.LoadEditingState(0);
    seq.SetRowCount(2);
    seq.SetRowText(1, Step(Pattern({8}), 4));
    seq.Start();
    Forget();
    seq.StepTick();
    EXPECT_EQ(seq.currentRow(), 1u);
    EXPECT_EQ(Sends(), Sent{SendOf(Pattern({8}))});
}

TEST_F(PlaybackTest, AChangedDelayCountsTheNextTimeTheStepIsEntered) {
    StartWith({Step(Pattern({1}), 3), Step(Pattern({2}), 1), Step(Pattern({3}), 2)}, true);
    seq.StepTick();
    seq.SetDelayField("5");
    EXPECT_EQ(seq.rowText(0), Step(Pattern({1}), 5));
    // the running count is not reloaded: the step still ends on tick 3
    EXPECT_EQ(Displays(2), (std::vector<std::string>{"1", "1"}));
    EXPECT_EQ(seq.currentRow(), 1u);
    EXPECT_EQ(Displays(3), (std::vector<std::string>{"2", "1", "5"}));
    EXPECT_EQ(seq.currentRow(), 0u);
}

TEST_F(PlaybackTest, AnotherRowMadeCurrentFinishesTheRunningCount) {
    StartWith({Step(Pattern({1}), 3), Step(Pattern({2}), 1), Step(Pattern({3}), 2)});
    seq.StepTick();
    Forget();
    seq.ClickRow(2);
    EXPECT_EQ(Sends(), Sent{SendOf(Pattern({3}))});
    EXPECT_EQ(seq.stepCountdown(), 2);
    EXPECT_EQ(Displays(3), (std::vector<std::string>{"1", "0", "0"}));

    // holding: the next tick moves on at once from a row other than the last
    seq.ClickRow(0);
    Forget();
    seq.StepTick();
    EXPECT_EQ(seq.currentRow(), 1u);
    EXPECT_EQ(Sends(), Sent{SendOf(Pattern({2}))});
    EXPECT_EQ(seq.countdownText(), "1");
}

TEST_F(PlaybackTest, TheSecondsTickCountsAndShowsTotalTime) {
    ThreeSteps();
    seq.Start();
    for (int i = 0; i < 3; ++i) {
        seq.SecondsTick();
    }
    EXPECT_EQ(seq.elapsedSeconds(), 3);
    EXPECT_EQ(seq.secondsText(), "3");
}

} // namespace
