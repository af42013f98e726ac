#pragma once

#include <QWidget>

class QToolButton;

namespace ui {

// A pair of small arrows beside a text field: up above down, each press one step.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    // +1 for the upper arrow, -1 for the lower.
    void stepped(int direction);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace ui
