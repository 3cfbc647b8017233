// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

QT_BEGIN_NAMESPACE
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
QT_END_NAMESPACE

namespace sentinel {

// Where a run is started, followed and chosen: Run and Cancel, the progress
// bar and the status line; the runs of the session, one shown and another
// laid over it; and the time budget with its answer. It asks by signals and
// shows what it is told.
class RunStatus : public QWidget {
    Q_OBJECT

public:
    explicit RunStatus(QWidget* parent = nullptr);

    void SetRunning(bool running);
    // Cancel takes the focus: while a run goes on, it is what can act.
    void FocusCancel();
    // The share of the estimated work done, 0 to 1.
    void SetProgress(double fraction);
    void SetStatus(const QString& text);
    QString Status() const;
    // The runs by title, the one shown and the one laid over (-1 for none).
    void SetRuns(const QStringList& titles, int shown, int overlaid);
    double Budget() const;
    void SetBudget(double seconds);
    void SetBudgetAnswer(const QString& text);

signals:
    void runRequested();
    void cancelRequested();
    void showRunRequested(int run);
    void overlayRequested(int run);  // -1 for none
    void budgetChanged(double seconds);

private:
    QPushButton* run_;
    QPushButton* cancel_;
    QProgressBar* progress_;
    QLabel* status_;
    QComboBox* shown_;
    QComboBox* overlaid_;
    QDoubleSpinBox* budget_;
    QLabel* budgetAnswer_;
};

}  // namespace sentinel
