// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <vector>

#include "explorer/charts/cost_charts.h"
#include "explorer/shared/pages.h"
#include "explorer/window/exports.h"
#include "model/results_store.h"
#include "stepping/step_export.h"

QT_BEGIN_NAMESPACE
class QAction;
class QSettings;
class QSplitter;
class QTabWidget;
QT_END_NAMESPACE

namespace sentinel {

class ChartPanel;
class FileReading;
class ResultsModel;
class RunControl;
class RunStatus;
class SettingsPanel;
class StepView;

// The cost explorer's window: the settings of a sweep and the run's status
// on the left; the time chart, the steps chart, the ratio and order charts,
// the table of every measurement and the step-through on the right. The
// window acts on the model (the plan shown, the results store) at its
// panels' requests; the panels are views of it. The sweep runs on a worker
// thread, so the window answers while it measures.
class CostWindow : public QMainWindow {
    Q_OBJECT

public:
    // Told of a problem the user must see: a bad file, a plan that cannot
    // be measured, a failed export. Shows a message box unless replaced.
    using Complaint = std::function<void(const QString&)>;
    // Asked before a run that takes over a minute or drops most of its
    // input; true to go on. Asks in a message box unless replaced.
    using Confirmation = std::function<bool(const QString&)>;

    // With `remembered`, the window restores its plan (reading its file
    // again), size, tab and last folder from it, says once what fell back,
    // and stores them there when it closes.
    explicit CostWindow(Complaint complain = {}, Confirmation confirm = {}, QSettings* remembered = nullptr,
                        QWidget* parent = nullptr);
    ~CostWindow() override;

    // Shows a plan, ready to run: the command line's, say.
    void ShowPlan(const SweepPlan& plan);
    // Measures the plan shown at once when it takes under a second, so a
    // first look shows charts; otherwise invites the user to choose.
    void ShowFirstLook();

    // What the buttons and menus do, for keyboard users and tests alike.
    void StartSweep();
    void CancelSweep();
    // Reads the file on a thread of its own; the window answers meanwhile,
    // and takes the entries, or complains, when it is read.
    void OpenInput(const QString& path);
    // The run shown, as CSV; the chart shown, as PNG.
    bool ExportCsv(const QString& path);
    bool ExportChart(const QString& path);
    // The step-through's run, as a table of its tests and as an animation.
    bool ExportStepCsv(const QString& path);
    bool ExportStepGif(const QString& path, FramesPer per);
    void ShowRun(int run);
    void OverlayRun(int run);  // -1 for none
    // Shows a page, by its id.
    void ShowPage(PageId page);
    PageId ShownPage() const;

    bool Running() const noexcept;
    bool Reading() const noexcept;
    const CostCharts& Charts() const noexcept { return charts_; }
    const ResultsStore& Store() const noexcept;
    const ResultsModel& Results() const noexcept { return *results_; }
    StepView& Stepper() const noexcept { return *stepView_; }
    const SettingsPanel& Settings() const noexcept { return *settings_; }
    const RunStatus& Status() const noexcept { return *status_; }

protected:
    // Lets the menus' shortcuts through from any field of the window, where
    // a text field would otherwise take Ctrl+E as "end of line".
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The menu items whose use depends on the state.
    struct Actions {
        QAction* exportCsv = nullptr;
        QAction* exportChart = nullptr;
        QAction* exportStepCsv = nullptr;
        QAction* exportStepGif = nullptr;
        QAction* cancel = nullptr;
    };

    QTabWidget* CreateTabs();
    QWidget* CreateLeftSide();
    void CreateMenus();
    void CreateFileMenu();
    void FileRead(const QString& path, std::shared_ptr<const std::vector<Text>> entries, const QString& problem);
    void SetRunning(bool running);
    void UpdateActions();
    void RestoreDefaults();
    bool Report(const Exported& exported, int shownFor = 5000);
    void Remember() const;
    void Recall();
    ChartPanel* ShownChart() const;

    Complaint complain_;
    Confirmation confirm_;
    QSettings* remembered_;
    ResultsModel* results_;
    CostCharts charts_;
    SettingsPanel* settings_;
    RunStatus* status_;
    QTabWidget* tabs_;
    StepView* stepView_;
    Actions actions_;
    QPointer<QWidget> focusBeforeRun_;  // where focus goes back to when the run ends
    QSplitter* splitter_;
    QString lastFolder_;
    FileReading* reading_;
    RunControl* runs_;
};

}  // namespace sentinel
