// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableView>

QT_BEGIN_NAMESPACE
class QTimer;
QT_END_NAMESPACE

namespace sentinel {

class ResultsModel;

// The table of a run's measurements: sortable by any column with the mouse
// or from the keyboard (Ctrl+Up ascending, Ctrl+Down descending, by the
// column of the current cell), each column as wide as its header and its
// widest cell, widened as rows arrive (a few times a second) and never
// narrowed, and Ctrl+C
// copies the selected rows with their header as tab-separated text.
class ResultsTable : public QTableView {
    Q_OBJECT

public:
    explicit ResultsTable(ResultsModel& model, QWidget* parent = nullptr);

    // The selected rows, in the order shown, under their header; tab-separated.
    QString SelectedText() const;

    // What the table says while it has no rows: how to start a run.
    static QString EmptyHint();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Rows of the model, first to last; empty when last < first.
    struct Rows {
        int first = 0;
        int last = -1;
        bool isEmpty() const { return last < first; }
    };
    void WidenTo(Rows rows);
    void DescribeEmptiness();

    QTimer* widen_;
    Rows arrived_;  // since the columns were last widened
};

}  // namespace sentinel
