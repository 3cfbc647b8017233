#include "explorer/cost_window.h"

#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

#include <cmath>
#include <utility>
#include <sstream>

#include "cost/cost_model.h"
#include "cost/csv.h"
#include "cost/input_error.h"
#include "cost/preview.h"
#include "runtime/runtime_error.h"
#include "cost/text_file.h"
#include "explorer/chart_axes.h"
#include "explorer/chart_panel.h"
#include "qt_glue/qt_text.h"
#include "explorer/export_file.h"
#include "explorer/results_model.h"
#include "explorer/settings_panel.h"
#include "explorer/step_animation.h"
#include "explorer/step_view.h"
#include "explorer/trace_canvas.h"

namespace sentinel {
namespace {

// Asks for a path to save to; empty when the user cancels.
QString SavePath(QWidget* parent, const QString& title, const QString& name, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, title, name, filter);
}

}  // namespace

CostWindow::CostWindow(Complaint complain, Confirmation confirm, QSettings* remembered, QWidget* parent)
    : QMainWindow(parent), complain_(std::move(complain)), confirm_(std::move(confirm)), remembered_(remembered),
      results_(new ResultsModel(this)),
      charts_(CreateCostCharts()), settings_(new SettingsPanel), redraw_(new QTimer(this))
{
    if (!complain_)
        complain_ = [this](const QString& problem) { QMessageBox::warning(this, windowTitle(), problem); };
    if (!confirm_)
        confirm_ = [this](const QString& question) {
            return QMessageBox::question(this, windowTitle(), question) == QMessageBox::Yes;
        };
    setWindowTitle(QStringLiteral("Sentinel insertion: cost explorer"));
    // Small sizes are measured faster than charts are drawn: draw at most ten times a second.
    redraw_->setSingleShot(true);
    redraw_->setInterval(100);
    connect(redraw_, &QTimer::timeout, this, [this] { DrawCharts(charts_, results_->Rows()); });

    tabs_ = new QTabWidget;
    tabs_->setAccessibleName(QStringLiteral("Charts and results"));
    tabs_->addTab(charts_.time, QStringLiteral("T&ime"));
    tabs_->addTab(charts_.steps, QStringLiteral("&Steps"));
    tabs_->addTab(charts_.ratio, QStringLiteral("R&atio"));
    tabs_->addTab(charts_.order, QStringLiteral("Or&der"));
    tabs_->addTab(CreateTable(), QStringLiteral("Res&ults"));
    stepView_ = new StepView([this](const QString& problem) { complain_(problem); });
    tabs_->addTab(stepView_, QStringLiteral("Step t&hrough"));
    connect(&settings_->Budget(), &QDoubleSpinBox::valueChanged, this, &CostWindow::ShowBudget);
    connect(&settings_->RunButton(), &QPushButton::clicked, this, &CostWindow::StartSweep);
    connect(&settings_->CancelButton(), &QPushButton::clicked, this, &CostWindow::CancelSweep);
    connect(&settings_->OpenFileButton(), &QPushButton::clicked, this, [this] {
        const QString path =
            QFileDialog::getOpenFileName(this, QStringLiteral("Open a text file, one entry a line"), lastFolder_);
        if (!path.isEmpty())
            OpenInput(path);
    });
    // The settings scroll when the window is too short to show them whole.
    auto* settingsScroll = new QScrollArea;
    settingsScroll->setWidget(settings_);
    settingsScroll->setWidgetResizable(true);
    settingsScroll->setFrameShape(QFrame::NoFrame);
    settingsScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    settingsScroll->setMinimumWidth(settings_->minimumWidth() + settingsScroll->verticalScrollBar()->sizeHint().width());
    settingsScroll->setMaximumWidth(settings_->maximumWidth() + settingsScroll->verticalScrollBar()->sizeHint().width());
    // The sweep's settings make no sense beside a step-through, which has its own.
    connect(tabs_, &QTabWidget::currentChanged, settingsScroll,
            [this, settingsScroll](int tab) { settingsScroll->setVisible(tabs_->widget(tab) != stepView_); });
    splitter_ = new QSplitter;
    splitter_->addWidget(settingsScroll);
    splitter_->addWidget(tabs_);
    splitter_->setStretchFactor(1, 1);
    setCentralWidget(splitter_);
    CreateMenus();
    setMinimumSize(900, 560);
    resize(1280, 760);
    SetRunning(false);
    Recall();
    settings_->Status().setText(QStringLiteral("Choose what to measure, then Run (F5)."));
}

CostWindow::~CostWindow()
{
    Remember();
    runner_.Cancel();
    runner_.Wait();  // no event of the worker outlives the window
    if (reader_.joinable())
        reader_.join();  // a read is bounded by the file limits
}

