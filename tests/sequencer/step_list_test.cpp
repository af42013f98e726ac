#include "sequencer/step_list.h"

#include "sequence/step_text.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using sequencer::StepList;

TEST(StepListTest, StartsWithTheDefaultStepCurrent) {
    const StepList list;
    EXPECT_EQ(list.rows(), std::vector<std::string>{std::string(sequence::kDefaultStep)});
    EXPECT_EQ(list.current(), 0u);
}

struct CountCase {
    std::size_t rows;
    std::size_t current;
    std::size_t newCount;
    std::size_t expectedCount;
    std::size_t expectedCurrent;
};

class StepListCountTest : public testing::TestWithParam<CountCase> {};

TEST_P(StepListCountTest, KeepsOneRowAndACurrentRowInside) {
    const CountCase& c = GetParam();
    StepList list;
    list.SetCount(c.rows);
    for (std::size_t i = 0; i < c.rows; ++i) {
        list.SetText(i, "row" + std::to_string(i));
    }
    list.SetCurrent(c.current);

    list.SetCount(c.newCount);

    ASSERT_EQ(list.count(), c.expectedCount);
    EXPECT_EQ(list.current(), c.expectedCurrent);
    for (std::size_t i = 0; i < list.count(); ++i) {
        // surviving rows keep their texts, new rows are empty
        EXPECT_EQ(list.text(i), i < c.rows ? "row" + std::to_string(i) : "") << "row " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, StepListCountTest,
                         testing::Values(CountCase{3, 2, 2, 2, 1}, // current cut off
                                         CountCase{3, 0, 2, 2, 0}, // current survives
                                         CountCase{3, 1, 0, 1, 0}, // below 1
                                         CountCase{1, 0, 3, 3, 0}, // grows
                                         CountCase{4, 3, 1, 1, 0}));

TEST(StepListTest, SetCurrentTellsWhetherTheIndexChangedAndRefusesMissingRows) {
    StepList list;
    list.SetCount(2);
    EXPECT_FALSE(list.SetCurrent(0));
    EXPECT_TRUE(list.SetCurrent(1));
    EXPECT_FALSE(list.SetCurrent(1));
    EXPECT_THROW(list.SetCurrent(2), std::out_of_range);
    EXPECT_EQ(list.current(), 1u);
    EXPECT_THROW(list.SetText(2, "x"), std::out_of_range);
}

TEST(StepListTest, StoredTextsEndAtTheFirstLineBreak) {
    StepList list;
    list.SetText(0, "0000000000000000 -    1    \r\nmore");
    EXPECT_EQ(list.text(0), sequence::kDefaultStep);
    list.Replace({"abc\ndef", "ghi"});
    EXPECT_EQ(list.rows(), (std::vector<std::string>{"abc", "ghi"}));
}

TEST(StepListTest, ReplaceMakesRowZeroCurrentAndKeepsOneRow) {
    StepList list;
    list.SetCount(3);
    list.SetCurrent(2);
    list.Replace({"a", "b"});
    EXPECT_EQ(list.current(), 0u);
    list.SetCurrent(1);
    list.Replace({});
    EXPECT_EQ(list.rows(), std::vector<std::string>{std::string(sequence::kDefaultStep)});
    EXPECT_EQ(list.current(), 0u);
}

} // namespace
