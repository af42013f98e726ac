#include "support/received.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testsupport::Received;
using testsupport::ReceivedDecoder;

struct DecodeCase {
    const char* what;
    std::string stream;
    std::vector<std::string> decoded; // Describe() of each, after the stream ended
};

class ReceivedDecoderTest : public testing::TestWithParam<DecodeCase> {};

std::vector<std::string> DecodeWhole(const std::string& stream, std::size_t chunk) {
    ReceivedDecoder decoder;
    std::vector<std::string> out;
    for (std::size_t i = 0; i < stream.size(); i += chunk) {
        const std::string part = stream.substr(i, chunk);
        for (const Received& r :
             decoder.Feed(reinterpret_cast<const std::uint8_t*>(part.data()), part.size())) {
            out.push_back(Describe(r));
        }
    }
    for (const Received& r : decoder.Finish()) {
        out.push_back(Describe(r));
    }
    return out;
}

// Byte by byte and all at once must agree: commands are split across reads on a real line.
TEST_P(ReceivedDecoderTest, DecodesWhateverTheChunking) {
    const DecodeCase& c = GetParam();
    EXPECT_EQ(DecodeWhole(c.stream, 1), c.decoded);
    EXPECT_EQ(DecodeWhole(c.stream, c.stream.size() + 1), c.decoded);
}

INSTANTIATE_TEST_SUITE_P(
    Streams, ReceivedDecoderTest,
    testing::Values(
        DecodeCase{"Commands", "ask//off//x\x80\x01//", {"ask//", "off//", "x 80 01 //"}},
        DecodeCase{"SlashesAsData", "x////", {"x 2F 2F //"}},
        DecodeCase{"StrayBytesBeforeCommand", "zxask//", {"raw 0x7A", "raw 0x78", "ask//"}},
        DecodeCase{"CutShort", "off/", {"raw 0x6F", "raw 0x66", "raw 0x66", "raw 0x2F"}},
        DecodeCase{"BrokenTail",
                   "x\x01\x02/x",
                   {"raw 0x78", "raw 0x01", "raw 0x02", "raw 0x2F", "raw 0x78"}}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(ReceivedTest, PatternOfSetRelays) {
    EXPECT_EQ(Received::Of(board::SetRelaysCommand("1000000000000001")).Pattern(),
              "1000000000000001");
    EXPECT_EQ(Received::Of(board::kAllOffCommand).Pattern(), "");
}

} // namespace
