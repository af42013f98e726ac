#include "ui/step_list_model.h"

#include "sequencer/sequencer.h"

#include <QString>

namespace ui {

StepListModel::StepListModel(const sequencer::Sequencer& sequencer, QObject* parent)
    : QAbstractListModel(parent), sequencer_(sequencer),
      rows_(static_cast<int>(sequencer.rowCount())) {}

int StepListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant StepListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_ ||
        static_cast<std::size_t>(index.row()) >= sequencer_.rowCount()) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole: {
        // Rows hold a file's bytes as they were; show each byte as one character.
        const std::string& text = sequencer_.rowText(static_cast<std::size_t>(index.row()));
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    }
    case Qt::SizeHintRole:
        return kCellSize;
    default:
        return {};
    }
}

Qt::ItemFlags StepListModel::flags(const QModelIndex& index) const {
    // Selectable but never editable in place.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void StepListModel::SetRowCount(int count) {
    if (count > rows_) {
        beginInsertRows(QModelIndex(), rows_, count - 1);
        rows_ = count;
        endInsertRows();
    } else if (count < rows_) {
        beginRemoveRows(QModelIndex(), count, rows_ - 1);
        rows_ = count;
        endRemoveRows();
    }
}

void StepListModel::RowChanged(int row) {
    if (row >= 0 && row < rows_) {
        const QModelIndex changed = index(row);
        emit dataChanged(changed, changed, {Qt::DisplayRole});
    }
}

void StepListModel::AllRowsChanged() {
    if (rows_ > 0) {
        emit dataChanged(index(0), index(rows_ - 1), {Qt::DisplayRole});
    }
}

} // namespace ui
