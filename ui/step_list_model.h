#pragma once

#include <QAbstractListModel>
#include <QSize>

namespace sequencer {
class Sequencer;
}

namespace ui {

// The step list as the list view sees it. Reads the texts straight from the sequencer, so
// 100,000 rows cost nothing here; the row count is its own, moved only through
// SetRowCount, because a view must hear of every insertion and removal.
class StepListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The one column of the grid: 310 pixels wide, one row 24 high.
    static constexpr QSize kCellSize{310, 24};

    explicit StepListModel(const sequencer::Sequencer& sequencer, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void SetRowCount(int count);
    void RowChanged(int row);
    void AllRowsChanged();

private:
    const sequencer::Sequencer& sequencer_;
    int rows_ = 0;
};

} // namespace ui
