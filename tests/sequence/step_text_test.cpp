#include "sequence/step_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using sequence::BuildStepText;
using sequence::RangeError;
using sequence::ReadDelay;
using sequence::ReadPattern;

struct BuildCase {
    const char* pattern;
    const char* delayField;
    std::optional<std::string> expected; // nothing built
    long readsBack;
};

class BuildStepTextTest : public testing::TestWithParam<BuildCase> {};

TEST_P(BuildStepTextTest, BuildsAndReadsBack) {
    const BuildCase& c = GetParam();
    const auto text = BuildStepText(c.pattern, c.delayField);
    ASSERT_EQ(text, c.expected) << "delay field \"" << c.delayField << '"';
    if (text) {
        EXPECT_EQ(text->size(), 27u);
        EXPECT_EQ(ReadDelay(*text), c.readsBack);
        EXPECT_EQ(ReadPattern(*text), c.pattern);
    }
}

constexpr const char* kOff = "0000000000000000";

INSTANTIATE_TEST_SUITE_P(
    Cases, BuildStepTextTest,
    testing::Values(BuildCase{"1000000000000001", "7", "1000000000000001 -    7    ", 7},
                    BuildCase{kOff, "1", "0000000000000000 -    1    ", 1},
                    BuildCase{kOff, "25", "0000000000000000 -   25    ", 25},
                    BuildCase{kOff, "250", "0000000000000000 -  250    ", 250},
                    BuildCase{kOff, "2500", "0000000000000000 - 2500    ", 2500},
                    BuildCase{kOff, "9999", "0000000000000000 - 9999    ", 9999},
                    BuildCase{kOff, "10000", std::nullopt, 0},
                    BuildCase{kOff, "12345", std::nullopt, 0},
                    // typed forms are stored as the value they stand for
                    BuildCase{kOff, "0012", "0000000000000000 -   12    ", 12},
                    BuildCase{kOff, " 5", "0000000000000000 -    5    ", 5},
                    BuildCase{kOff, "abc", "0000000000000000 -    0    ", 0},
                    BuildCase{kOff, "", "0000000000000000 -    0    ", 0},
                    BuildCase{kOff, "0", "0000000000000000 -    0    ", 0},
                    BuildCase{kOff, "-5", "0000000000000000 -   -5    ", -5},
                    BuildCase{kOff, "-999", "0000000000000000 - -999    ", -999},
                    BuildCase{kOff, "-1000", std::nullopt, 0},
                    // only the first 9 characters count
                    BuildCase{kOff, "0000000012", "0000000000000000 -    1    ", 1},
                    // pattern characters other than 1 are kept as they are
                    BuildCase{"x0y1000000000000", "3", "x0y1000000000000 -    3    ", 3}));

TEST(BuildStepTextTest, EachKeystrokeOfALongNumberBuildsUntilTooLarge) {
    std::string field;
    std::optional<std::string> last;
    for (const char c : std::string("12345")) {
        field += c;
        if (auto built = BuildStepText(kOff, field)) {
            last = built;
        }
    }
    EXPECT_EQ(last, "0000000000000000 - 1234    ");
}

struct ReadCase {
    std::string text;
    long delay;
};

class ReadDelayTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadDelayTest, ReadsColumns20To23) {
    EXPECT_EQ(ReadDelay(GetParam().text), GetParam().delay) << '"' << GetParam().text << '"';
}

// Texts other copies of the program wrote: delay fields stored as typed.
INSTANTIATE_TEST_SUITE_P(OtherCopies, ReadDelayTest,
                         testing::Values(ReadCase{"0000000000000000 -    1    ", 1},
                                         ReadCase{"0000000000000000 -        ",
                                                  0}, // 26: emptied field
                                         ReadCase{"0000000000000000 -    abc    ", 0}, // 29: abc
                                         ReadCase{"0000000000000000 -   0012    ", 0}, // 29: 0012
                                         ReadCase{"0000000000000000 -     5    ", 0},  // 28: " 5"
                                         ReadCase{"0000000000000000 -  25", 25}, // 22: CR ends it
                                         ReadCase{"0000000000000000 -  7", 7}, // 21: CR LF in 22-23
                                         ReadCase{"0000000000000000 - 12345678", 1234}));

TEST(ReadPatternTest, NeedsFourteenCharacters) {
    // 14 characters: the CR LF of the row form fill positions 15 and 16
    EXPECT_EQ(ReadPattern("10000000000001"), "10000000000001\r\n");
    EXPECT_THROW(ReadPattern("1000000000000"), RangeError);
}

TEST(ReadTest, ShortTextsRaiseARangeErrorNamingPositionAndText) {
    const std::string thirteen = "1111111111111";
    try {
        ReadPattern(thirteen);
        FAIL() << "no range error";
    } catch (const RangeError& e) {
        EXPECT_EQ(e.position(), 16u);
        EXPECT_EQ(e.text(), thirteen);
        const std::string message = e.what();
        EXPECT_NE(message.find("16"), std::string::npos) << message;
        EXPECT_NE(message.find(thirteen), std::string::npos) << message;
    }

    const std::string twenty = "0000000000000000 - 1";
    EXPECT_EQ(ReadPattern(twenty), "0000000000000000");
    try {
        ReadDelay(twenty);
        FAIL() << "no range error";
    } catch (const RangeError& e) {
        EXPECT_EQ(e.position(), 23u);
        EXPECT_NE(std::string(e.what()).find(twenty), std::string::npos);
    }
}

TEST(CutAtLineBreakTest, EndsAtTheFirstBreak) {
    EXPECT_EQ(sequence::CutAtLineBreak("abc\r\ndef"), "abc");
    EXPECT_EQ(sequence::CutAtLineBreak("abc\ndef"), "abc");
    EXPECT_EQ(sequence::CutAtLineBreak("abc"), "abc");
}

} // namespace
