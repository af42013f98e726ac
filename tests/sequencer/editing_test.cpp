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

constexpr const char* kDefault = "0000000000000000 -    1    ";
const std::string kOff(sequence::kAllOffPattern);

using EditingTest = SequencerTest;

TEST_F(EditingTest, StartsInTheStateTheWindowIsCreatedWith) {
    EXPECT_EQ(seq.steps().rows(), std::vector<std::string>{kDefault});
    EXPECT_EQ(seq.currentRow(), 0u);
    EXPECT_EQ(seq.relayPattern(), kOff);
    EXPECT_EQ(seq.patternField(), kOff);
    EXPECT_EQ(seq.delayField(), "10");
    for (int k = 1; k <= 16; ++k) {
        EXPECT_EQ(seq.buttonTop(k), sequencer::kButtonTopOff) << k;
        EXPECT_FALSE(seq.lampGreen(k)) << k;
    }
    EXPECT_EQ(seq.stepCountdown(), 0);
    EXPECT_EQ(seq.elapsedSeconds(), 0);
    EXPECT_EQ(seq.countdownText(), "0");
    EXPECT_EQ(seq.secondsText(), "0");
    EXPECT_FALSE(seq.stepTimerOn());
    EXPECT_FALSE(seq.secondsTimerOn());
    EXPECT_FALSE(seq.repeat());
    EXPECT_TRUE(log.empty());
}

TEST_F(EditingTest, SettingAnotherRowRunsTheSelectionActionBeforeReturning) {
    SetRows({Step(Pattern({1}), 3), Step(Pattern({2}), 5)});

    seq.SetCurrentRow(1);

    // The row is rewritten because the delay field's text changed (10 -> 5).
    EXPECT_EQ(log, (EventLog{"current 1", "delay 5", "row 1", SendOf(Pattern({2}))}));
    EXPECT_EQ(seq.patternField(), Pattern({2}));
    EXPECT_EQ(seq.relayPattern(), Pattern({2}));
    EXPECT_EQ(seq.buttonTop(2), sequencer::kButtonTopOn);
    EXPECT_TRUE(seq.lampGreen(2));
    EXPECT_EQ(seq.buttonTop(1), sequencer::kButtonTopOff);

    Forget();
    seq.SetCurrentRow(1);
    EXPECT_TRUE(log.empty());
}

TEST_F(EditingTest, AClickRunsTheSelectionActionAgainOnTheCurrentRow) {
    SetRows({Step(Pattern({1}), 3), Step(Pattern({2}), 5)});
    seq.ClickRow(0);
    seq.ClickRow(0);
    // the second time the delay field already says 3, so the row is not rewritten
    EXPECT_EQ(log, (EventLog{"delay 3", "row 0", SendOf(Pattern({1})), SendOf(Pattern({1}))}));
    EXPECT_THROW(seq.ClickRow(2), std::out_of_range);
}

TEST_F(EditingTest, ChangingTheRowCountOrARowTextRunsNothing) {
    SetRows({Step(Pattern({1}), 3), Step(Pattern({2}), 5), Step(Pattern({3}), 7)});
    seq.SetCurrentRow(2);
    Forget();

    seq.SetRowCount(2);
    EXPECT_EQ(log, (EventLog{"count 2", "current 1"}));
    EXPECT_EQ(seq.delayField(), "7"); // the editing state still shows the cut row
    EXPECT_EQ(seq.patternField(), Pattern({3}));

    Forget();
    seq.SetRowText(0, "anything\r\nelse");
    EXPECT_EQ(seq.rowText(0), "anything");
    seq.SetRowCount(0);
    EXPECT_EQ(log, (EventLog{"row 0", "count 1", "current 0"}));
    EXPECT_EQ(seq.rowText(0), "anything");
}

TEST_F(EditingTest, TheDelayFieldStoresTheStepOnlyWhenItsTextChanges) {
    seq.SetRowText(0, "left alone");
    seq.SetDelayField("10"); // the text it already has
    EXPECT_EQ(seq.rowText(0), "left alone");

    for (const std::string typed : {"1", "12", "123", "1234", "12345"}) {
        seq.SetDelayField(typed);
    }
    // too large a value builds nothing: the row keeps the last text that fitted
    EXPECT_EQ(seq.rowText(0), "0000000000000000 - 1234    ");
    EXPECT_EQ(seq.delayField(), "12345");
}

struct ArrowCase {
    const char* field;
    int direction;
    const char* expected;
};

class DelayArrowTest : public SequencerTest, public testing::WithParamInterface<ArrowCase> {};

