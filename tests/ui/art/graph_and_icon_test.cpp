#include "ui/art/art.h"

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>

namespace {

TEST(PerformanceGraph, PaintsDarkPanelWithGreenGrid) {
    ui::art::PerformanceGraph graph;
    graph.resize(785, 161);
    const QImage image = graph.grab().toImage();
    ASSERT_EQ(image.size(), QSize(785, 161));

    int dark = 0;
    int green = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            dark += qGray(p) < 40 ? 1 : 0;
            green += (qGreen(p) > 80 && qGreen(p) > 2 * qRed(p) && qGreen(p) > qBlue(p)) ? 1 : 0;
        }
    }
    const int all = image.width() * image.height();
    EXPECT_GT(dark, all / 2) << "background should dominate";
    EXPECT_GT(green, all / 20) << "grid lines missing";
}

TEST(ProgramIcon, OffersBothSizesDrawn) {
    const QIcon icon = ui::art::ProgramIcon();
    const auto sizes = icon.availableSizes();
    for (const QSize size : {QSize(48, 48), QSize(128, 128)}) {
        EXPECT_TRUE(sizes.contains(size)) << size.width();
        const QImage image = icon.pixmap(size).toImage();
        ASSERT_EQ(image.size(), size);
        EXPECT_GT(qAlpha(image.pixel(size.width() / 2, size.height() / 2)), 0) << "blank icon";
    }
}

} // namespace
