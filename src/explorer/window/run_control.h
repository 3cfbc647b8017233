// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <mutex>
#include <optional>
#include <vector>

#include "explorer/charts/cost_charts.h"
#include "model/run_session.h"

QT_BEGIN_NAMESPACE
class QTimer;
QT_END_NAMESPACE

namespace sentinel {

class ResultsModel;
class RunStatus;
class SettingsPanel;

// Runs the plan the settings describe through the run session, and shows
// the runs as they arrive: the runs listed and their status, the table, the
// charts and the budget. The sweep runs on a worker thread, whose events
// reach this object on its own thread.
class RunControl : public QObject {
    Q_OBJECT

public:
    // Asked before a run that takes over a minute or drops most of its
    // input; true to go on.
    using Confirmation = std::function<bool(const QString&)>;

    RunControl(const SettingsPanel& settings, RunStatus& status, ResultsModel& results, const CostCharts& charts,
               Confirmation confirm, QObject* parent = nullptr);
    ~RunControl() override;

    // Measures the plan shown at once when it takes under a second, so a
    // first look shows charts.
    void ShowFirstLook();
    void StartSweep();
    void CancelSweep();
    void ShowRun(int run);
    void OverlayRun(int run);  // -1 for none
    // The largest n within the budget, by the cost model of the run shown.
    void ShowBudget();
    // What fell back when the settings were restored: said with the first look.
    void SetRestoreNote(const QString& note) { restoreNote_ = note; }

    bool Running() const noexcept { return running_; }
    const ResultsStore& Store() const noexcept { return session_.Store(); }

signals:
    void runningChanged(bool running);
    // The runs, or the run shown, changed.
    void storeChanged();
    // What a user must hear, already said in the status.
    void told(const QString& text);

private:
    void Start(PreparedRun run);
    // Called on the worker's thread: kept until the window's thread takes them.
    void Arrived(const Measurement* row, const SweepProgress* progress);
    // On the window's thread: every row that arrived since, and the latest progress.
    void TakeArrived();
    void Measured(const std::vector<Measurement>& rows);
    void Progressed(const SweepProgress& progress);
    void Finished(const SweepOutcome& outcome);
    void Completed(const QString& firstLook);
    void SetRunning(bool running);
    void ShowStore();
    void DrawShown();
    void Tell(const Notice& notice);

    const SettingsPanel& settings_;
    RunStatus& status_;
    ResultsModel& results_;
    const CostCharts& charts_;
    Confirmation confirm_;
    QTimer* redraw_;
    RunSession session_;
    // What the worker handed over and the window's thread has not taken yet:
    // rows arrive faster than a window can show them one at a time.
    std::mutex arrivedMutex_;
    std::vector<Measurement> arrivedRows_;
    std::optional<SweepProgress> arrivedProgress_;
    bool takePosted_ = false;
    bool running_ = false;
    QString firstLook_;  // what a finished first look says it shows
    QString restoreNote_;
};

}  // namespace sentinel
