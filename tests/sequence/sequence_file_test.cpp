#include "sequence/sequence_file.h"

#include "sequence/step_text.h"

#include <gtest/gtest.h>

#include <random>

using namespace std::string_literals;
#include <string>
#include <vector>

namespace {

using sequence::DecodeSequenceFile;
using sequence::EncodeSequenceFile;
using Steps = std::vector<std::string>;

const std::string kA = "1000000000000001 -    7    ";
const std::string kB = "0101010101010101 -   25    ";
const std::string kC = "1111111111111111 - 9999    ";

TEST(EncodeSequenceFileTest, WritesTheBytesOtherCopiesWrite) {
    // Written by hand: each step, CR, then the line break in text mode (CR LF).
    const std::string expected = "1000000000000001 -    7    \r\r\n"
                                 "0101010101010101 -   25    \r\r\n"
                                 "1111111111111111 - 9999    \r\r\n";
    EXPECT_EQ(EncodeSequenceFile({kA, kB, kC}), expected);
    EXPECT_EQ(EncodeSequenceFile({std::string(sequence::kDefaultStep)}).size(), 30u);
}

TEST(EncodeSequenceFileTest, OddLengthsAreWrittenAsOtherCopiesDo) {
    const std::string s26 = "0000000000000000 -        ";
    EXPECT_EQ(EncodeSequenceFile({s26}), s26 + "\r\r\n\r\n");
    const std::string s29 = "0000000000000000 -   0012    ";
    EXPECT_EQ(EncodeSequenceFile({s29}), s29.substr(0, 28) + "\r\n");
    // Too short for 28 characters: written whole rather than stopping half-way.
    EXPECT_EQ(EncodeSequenceFile({"short", kA}), "short\r\r\n\r\n" + kA + "\r\r\n");
}

TEST(SequenceFileTest, WhatSaveWritesOpensAsTheSameList) {
    const std::string s26 = "0000000000000000 -        ";
    const std::string s29 = "0000000000000000 -   0012    ";
    const Steps written{kA, s26, s29, "short", std::string(sequence::kDefaultStep), kC};
    const Steps expected{kA, s26, s29.substr(0, 27), "short", std::string(sequence::kDefaultStep),
                         kC};
    EXPECT_EQ(DecodeSequenceFile(EncodeSequenceFile(written)), expected);
}

struct OddFile {
    const char* name;
    std::string bytes;
    Steps steps;
};

class DecodeOddFileTest : public testing::TestWithParam<OddFile> {};

TEST_P(DecodeOddFileTest, LoadsTheLinesItHolds) {
    EXPECT_EQ(DecodeSequenceFile(GetParam().bytes), GetParam().steps);
}

std::vector<OddFile> OddFiles() {
    const std::string x28 = kA + "x";
    const std::string x30 = kA + "xyz";
    const std::string x40 = kA + "0123456789ABC";
    return {
        {"ShortLineInTheMiddle",
         kA + "\r\r\nshort\r\r\n" + kB + "\r\r\n" + kC + "\r\r\n",
         {kA, "short", kB, kC}},
        {"Line28", x28 + "\r\n" + kB + "\r\n", {kA, kB}},
        {"Line29", kA + "xy\r\n" + kB + "\r\n", {kA, kB}},
        {"Line30", x30 + "\r\n" + kB + "\r\n", {kA, kB}},
        {"Line40", x40 + "\r\n" + kB + "\r\n", {kA, kB}},
        {"LastLineWithoutLineFeed", kA + "\r\r\n" + kB, {kA, kB}},
        {"OnlyLineWithoutLineFeed", "short", {"short"}},
        {"CrTwoBytesCrLf", kA + "\rab\r\n" + kB + "\r\r\n", {kA, kB}},
        {"LfOnly", kA + "\n" + kB + "\n", {kA, kB}},
        // without line feeds there is one line, cut at 27 characters
        {"CrOnly", kA + "\r" + kB + "\r", {kA}},
        {"EmptyLinesBetween", "\r\n\n" + kA + "\r\n\r\n\r\n" + kB + "\n\n", {kA, kB}},
        {"Empty", "", {std::string(sequence::kDefaultStep)}},
        {"OnlyLineBreaks", "\r\n\r\n\n", {std::string(sequence::kDefaultStep)}},
        {"NulEndsTheLine", "0000\0garbage\r\n"s + kB + "\r\n", {"0000", kB}},
        {"NulFirst", "\0abc\n"s + kB, {kB}},
        {"MegabyteLine", kA + std::string(1 << 20, '9') + "\n" + kB + "\n", {kA, kB}},
    };
}

INSTANTIATE_TEST_SUITE_P(Files, DecodeOddFileTest, testing::ValuesIn(OddFiles()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeSequenceFileTest, RandomBytesGiveShortSingleLineSteps) {
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 50; ++round) {
        std::string bytes(4096, '\0');
        for (char& c : bytes) {
            c = static_cast<char>(byte(random));
        }
        const Steps steps = DecodeSequenceFile(bytes);
        ASSERT_FALSE(steps.empty());
        for (const std::string& step : steps) {
            EXPECT_FALSE(step.empty());
            EXPECT_LE(step.size(), 27u);
            EXPECT_EQ(step.find_first_of(std::string("\r\n\0", 3)), std::string::npos);
        }
    }
}

TEST(SequenceFilePathTest, AppendsTxtOnlyWhenMissing) {
    const std::pair<std::string, std::string> cases[] = {
        {"show", "show.txt"},     {"/seq/show", "/seq/show.txt"},
        {"a.txt", "a.txt"},       {"a.TXT", "a.TXT"},
        {"a.Txt", "a.Txt"},       {"a.txt.bak", "a.txt.bak.txt"},
        {"txt", "txt.txt"},       {".txt", ".txt"},
        {"a.text", "a.text.txt"},
    };
    for (const auto& [chosen, written] : cases) {
        EXPECT_EQ(sequence::SequenceFilePath(chosen), written) << chosen;
    }
}

} // namespace
