#include "sequence/decimal.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct AtolCase {
    const char* text;
    std::size_t maxChars;
    long expected;
};

class AtolPrefixTest : public testing::TestWithParam<AtolCase> {};

TEST_P(AtolPrefixTest, FollowsAtol) {
    const AtolCase& c = GetParam();
    EXPECT_EQ(sequence::AtolPrefix(c.text, c.maxChars), c.expected) << '"' << c.text << '"';
}

constexpr std::size_t kAll = std::string_view::npos;

INSTANTIATE_TEST_SUITE_P(
    Cases, AtolPrefixTest,
    testing::Values(AtolCase{"", kAll, 0}, AtolCase{"7", kAll, 7}, AtolCase{"0012", kAll, 12},
                    AtolCase{" 5", kAll, 5}, AtolCase{"\t\r\n 42", kAll, 42},
                    AtolCase{"abc", kAll, 0}, AtolCase{"-5", kAll, -5}, AtolCase{"+8", kAll, 8},
                    AtolCase{"- 5", kAll, 0}, AtolCase{"12ab34", kAll, 12},
                    AtolCase{"   1\r\n", kAll, 1}, AtolCase{"12345", 4, 1234},
                    AtolCase{"1234567890", 9, 123456789}, AtolCase{"  \r\n", kAll, 0},
                    AtolCase{"99999999999999999999999", kAll, std::numeric_limits<long>::max()},
                    AtolCase{"-99999999999999999999999", kAll, std::numeric_limits<long>::min()}));

TEST(PlainDecimalTest, HasNoPaddingOrGrouping) {
    EXPECT_EQ(sequence::PlainDecimal(0), "0");
    EXPECT_EQ(sequence::PlainDecimal(12), "12");
    EXPECT_EQ(sequence::PlainDecimal(1234567), "1234567");
    EXPECT_EQ(sequence::PlainDecimal(-5), "-5");
}

} // namespace