ChartPanel* CostWindow::ShownChart() const
{
    for (ChartPanel* panel : {charts_.time, charts_.steps, charts_.ratio, charts_.order})
        if (tabs_->currentWidget() == panel)
            return panel;
    return nullptr;
}

QTableView* CostWindow::CreateTable()
{
    auto* sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(results_);
    sorted->setSortRole(Qt::UserRole);
    auto* table = new QTableView;
    table->setModel(sorted);
    table->setSortingEnabled(true);
    table->sortByColumn(-1, Qt::AscendingOrder);  // measurement order until a header is clicked
    table->setAlternatingRowColors(true);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);  // the user may widen any column
    table->horizontalHeader()->setDefaultSectionSize(90);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setAccessibleName(QStringLiteral("Results table"));
    return table;
}

void CostWindow::CreateMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Open Input File…"), QKeySequence::Open, &settings_->OpenFileButton(),
                    &QPushButton::click);
    file->addAction(QStringLiteral("Export Results as &CSV…"), QKeySequence(Qt::CTRL | Qt::Key_E), this, [this] {
        const QString path = SavePath(this, QStringLiteral("Export the results"), QStringLiteral("sentinel-cost.csv"),
                                      QStringLiteral("CSV (*.csv)"));
        if (!path.isEmpty())
            ExportCsv(path);
    });
    exportChart_ = file->addAction(QStringLiteral("Export Chart as &PNG…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), this,
                    [this] {
                        const QString path = SavePath(this, QStringLiteral("Export the chart shown"),
                                                      QStringLiteral("sentinel-cost.png"),
                                                      QStringLiteral("PNG image (*.png)"));
                        if (!path.isEmpty())
                            ExportChart(path);
                    });
    file->addAction(QStringLiteral("Export Step-Through as C&SV…"), this, [this] {
        const QString path = SavePath(this, QStringLiteral("Export every test of the run"),
                                      QStringLiteral("step-through.csv"), QStringLiteral("CSV (*.csv)"));
        if (!path.isEmpty())
            ExportStepCsv(path);
    });
    file->addAction(QStringLiteral("Export Step-Through as &GIF…"), this, [this] {
        const QStringList choices = {QStringLiteral("A frame per test"), QStringLiteral("A frame per entry")};
        bool chosen = false;
        const QString per = QInputDialog::getItem(this, QStringLiteral("Export the run as an animation"),
                                                  QStringLiteral("Frames"), choices, 0, false, &chosen);
        const QString path = chosen ? SavePath(this, QStringLiteral("Export the run as an animation"),
                                               QStringLiteral("step-through.gif"), QStringLiteral("GIF image (*.gif)"))
                                    : QString();
        if (!path.isEmpty())
            ExportStepGif(path, per == choices[0] ? FramesPer::Test : FramesPer::Entry);
    });
    // Only a chart in view can be exported as one.
    connect(tabs_, &QTabWidget::currentChanged, exportChart_, [this] { exportChart_->setEnabled(ShownChart()); });
    file->addSeparator();
    file->addAction(QStringLiteral("&Quit"), QKeySequence::Quit, this, &QWidget::close);
    QMenu* measure = menuBar()->addMenu(QStringLiteral("&Measure"));
    measure->addAction(QStringLiteral("Restore &Defaults"), this, [this] { settings_->RestoreDefaults(); });
    measure->addAction(QStringLiteral("&Run"), QKeySequence(Qt::Key_F5), this, &CostWindow::StartSweep);
    measure->addAction(QStringLiteral("&Cancel"), QKeySequence(Qt::Key_Escape), this, &CostWindow::CancelSweep);
}

void CostWindow::OpenInput(const QString& path)
{
    if (reading_ || running_)
        return;
    if (reader_.joinable())
        reader_.join();
    reading_ = true;
    lastFolder_ = QFileInfo(path).absolutePath();
    settings_->SetRunning(true);
    settings_->Status().setText(QStringLiteral("Reading %1…").arg(QFileInfo(path).fileName()));
    reader_ = std::thread([this, path] {
        std::vector<Text> entries;
        QString problem;
        try {
            entries = ReadEntries(QFile::encodeName(path).toStdString());
        } catch (const InputError& error) {
            problem = QString::fromUtf8(error.what());
        }
        QMetaObject::invokeMethod(
            this, [this, path, entries = std::move(entries), problem] { FileRead(path, entries, problem); },
            Qt::QueuedConnection);
    });
}

void CostWindow::FileRead(const QString& path, const std::vector<Text>& entries, const QString& problem)
{
    reading_ = false;
    settings_->SetRunning(false);
    if (!problem.isEmpty()) {
        settings_->Status().setText(QStringLiteral("Not opened: %1").arg(problem));
        complain_(problem);
        return;
    }
    settings_->ChooseFile(QFileInfo(path).fileName(), entries);
    settings_->Status().setText(
        QStringLiteral("Opened %1: %2 entries. Run (F5) to measure it.").arg(QFileInfo(path).fileName()).arg(entries.size()));
}

