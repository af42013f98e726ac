#include "ui/art/art.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include <ostream>

namespace {

using ui::art::PictureButtonFace;

bool IsYellow(QRgb p) {
    return qRed(p) > 200 && qGreen(p) > 160 && qBlue(p) < 90;
}
bool IsDark(QRgb p) {
    return qRed(p) < 60 && qGreen(p) < 60 && qBlue(p) < 60;
}

struct Counts {
    int yellow = 0;
    int dark = 0;
};

Counts CountIn(const QImage& image, int left, int right) {
    Counts counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = left; x < right; ++x) {
            const QRgb p = image.pixel(x, y);
            counts.yellow += IsYellow(p) ? 1 : 0;
            counts.dark += IsDark(p) ? 1 : 0;
        }
    }
    return counts;
}

struct FaceCase {
    const char* word;
    QSize size;
};

void PrintTo(const FaceCase& c, std::ostream* out) {
    *out << c.word;
}

class PictureButtonFaceTest : public testing::TestWithParam<FaceCase> {};

TEST_P(PictureButtonFaceTest, HasSizeStripedEndsAndWordInTheMiddle) {
    const FaceCase& c = GetParam();
    const QImage face = PictureButtonFace(QString::fromLatin1(c.word), c.size).toImage();
    ASSERT_EQ(face.size(), c.size);

    const int w = face.width();
    for (const auto& [left, right] : {std::pair{1, 6}, std::pair{w - 6, w - 1}}) {
        const Counts end = CountIn(face, left, right);
        EXPECT_GT(end.yellow, 0) << "columns " << left << ".." << right;
        EXPECT_GT(end.dark, 0) << "columns " << left << ".." << right;
    }
    // The word sits in the middle third, in yellow with a dark edge.
    const Counts middle = CountIn(face, w / 3, 2 * w / 3);
    EXPECT_GT(middle.yellow, face.height()) << "no lettering";
    EXPECT_GT(middle.dark, 0);
}

TEST_P(PictureButtonFaceTest, IsTheSameOnEveryCallAndInCapitals) {
    const FaceCase& c = GetParam();
    const QImage face = PictureButtonFace(QString::fromLatin1(c.word), c.size).toImage();
    EXPECT_EQ(face, PictureButtonFace(QString::fromLatin1(c.word), c.size).toImage());
    EXPECT_EQ(face, PictureButtonFace(QString::fromLatin1(c.word).toLower(), c.size).toImage());
}

INSTANTIATE_TEST_SUITE_P(Faces, PictureButtonFaceTest,
                         testing::Values(FaceCase{"START", {173, 33}}, FaceCase{"STOP", {173, 33}},
                                         FaceCase{"ADD", {115, 21}}, FaceCase{"CLEAR", {115, 21}},
                                         FaceCase{"REMOVE", {115, 21}}),
                         [](const auto& info) { return std::string(info.param.word); });

TEST(PictureButtonFace, WordsAreDrawnNotJustTheField) {
    const QImage add = PictureButtonFace(QStringLiteral("ADD"), {115, 21}).toImage();
    const QImage clear = PictureButtonFace(QStringLiteral("CLEAR"), {115, 21}).toImage();
    EXPECT_NE(add, clear);
}

} // namespace
