#include "jfif_markers.h"
#include "ui/art/art.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>

#include <algorithm>
#include <functional>
#include <ostream>
#include <random>

namespace {

using art_test::HeaderSegments;
using art_test::ReadResource;
using ui::art::DecodeJpeg;

QByteArray Lamp() {
    return ReadResource(art_test::kGreenLampPath);
}

QByteArray RandomBytes(qsizetype size) {
    std::mt19937 random(20240601u);
    QByteArray bytes(size, '\0');
    std::generate(bytes.begin(), bytes.end(), [&] { return static_cast<char>(random()); });
    return bytes;
}

// The lamp with the frame header's height and width replaced.
QByteArray WithFrameSize(int height, int width) {
    QByteArray jpeg = Lamp();
    const auto segments = HeaderSegments(jpeg);
    const auto frame = std::find_if(segments.begin(), segments.end(),
                                    [](const auto& s) { return s.marker == 0xC0; });
    if (frame == segments.end()) {
        return {};
    }
    const qsizetype at = frame->offset + 5; // past marker, length and sample precision
    jpeg[at] = static_cast<char>(height >> 8);
    jpeg[at + 1] = static_cast<char>(height & 0xFF);
    jpeg[at + 2] = static_cast<char>(width >> 8);
    jpeg[at + 3] = static_cast<char>(width & 0xFF);
    return jpeg;
}

struct BadInput {
    const char* name;
    std::function<QByteArray()> make;
};

void PrintTo(const BadInput& c, std::ostream* out) {
    *out << c.name;
}

class DecodeJpegRefuses : public testing::TestWithParam<BadInput> {};

TEST_P(DecodeJpegRefuses, WithNullImage) {
    const QByteArray data = GetParam().make();
    EXPECT_TRUE(DecodeJpeg(data).isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, DecodeJpegRefuses,
    testing::Values(BadInput{"Empty", [] { return QByteArray(); }},
                    BadInput{"PlainText", [] { return QByteArray("not a picture at all"); }},
                    BadInput{"RandomBytes", [] { return RandomBytes(4096); }},
                    BadInput{"StartMarkerOnly", [] { return QByteArray("\xFF\xD8", 2); }},
                    BadInput{"StartAndEndOnly", [] { return QByteArray("\xFF\xD8\xFF\xD9", 4); }},
                    BadInput{"StartThenRandom",
                             [] { return QByteArray("\xFF\xD8", 2) + RandomBytes(512); }},
                    BadInput{"MissingEndMarker", [] { return Lamp().chopped(2); }},
                    BadInput{"HeaderOnly",
                             [] {
                                 const QByteArray jpeg = Lamp();
                                 return jpeg.left(HeaderSegments(jpeg).back().offset);
                             }},
                    BadInput{"ZeroHeight", [] { return WithFrameSize(0, 32); }},
                    BadInput{"HugeFrame", [] { return WithFrameSize(60000, 60000); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeJpeg, EveryTruncationGivesNullImage) {
    const QByteArray jpeg = Lamp();
    ASSERT_FALSE(DecodeJpeg(jpeg).isNull());
    for (qsizetype size = 0; size < jpeg.size(); ++size) {
        EXPECT_TRUE(DecodeJpeg(jpeg.left(size)).isNull()) << "first " << size << " bytes";
    }
}

// A damaged byte anywhere must neither end the process nor crash it; where libjpeg cannot
// notice the damage (inside the coded data) a picture of the stated size may come back.
TEST(DecodeJpeg, SurvivesEveryDamagedByte) {
    const QByteArray jpeg = Lamp();
    for (qsizetype at = 0; at < jpeg.size(); ++at) {
        QByteArray damaged = jpeg;
        damaged[at] = static_cast<char>(damaged[at] ^ 0xA5);
        const QImage image = DecodeJpeg(damaged);
        if (!image.isNull()) {
            EXPECT_GT(image.width(), 0) << "byte " << at;
            EXPECT_LE(image.width(), 8192) << "byte " << at;
            EXPECT_LE(image.height(), 8192) << "byte " << at;
        }
    }
}

TEST(DecodeJpeg, DecodesTheSameBytesToTheSamePicture) {
    const QImage first = DecodeJpeg(Lamp());
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first, DecodeJpeg(Lamp()));
}

} // namespace