// Asks before a run of over a minute, or one that drops most of a file.
bool CostWindow::ConfirmPlan(const SweepPlan& plan)
{
    QStringList reasons;
    try {
        const double seconds = EstimateSeconds(plan);
        if (seconds > 60)
            reasons << QStringLiteral("This run takes %1.").arg(QString::fromStdString(Duration(seconds)));
        for (const std::string& warning : DropWarnings(plan))
            reasons << QString::fromStdString(warning) + QStringLiteral(".");
    } catch (const RuntimeError&) {
        return true;  // the sweep says what a routine cannot take
    }
    return reasons.isEmpty() || confirm_(reasons.join(QStringLiteral("\n")) + QStringLiteral("\n\nRun it?"));
}

void CostWindow::ShowFirstLook()
{
    const SweepPlan plan = settings_->Plan();
    if (EstimateSeconds(plan) >= 1)
        return;
    firstLook_ = QStringLiteral("Shown: %1 on random, ascending and descending number texts, %2 to %3, measured at "
                                "start. Choose what to measure, then Run (F5).")
                     .arg(ToQString(NameOf(plan.routines.front())))
                     .arg(CountLabel(plan.sizes.front()))
                     .arg(CountLabel(plan.sizes.back()));
    StartSweep();
}

void CostWindow::StartSweep()
{
    if (running_ || reading_)
        return;
    SweepPlan plan;
    try {
        plan = settings_->Plan();
        CheckPlan(plan);
    } catch (const InputError& error) {
        complain_(QString::fromUtf8(error.what()));
        return;  // the results shown stay
    }
    if (!ConfirmPlan(plan))
        return;
    results_->Clear();
    DrawCharts(charts_, results_->Rows());
    SetRunning(true);
    // The worker's events reach the window as queued calls on its own thread.
    runner_.Start(
        std::move(plan),
        {[this](const Measurement& row) {
             QMetaObject::invokeMethod(this, [this, row] { Measured(row); }, Qt::QueuedConnection);
         },
         [this](const SweepProgress& progress) {
             QMetaObject::invokeMethod(this, [this, progress] { Progressed(progress); }, Qt::QueuedConnection);
         }},
        [this](const SweepOutcome& outcome) {
            QMetaObject::invokeMethod(this, [this, end = outcome.end, error = outcome.error] {
                Finished({end, error, {}});
            }, Qt::QueuedConnection);
        });
}

void CostWindow::CancelSweep()
{
    if (!running_)
        return;
    runner_.Cancel();
    settings_->Status().setText(QStringLiteral("Cancelling…"));
}

void CostWindow::Measured(const Measurement& row)
{
    results_->Append(row);
    if (!redraw_->isActive())
        redraw_->start();
}

void CostWindow::Progressed(const SweepProgress& progress)
{
    // The bar follows the estimated work, not the count of measurements.
    settings_->Progress().setMaximum(1000);
    settings_->Progress().setValue(static_cast<int>(std::lround(1000 * progress.fraction)));
    if (!progress.current.empty())
        settings_->Status().setText(QStringLiteral("%1\nmeasurement %2 of %3; %4 left")
                                        .arg(QString::fromStdString(progress.current))
                                        .arg(progress.done + 1)
                                        .arg(progress.total)
                                        .arg(QString::fromStdString(Duration(progress.secondsLeft))));
}

void CostWindow::Finished(const SweepOutcome& outcome)
{
    runner_.Wait();
    SetRunning(false);
    redraw_->stop();
    const std::vector<Measurement>& rows = results_->Rows();
    DrawCharts(charts_, rows);
    ShowBudget();
    const auto differing = std::count_if(rows.begin(), rows.end(), [](const Measurement& m) { return !m.identical; });
    QLabel& status = settings_->Status();
    const QString firstLook = std::exchange(firstLook_, QString());
    switch (outcome.end) {
    case SweepEnd::Completed:
        settings_->Progress().setValue(settings_->Progress().maximum());
        if (!firstLook.isEmpty()) {
            status.setText(firstLook);
            break;
        }
        status.setText(QStringLiteral("Done: %1 measurements; %2; scanned at %3.")
                           .arg(rows.size())
                           .arg(differing == 0 ? QStringLiteral("every result is identical to the floor's")
                                               : QStringLiteral("%1 results differ from the floor's").arg(differing))
                           .arg(ToQString(NameOf(ActiveKernels().path))));
        break;
    case SweepEnd::Cancelled:
        status.setText(QStringLiteral("Cancelled after %1 measurements.").arg(rows.size()));
        break;
    case SweepEnd::Failed:
        status.setText(QStringLiteral("Stopped after %1 measurements.").arg(rows.size()));
        complain_(QString::fromStdString(outcome.error));
        break;
    }
}

