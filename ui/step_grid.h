#pragma once

#include <QListView>

#include <functional>

namespace ui {

// The one-column step list. A mouse press on a row is one click, also on the current row
// and for each press of a double click; moving with the keyboard (or dragging the mouse)
// to another row is one move. The view never makes a row current by itself on a press: the
// window hears rowClicked, the sequencer decides, and ShowCurrentRow mirrors the result.
class StepGrid : public QListView {
    Q_OBJECT
public:
    explicit StepGrid(QWidget* parent = nullptr);

    // Makes row current and visible without reporting it back.
    void ShowCurrentRow(int row);
    // Runs a model change (rows inserted or removed) without reporting the current-row
    // moves the view makes on its own while it happens.
    void WithoutEcho(const std::function<void()>& change);

signals:
    void rowClicked(int row);
    void rowMoved(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void Press(QMouseEvent* event);

    int echoBlocked_ = 0;
};

} // namespace ui
