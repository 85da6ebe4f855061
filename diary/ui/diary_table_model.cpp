#include "diary/ui/diary_table_model.h"

#include <QBrush>
#include <QFont>

namespace vx {

int DiaryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : diary_.grid().rows;
}

int DiaryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kDiaryGridColumns;
}

QVariant DiaryTableModel::data(const QModelIndex& index, int role) const {
    const DiaryGrid& g = diary_.grid();
    if (!index.isValid() || index.row() >= g.rows) return {};
    const int row = index.row(), col = index.column();
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(g.cell(row, col));
        case Qt::FontRole:
            if (row < kDiaryFirstEntryRow || g.kind(row) == DiaryRowKind::Sum) {
                QFont f;
                f.setBold(true);
                return f;
            }
            return {};
        case Qt::BackgroundRole:
            if (row < kDiaryFirstEntryRow) return QBrush(QColor(220, 220, 220));
            if (col == 0 && diary_.IsMarked(row)) return QBrush(Qt::yellow);
            return {};
        case Qt::ForegroundRole:
            if (col == 0 && diary_.IsMarked(row)) return QBrush(Qt::black);
            return {};
        default:
            return {};
    }
}

void DiaryTableModel::refresh() {
    beginResetModel();
    endResetModel();
}

}  // namespace vx