// The largest n within the budget, by the cost model of the rows shown.
void CostWindow::ShowBudget()
{
    const double seconds = settings_->Budget().value();
    QStringList lines;
    for (const Budget& budget : LargestWithin(results_->Rows(), seconds))
        lines << QStringLiteral("%1, %2: n = %3").arg(ToQString(NameOf(budget.routine)), ToQString(NameOf(budget.shape)),
                                                   CountLabel(budget.n));
    settings_->BudgetText().setText(lines.isEmpty() ? QString()
                                                    : QStringLiteral("Within %1 s, by the cost model:\n%2")
                                                          .arg(seconds)
                                                          .arg(lines.join(QStringLiteral("\n"))));
}

void CostWindow::Remember() const
{
    if (!remembered_)
        return;
    settings_->Save(*remembered_);
    remembered_->setValue(QStringLiteral("window/geometry"), saveGeometry());
    remembered_->setValue(QStringLiteral("window/splitter"), splitter_->saveState());
    remembered_->setValue(QStringLiteral("window/tab"), tabs_->currentIndex());
    remembered_->setValue(QStringLiteral("window/lastFolder"), lastFolder_);
    remembered_->sync();
}

void CostWindow::Recall()
{
    if (!remembered_)
        return;
    settings_->Restore(*remembered_);
    restoreGeometry(remembered_->value(QStringLiteral("window/geometry")).toByteArray());
    splitter_->restoreState(remembered_->value(QStringLiteral("window/splitter")).toByteArray());
    const int tab = remembered_->value(QStringLiteral("window/tab"), 0).toInt();
    tabs_->setCurrentIndex(tab >= 0 && tab < tabs_->count() ? tab : 0);
    lastFolder_ = remembered_->value(QStringLiteral("window/lastFolder")).toString();
}

void CostWindow::SetRunning(bool running)
{
    running_ = running;
    settings_->SetRunning(running);
}

bool CostWindow::ExportCsv(const QString& path)
{
    std::ostringstream csv;
    WriteCsv(csv, results_->Rows());
    if (!WriteWhole(path, QByteArray::fromStdString(csv.str()))) {
        complain_(QStringLiteral("%1 could not be written").arg(path));
        return false;
    }
    statusBar()->showMessage(QStringLiteral("Wrote %1 rows to %2").arg(results_->Rows().size()).arg(path), 5000);
    return true;
}

bool CostWindow::ExportStepCsv(const QString& path)
{
    const StepThrough* run = stepView_->Recording();
    if (!run) {
        complain_(QStringLiteral("Load a run in Step through to export it"));
        return false;
    }
    if (!WriteWhole(path, QByteArray::fromStdString(StepCsv(*run)))) {
        complain_(QStringLiteral("%1 could not be written").arg(path));
        return false;
    }
    statusBar()->showMessage(QStringLiteral("Wrote %1 tests to %2").arg(run->At(run->Events()).counts.steps).arg(path), 5000);
    return true;
}

bool CostWindow::ExportStepGif(const QString& path, FramesPer per)
{
    const StepThrough* run = stepView_->Recording();
    if (!run) {
        complain_(QStringLiteral("Load a run in Step through to export it"));
        return false;
    }
    // At the width shown; a tab never laid out has no width of its own yet.
    const int width = stepView_->Canvas().isVisible() ? stepView_->Canvas().width() : kAnimationWidth;
    const Animation animation = AnimateRun(*run, per, width);
    if (animation.gif.isEmpty() || !WriteWhole(path, animation.gif)) {
        complain_(QStringLiteral("%1 could not be written%2").arg(path, animation.error.isEmpty() ? QString() : QStringLiteral(": ") + animation.error));
        return false;
    }
    const QString note = QString::fromStdString(FramesNote(*run, per, animation.plan));
    statusBar()->showMessage(note.isEmpty() ? QStringLiteral("Wrote %1 frames to %2").arg(animation.plan.events.size()).arg(path)
                                            : QStringLiteral("Wrote %1: %2").arg(path, note));
    return true;
}

bool CostWindow::ExportChart(const QString& path)
{
    const ChartPanel* shown = ShownChart();
    if (!shown) {
        complain_(QStringLiteral("Choose a chart's tab to export it"));
        return false;
    }
    if (!WriteWhole(path, shown->Png())) {
        complain_(QStringLiteral("%1 could not be written").arg(path));
        return false;
    }
    statusBar()->showMessage(QStringLiteral("Wrote the chart to %1").arg(path), 5000);
    return true;
}

}  // namespace sentinel
