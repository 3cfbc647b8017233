#pragma once

#include <QMainWindow>

#include <functional>
#include <vector>

#include "cost/sweep.h"

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;
class QTimer;
QT_END_NAMESPACE

namespace sentinel {

class ResultsModel;
class StepView;

// The cost explorer's window: the settings of a sweep on the left; the time
// chart, the steps chart and the table of every measurement on the right.
// The sweep runs on a worker thread, so the window answers while it measures.
class CostWindow : public QMainWindow {
public:
    // Told of a problem the user must see: a bad file, a plan that cannot
    // be measured, a failed export. Shows a message box unless replaced.
    using Complaint = std::function<void(const QString&)>;

    explicit CostWindow(Complaint complain = {}, QWidget* parent = nullptr);
    ~CostWindow() override;

    // What the buttons and menus do, for keyboard users and tests alike.
    void Run();
    void Cancel();
    bool OpenInput(const QString& path);
    bool ExportCsv(const QString& path);
    bool ExportChart(const QString& path);

    bool Running() const noexcept { return running_; }
    QChart& TimeChart() const noexcept { return *timeChart_; }
    QChart& StepsChart() const noexcept { return *stepsChart_; }
    const ResultsModel& Results() const noexcept { return *results_; }
    StepView& Stepper() const noexcept { return *steps_; }

private:
    QWidget* CreateSettings();
    void CreateMenus();
    void KindChanged();
    SweepPlan PlanFromSettings() const;
    void Measured(const Measurement& row);
    void Progressed(const SweepProgress& progress);
    void Finished(const SweepOutcome& outcome);
    void SetRunning(bool running);

    Complaint complain_;
    ResultsModel* results_;
    QChart* timeChart_;
    QChart* stepsChart_;
    QChartView* timeView_;
    QChartView* stepsView_;
    QTabWidget* tabs_;
    QTableView* table_;
    StepView* steps_;
    QComboBox* kind_;
    QPushButton* openFile_;
    QListWidget* routines_;
    QListWidget* shapes_;
    QSpinBox* sizeFrom_;
    QSpinBox* sizeTo_;
    QSpinBox* repeat_;
    QPushButton* run_;
    QPushButton* cancel_;
    QProgressBar* progress_;
    QLabel* status_;
    QTimer* redraw_;

    std::vector<Text> fileEntries_;
    QString fileName_;
    std::vector<Measurement> shown_;  // the rows the charts show
    bool fileChosen_ = false;
    bool running_ = false;
    SweepRunner runner_;
};

}  // namespace sentinel
