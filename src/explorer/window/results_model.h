// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>

#include <cstddef>

#include "model/results_store.h"

namespace sentinel {

// A view of one run's rows: every measurement as a row of the CSV's columns, then the median and the
// spread of the repetitions it belongs to; times in µs and counts with
// thousands separators, the full value in a tooltip, and a repetition far
// from the others (more than three median absolute deviations) flagged. A
// row whose result differs from the floor's, or whose counts differ from
// the law's prediction, is drawn in red. Sorts by value through
// Qt::UserRole.
class ResultsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Shows another run, or none; the run outlives its showing.
    void Show(const RunResults* run);
    // The run shown has rows it had not when last shown.
    void RowsArrived();
    const RunResults* Run() const noexcept { return run_; }

private:
    QVariant Value(const Measurement& row, int column) const;
    QString Shown(const Measurement& row, int column) const;

    const RunResults* run_ = nullptr;
    std::size_t rows_ = 0;  // of the run, as the view was last told
};

}  // namespace sentinel
