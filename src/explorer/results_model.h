#pragma once

#include <QAbstractTableModel>

#include <vector>

#include "cost/measurement.h"

namespace sentinel {

// Every measurement as a row of the CSV's columns. A row whose result
// differs from the floor's, or whose counts differ from the law's
// prediction, is drawn in red. Sorts by value through
// Qt::UserRole.
class ResultsModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void Append(const Measurement& row);
    void Clear();
    const std::vector<Measurement>& Rows() const noexcept { return rows_; }

private:
    std::vector<Measurement> rows_;
};

}  // namespace sentinel
