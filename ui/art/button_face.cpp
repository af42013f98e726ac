#include "ui/art/art.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdint>

namespace ui::art {

namespace {

const QColor kYellow(255, 212, 0);
const QColor kBlack(20, 20, 20);
constexpr int kFieldGrey = 128;

// A fixed hash of the pixel position, so the texture is the same on every run and size.
int Noise(int x, int y) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x9E3779B1u ^
                      static_cast<std::uint32_t>(y) * 0x85EBCA77u ^ 0x5bd1e995u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return static_cast<int>(h % 29u) - 14; // -14 .. 14
}

// Grey with speckles and a faint fine diagonal hatch, like brushed metal.
QRgb FieldPixel(int x, int y) {
    const int hatch = ((x + 2 * y) % 4 == 0) ? -12 : 0;
    const int level = std::clamp(kFieldGrey + Noise(x, y) + hatch, 0, 255);
    return qRgb(level, level, level);
}

// Hazard stripes running at 45 degrees.
QRgb StripePixel(int x, int y, int period) {
    return ((x + y) % period) < period / 2 ? kYellow.rgb() : kBlack.rgb();
}

void DrawBevel(QPainter& painter, const QRect& r) {
    painter.setPen(kBlack);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    painter.setPen(QColor(255, 255, 255, 90));
    painter.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
    painter.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
    painter.setPen(QColor(0, 0, 0, 110));
    painter.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
    painter.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
}

// The largest bold sans face, up to two thirds of the height, that fits the word in the field.
QFont FittingFont(const QString& word, int fieldWidth, int height) {
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                      QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    for (int pixels = std::max(6, height * 2 / 3); pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(word) <= fieldWidth - 6) {
            return font;
        }
    }
    font.setPixelSize(6);
    return font;
}

} // namespace

QPixmap PictureButtonFace(const QString& word, QSize size) {
    if (size.isEmpty()) {
        return {};
    }
    const int w = size.width();
    const int h = size.height();
    const int band = std::min(w / 4, std::max(4, h * 3 / 4));
    const int period = std::max(6, (h * 3 / 10) & ~1);

    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const bool inBand = x < band || x >= w - band;
            line[x] = inBand ? StripePixel(x, y, period) : FieldPixel(x, y);
        }
    }

    QPainter painter(&image);
    painter.setPen(kBlack);
    painter.drawLine(band, 0, band, h - 1);
    painter.drawLine(w - band - 1, 0, w - band - 1, h - 1);
    DrawBevel(painter, image.rect());

    const QString text = word.toUpper();
    const QRect field(band + 1, 0, w - 2 * band - 2, h);
    painter.setFont(FittingFont(text, field.width(), h));
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(kBlack);
    painter.drawText(field.translated(1, 1), Qt::AlignCenter, text);
    painter.setPen(kYellow);
    painter.drawText(field, Qt::AlignCenter, text);
    painter.end();

    return QPixmap::fromImage(image);
}

} // namespace ui::art
