#pragma once

#include <QAbstractTableModel>

#include <map>
#include <tuple>
#include <vector>

#include "cost/measurement.h"

namespace sentinel {

// Every measurement as a row of the CSV's columns, then the median and the
// spread of the repetitions it belongs to; times in µs and counts with
// thousands separators, the full value in a tooltip, and a repetition far
// from the others (more than three median absolute deviations) flagged. A
// row whose result differs from the floor's, or whose counts differ from
// the law's prediction, is drawn in red. Sorts by value through
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
    const std::vector<double>& Repetitions(const Measurement& row) const;
    QVariant Value(const Measurement& row, int column) const;
    QString Shown(const Measurement& row, int column) const;

    std::vector<Measurement> rows_;
    std::map<std::tuple<Routine, Shape, std::int32_t>, std::vector<double>> groups_;  // seconds of each repetition
};

}  // namespace sentinel
