#include "recording.h"

#include "sequence/step_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using sequencer_test::EventLog;
using sequencer_test::Pattern;
using sequencer_test::SendOf;
using sequencer_test::SequencerTest;
using sequencer_test::Step;

const std::string kDefault(sequence::kDefaultStep);
const std::string kAllOffSend = SendOf(std::string(sequence::kAllOffPattern));

class ListCommandsTest : public SequencerTest {
protected:
    const std::vector<std::string> rows_{Step(Pattern({1}), 3), Step(Pattern({2}), 1),
                                         Step(Pattern({3}), 2)};

    void ThreeSteps(std::size_t current) {
        SetRows(rows_);
        seq.ClickRow(current);
        Forget();
    }

    void ExpectEditingStateShows(const std::string& pattern, const std::string& delay) {
        EXPECT_EQ(seq.patternField(), pattern);
        EXPECT_EQ(seq.delayField(), delay);
        for (int k = 1; k <= 16; ++k) {
            EXPECT_EQ(seq.lampGreen(k), pattern[static_cast<std::size_t>(k - 1)] == '1') << k;
        }
    }
};

struct AddCase {
    std::size_t current;
    std::size_t newCurrent;
    int sentRelay; // the pattern of the row made current
};

class AddTest : public ListCommandsTest, public testing::WithParamInterface<AddCase> {};

TEST_P(AddTest, AppendsACopyOfTheLastStepAndMovesDownOne) {
    const AddCase& c = GetParam();
    ThreeSteps(c.current);
    seq.Add();
    std::vector<std::string> expected = rows_;
    expected.push_back(rows_[2]);
    EXPECT_EQ(seq.steps().rows(), expected);
    EXPECT_EQ(seq.currentRow(), c.newCurrent);
    EXPECT_EQ(Sends(), (std::vector<std::string>{SendOf(Pattern({c.sentRelay}))}));
}

INSTANTIATE_TEST_SUITE_P(Cases, AddTest,
                         testing::Values(AddCase{0, 1, 2},   // first current
                                         AddCase{2, 3, 3})); // last current: the copy

TEST_F(ListCommandsTest, RemovingTheOnlyStepChangesNothing) {
    seq.Remove();
    EXPECT_EQ(seq.steps().rows(), std::vector<std::string>{kDefault});
    EXPECT_TRUE(log.empty());
}

TEST_F(ListCommandsTest, RemoveTakesTheLastRowAwayWhicheverIsCurrent) {
    ThreeSteps(0);
    seq.Remove();
    EXPECT_EQ(seq.steps().rows(), (std::vector<std::string>{rows_[0], rows_[1]}));
    EXPECT_EQ(seq.currentRow(), 0u);
    EXPECT_TRUE(sink.sent.empty());
    ExpectEditingStateShows(Pattern({1}), "3");
}

TEST_F(ListCommandsTest, RemovingTheCurrentLastRowSelectsTheNewLastRow) {
    ThreeSteps(2);
    seq.Remove();
    EXPECT_EQ(seq.currentRow(), 1u);
    EXPECT_EQ(Sends(), (std::vector<std::string>{SendOf(Pattern({2}))}));
    ExpectEditingStateShows(Pattern({2}), "1");

    // the next edit changes the step now current, not the removed one
    seq.ToggleRelay(5);
    EXPECT_EQ(seq.steps().rows(), (std::vector<std::string>{rows_[0], Step(Pattern({2, 5}), 1)}));
}

struct ClearCase {
    std::size_t current;
    std::size_t selections;
};

class ClearTest : public ListCommandsTest, public testing::WithParamInterface<ClearCase> {};

TEST_P(ClearTest, LeavesOneDefaultStepShownAndSent) {
    const ClearCase& c = GetParam();
    ThreeSteps(c.current);
    seq.Clear();
    EXPECT_EQ(seq.steps().rows(), std::vector<std::string>{kDefault});
    EXPECT_EQ(seq.currentRow(), 0u);
    EXPECT_EQ(Sends(), std::vector<std::string>(c.selections, kAllOffSend));
    ExpectEditingStateShows(std::string(sequence::kAllOffPattern), "1");
}

INSTANTIATE_TEST_SUITE_P(Cases, ClearTest,
                         testing::Values(ClearCase{0, 2}, ClearCase{1, 1}, ClearCase{2, 1}));

TEST_F(ListCommandsTest, ClearDuringPlaybackLeavesPlaybackRunning) {
    ThreeSteps(0);
    seq.Start();
    seq.StepTick();
    seq.SecondsTick();
    seq.Clear();
    EXPECT_TRUE(seq.stepTimerOn());
    EXPECT_TRUE(seq.secondsTimerOn());
    EXPECT_EQ(seq.stepCountdown(), 2);
    EXPECT_EQ(seq.countdownText(), "2");
    EXPECT_EQ(seq.elapsedSeconds(), 1);
    EXPECT_EQ(seq.secondsText(), "1");
}

TEST_F(ListCommandsTest, NewStopsBothTimersAndResetsTheList) {
    ThreeSteps(1);
    seq.Start();
    seq.StepTick();
    seq.SecondsTick();
    const long countdown = seq.stepCountdown();
    Forget();

    seq.New();

    EXPECT_FALSE(seq.stepTimerOn());
    EXPECT_FALSE(seq.secondsTimerOn());
    EXPECT_EQ(seq.countdownText(), "0");
    EXPECT_EQ(seq.secondsText(), "0");
    EXPECT_EQ(seq.elapsedSeconds(), 0);
    EXPECT_EQ(seq.stepCountdown(), countdown);
    EXPECT_EQ(seq.steps().rows(), std::vector<std::string>{kDefault});
    EXPECT_EQ(Sends(), (std::vector<std::string>{kAllOffSend, kAllOffSend}));
}

TEST_F(ListCommandsTest, ReplacingTheStepsSelectsTheFirstAndLeavesTheCountRunning) {
    ThreeSteps(0);
    seq.Start();
    seq.StepTick();
    seq.ClickRow(1);
    Forget();
    const std::vector<std::string> loaded{Step(Pattern({4}), 5), Step(Pattern({5}), 6)};

    seq.ReplaceSteps(loaded);

    EXPECT_EQ(seq.steps().rows(), loaded);
    EXPECT_EQ(log, (EventLog{"count 2", "all rows", "current 0", "delay 5", "row 0",
                             SendOf(Pattern({4}))}));
    EXPECT_EQ(seq.stepCountdown(), 2);
    EXPECT_TRUE(seq.stepTimerOn());
    ExpectEditingStateShows(Pattern({4}), "5");
}

TEST_F(ListCommandsTest, ReplacingWithNoStepsKeepsTheDefaultStep) {
    ThreeSteps(2);
    seq.ReplaceSteps({});
    EXPECT_EQ(seq.steps().rows(), std::vector<std::string>{kDefault});
    EXPECT_EQ(seq.currentRow(), 0u);
    EXPECT_EQ(Sends(), (std::vector<std::string>{kAllOffSend}));
}

} // namespace
