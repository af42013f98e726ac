#include "ui/art/art.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace ui::art {

namespace {

void DrawLamp(QPainter& painter, QPointF centre, double radius, const QColor& glass) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 46));
    painter.drawEllipse(centre, radius, radius);
    const double inner = radius * 0.8;
    QRadialGradient light(centre - QPointF(inner * 0.35, inner * 0.4), inner * 1.3);
    light.setColorAt(0.0, glass.lighter(170));
    light.setColorAt(0.45, glass);
    light.setColorAt(1.0, glass.darker(260));
    painter.setBrush(light);
    painter.drawEllipse(centre, inner, inner);
}

// A relay board at a glance: one lit lamp above a row of relay lamps, some on, some off.
QPixmap Draw(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 48.0, side / 48.0);

    QPainterPath plate;
    plate.addRoundedRect(QRectF(1.5, 1.5, 45, 45), 7, 7);
    QLinearGradient metal(0, 0, 0, 48);
    metal.setColorAt(0.0, QColor(70, 78, 88));
    metal.setColorAt(1.0, QColor(28, 32, 38));
    painter.setPen(QPen(QColor(12, 12, 14), 1.2));
    painter.setBrush(metal);
    painter.drawPath(plate);

    // Yellow-and-black band along the bottom, as on the program's buttons.
    painter.save();
    painter.setClipPath(plate);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 212, 0));
    painter.drawRect(QRectF(0, 39, 48, 9));
    painter.setBrush(QColor(20, 20, 20));
    for (double x = -8; x < 48; x += 6) {
        const std::array<QPointF, 4> stripe{QPointF(x, 48), QPointF(x + 3, 48), QPointF(x + 12, 39),
                                            QPointF(x + 9, 39)};
        painter.drawPolygon(stripe.data(), static_cast<int>(stripe.size()));
    }
    painter.restore();

    DrawLamp(painter, QPointF(24, 17), 12, QColor(40, 215, 50));
    const std::array<QColor, 4> relays{QColor(40, 215, 50), QColor(225, 35, 30),
                                       QColor(40, 215, 50), QColor(225, 35, 30)};
    for (size_t i = 0; i < relays.size(); ++i) {
        DrawLamp(painter, QPointF(9.0 + 10.0 * static_cast<double>(i), 34), 3.6, relays[i]);
    }
    painter.end();
    return pixmap;
}

} // namespace

QIcon ProgramIcon() {
    QIcon icon;
    icon.addPixmap(Draw(48));
    icon.addPixmap(Draw(128));
    return icon;
}

} // namespace ui::art
