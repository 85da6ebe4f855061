// The diary grid as a Qt table model over the precomputed cell texts: title and unit rows in
// bold, marked rows with a yellow date cell.
#pragma once

#include <QAbstractTableModel>

#include "diary/diary_model.h"

namespace vx {

class DiaryTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    DiaryTableModel(const DiaryModel& diary, QObject* parent)
        : QAbstractTableModel(parent), diary_(diary) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The grid was rebuilt.
    void refresh();

  private:
    const DiaryModel& diary_;
};

}  // namespace vx
