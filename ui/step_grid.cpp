#include "ui/step_grid.h"

#include <QMouseEvent>

namespace ui {

StepGrid::StepGrid(QWidget* parent) : QListView(parent) {
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setDragEnabled(false);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
}

void StepGrid::ShowCurrentRow(int row) {
    if (model() == nullptr || row < 0 || row >= model()->rowCount()) {
        return;
    }
    ++echoBlocked_;
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
    --echoBlocked_;
}

void StepGrid::WithoutEcho(const std::function<void()>& change) {
    ++echoBlocked_;
    change();
    --echoBlocked_;
}

void StepGrid::mousePressEvent(QMouseEvent* event) {
    Press(event);
}

void StepGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    Press(event);
}

void StepGrid::Press(QMouseEvent* event) {
    event->accept();
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) {
        emit rowClicked(index.row());
    }
}

void StepGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QListView::currentChanged(current, previous);
    if (echoBlocked_ == 0 && current.isValid()) {
        emit rowMoved(current.row());
    }
}

} // namespace ui
