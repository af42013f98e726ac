#include "ui/art/art.h"

#include <QPaintEvent>
#include <QPainter>

namespace ui::art {

namespace {

constexpr int kCell = 16;      // grid pitch in pixels
constexpr int kMajorEvery = 5; // every fifth line is brighter, like a scope's divisions

const QColor kBackground(8, 20, 10);
const QColor kMinorLine(0, 90, 30);
const QColor kMajorLine(0, 170, 60);

} // namespace

PerformanceGraph::PerformanceGraph(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PerformanceGraph::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), kBackground);

    const int w = width();
    const int h = height();
    for (int i = 0, x = 0; x < w; ++i, x += kCell) {
        painter.setPen(i % kMajorEvery == 0 ? kMajorLine : kMinorLine);
        painter.drawLine(x, 0, x, h - 1);
    }
    for (int i = 0, y = 0; y < h; ++i, y += kCell) {
        painter.setPen(i % kMajorEvery == 0 ? kMajorLine : kMinorLine);
        painter.drawLine(0, y, w - 1, y);
    }
    painter.setPen(kMajorLine);
    painter.drawRect(0, 0, w - 1, h - 1);
}

} // namespace ui::art
