// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableView>

namespace sentinel {

class ResultsModel;

// The table of a run's measurements: sortable by any column with the mouse
// or from the keyboard (Ctrl+Up ascending, Ctrl+Down descending, by the
// column of the current cell), each column as wide as its header and as the
// rows in view, widened as rows arrive and never narrowed, and Ctrl+C
// copies the selected rows with their header as tab-separated text.
class ResultsTable : public QTableView {
    Q_OBJECT

public:
    explicit ResultsTable(ResultsModel& model, QWidget* parent = nullptr);

    // The selected rows, in the order shown, under their header; tab-separated.
    QString SelectedText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void WidenToContents();
};

}  // namespace sentinel