TEST_P(DelayArrowTest, StepsWithinOneTo9999AndStoresTheStep) {
    const ArrowCase& c = GetParam();
    seq.SetDelayField(c.field);
    seq.StepDelay(c.direction);
    EXPECT_EQ(seq.delayField(), c.expected);
    EXPECT_EQ(seq.rowText(0), *sequence::BuildStepText(kOff, c.expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, DelayArrowTest,
                         testing::Values(ArrowCase{"10", +1, "11"}, ArrowCase{"10", -1, "9"},
                                         ArrowCase{"1", -1, "1"}, ArrowCase{"9999", +1, "9999"},
                                         ArrowCase{"9998", +1, "9999"}, ArrowCase{"abc", +1, "1"},
                                         ArrowCase{"", -1, "1"}, ArrowCase{"0012", +1, "13"},
                                         ArrowCase{"-40", +1, "1"}, ArrowCase{"20000", -1, "9999"},
                                         ArrowCase{"99999999999999999999", +1, "9999"}));

TEST_F(EditingTest, ARelayPressRewritesTheStepAndSendsNothing) {
    seq.SetDelayField("1");
    seq.ToggleRelay(4);
    EXPECT_EQ(seq.rowText(0), "0001000000000000 -    1    ");
    EXPECT_EQ(seq.buttonTop(4), sequencer::kButtonTopOn);
    EXPECT_TRUE(seq.lampGreen(4));
    EXPECT_EQ(seq.relayPattern(), Pattern({4}));
    EXPECT_EQ(seq.patternField(), Pattern({4}));

    seq.ToggleRelay(4);
    EXPECT_EQ(seq.rowText(0), kDefault);
    EXPECT_EQ(seq.buttonTop(4), sequencer::kButtonTopOff);
    EXPECT_FALSE(seq.lampGreen(4));
    EXPECT_TRUE(sink.sent.empty());
    EXPECT_THROW(seq.ToggleRelay(17), std::out_of_range);
    EXPECT_THROW(seq.ToggleRelay(0), std::out_of_range);
}

TEST_F(EditingTest, TheFirstRelayPressAfterStartUpWritesTheDesignDelay) {
    seq.ToggleRelay(1);
    EXPECT_EQ(seq.rowText(0), "1000000000000000 -   10    ");
}

TEST_F(EditingTest, OtherPatternCharactersCountAsOffAndAreKept) {
    SetRows({"11x0000000000000 -    4    "});
    seq.ClickRow(0);
    EXPECT_FALSE(seq.lampGreen(3));
    EXPECT_EQ(seq.buttonTop(3), sequencer::kButtonTopOff);
    EXPECT_EQ(Sends(), (std::vector<std::string>{SendOf(Pattern({1, 2}))}));

    seq.ToggleRelay(5);
    EXPECT_EQ(seq.rowText(0), "11x0100000000000 -    4    ");
    // the button's position decides, so the x becomes a 1
    seq.ToggleRelay(3);
    EXPECT_EQ(seq.rowText(0), "1110100000000000 -    4    ");
}

TEST_F(EditingTest, ARowTypedByAnotherCopyIsRewrittenInNormalForm) {
    // columns 20-23 hold "  00", so the delay reads 0
    SetRows({"0100000000000000 -   0012    "});
    seq.ClickRow(0);
    EXPECT_EQ(seq.delayField(), "0");
    EXPECT_EQ(seq.rowText(0), "0100000000000000 -    0    ");
    EXPECT_EQ(Sends(), (std::vector<std::string>{SendOf(Pattern({2}))}));
}

TEST_F(EditingTest, LoadingTheEditingStateSendsNothing) {
    seq.LoadEditingState(0);
    EXPECT_EQ(seq.delayField(), "1");
    EXPECT_EQ(seq.rowText(0), kDefault);
    EXPECT_TRUE(sink.sent.empty());
}

TEST_F(EditingTest, LoadingAnotherRowMakesItCurrentSoEditsGoIntoIt) {
    SetRows({Step(Pattern({1}), 3), Step(Pattern({2}), 5)});
    seq.LoadEditingState(1);
    EXPECT_EQ(seq.currentRow(), 1u);
    EXPECT_EQ(seq.delayField(), "5");
    seq.ToggleRelay(6);
    EXPECT_EQ(seq.rowText(0), Step(Pattern({1}), 3));
    EXPECT_EQ(seq.rowText(1), Step(Pattern({2, 6}), 5));
    EXPECT_TRUE(sink.sent.empty());
}

} // namespace
