#include "jfif_markers.h"
#include "ui/art/art.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <algorithm>
#include <ostream>

namespace {

using art_test::HeaderSegments;
using art_test::ReadResource;

struct LampCase {
    const char* name;
    QString resource;
    QImage (*load)();
    bool green; // otherwise red
};

void PrintTo(const LampCase& c, std::ostream* out) {
    *out << c.name;
}

class LampPictureTest : public testing::TestWithParam<LampCase> {};

TEST_P(LampPictureTest, ResourceIsBaselineJfif) {
    const QByteArray jpeg = ReadResource(GetParam().resource);
    ASSERT_GE(jpeg.size(), 4);
    EXPECT_EQ(static_cast<unsigned char>(jpeg[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(jpeg[1]), 0xD8);
    EXPECT_EQ(static_cast<unsigned char>(jpeg[jpeg.size() - 2]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(jpeg[jpeg.size() - 1]), 0xD9);

    const auto segments = HeaderSegments(jpeg);
    ASSERT_FALSE(segments.empty());
    ASSERT_EQ(segments.front().marker, 0xE0) << "APP0 must follow SOI";
    EXPECT_EQ(jpeg.mid(segments.front().offset + 4, 5), QByteArray("JFIF\0", 5));
    EXPECT_EQ(segments.back().marker, 0xDA) << "header ends in SOS";

    const auto count = [&](unsigned char marker) {
        return std::count_if(segments.begin(), segments.end(),
                             [&](const auto& s) { return s.marker == marker; });
    };
    EXPECT_EQ(count(0xC0), 1) << "one baseline frame header";
    for (const unsigned char other :
         {0xC1, 0xC2, 0xC3, 0xC5, 0xC6, 0xC7, 0xC9, 0xCA, 0xCB, 0xCD, 0xCE, 0xCF}) {
        EXPECT_EQ(count(other), 0) << "frame type " << std::hex << int{other};
    }
}

TEST_P(LampPictureTest, DecodesToShadedLampOnNeutralBackground) {
    const LampCase& c = GetParam();
    const QImage lamp = c.load();
    ASSERT_FALSE(lamp.isNull());
    EXPECT_EQ(lamp.size(), QSize(32, 33));

    const QColor middle = lamp.pixelColor(16, 16);
    const int lit = c.green ? middle.green() : middle.red();
    const int other = c.green ? middle.red() : middle.green();
    EXPECT_GT(lit, other + 80) << "middle pixel " << middle.name().toStdString();
    EXPECT_GT(lit, middle.blue() + 80) << "middle pixel " << middle.name().toStdString();

    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 32), QPoint(31, 32)}) {
        const QColor c2 = lamp.pixelColor(corner);
        const int spread = std::max({c2.red(), c2.green(), c2.blue()}) -
                           std::min({c2.red(), c2.green(), c2.blue()});
        EXPECT_LE(spread, 12) << "corner " << corner.x() << "," << corner.y();
    }

    // Shaded, not flat: the lit top-left of the glass is brighter than its bottom-right.
    EXPECT_GT(qGray(lamp.pixel(11, 11)), qGray(lamp.pixel(21, 22)));
}

INSTANTIATE_TEST_SUITE_P(
    Lamps, LampPictureTest,
    testing::Values(LampCase{"Green", art_test::kGreenLampPath, &ui::art::GreenLamp, true},
                    LampCase{"Red", art_test::kRedLampPath, &ui::art::RedLamp, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
