#include "ui/up_down.h"

#include <QToolButton>

namespace ui {

namespace {

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow, const char* name) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), up_(MakeArrow(this, Qt::UpArrow, "UpArrow")),
      down_(MakeArrow(this, Qt::DownArrow, "DownArrow")) {
    connect(up_, &QToolButton::clicked, this, [this] { emit stepped(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { emit stepped(-1); });
}

void UpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int upper = height() / 2;
    up_->setGeometry(0, 0, width(), upper);
    down_->setGeometry(0, upper, width(), height() - upper);
}

} // namespace ui
