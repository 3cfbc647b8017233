// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/window/cost_window.h"

#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeySequence>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <sstream>
#include <utility>

#include "cost/csv.h"
#include "cost/input_error.h"
#include "cost/output_file.h"
#include "explorer/charts/chart_panel.h"
#include "explorer/shared/units.h"
#include "explorer/step_through/step_animation.h"
#include "explorer/step_through/step_pane.h"
#include "explorer/step_through/step_view.h"
#include "explorer/step_through/trace_canvas.h"
#include "explorer/window/file_reading.h"
#include "explorer/window/help.h"
#include "explorer/window/results_model.h"
#include "explorer/window/results_table.h"
#include "explorer/window/run_status.h"
#include "explorer/window/settings_panel.h"
#include "model/plan_store.h"
#include "qt_glue/qt_text.h"
#include "runtime/runtime_error.h"

namespace sentinel {
namespace {

// Asks for a path to save to; empty when the user cancels.
QString SavePath(QWidget* parent, const QString& title, const QString& name, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, title, name, filter);
}

// "Run 3: SortNumbers on number texts, 250 to 16,000", as the runs are listed.
QString RunTitle(std::size_t number, const SweepPlan& plan)
{
    QStringList routines;
    for (const Routine routine : plan.routines)
        routines << ToQString(NameOf(routine));
    const QString input = plan.kind == InputKind::File ? QFileInfo(QString::fromStdString(plan.inputPath)).fileName()
                                                       : ToQString(NameOf(plan.kind));
    const QString sizes = plan.sizes.size() == 1 ? CountLabel(plan.sizes.front())
                                                 : QObject::tr("%1 to %2").arg(CountLabel(plan.sizes.front()),
                                                                               CountLabel(plan.sizes.back()));
    return QObject::tr("Run %1: %2 on %3, %4").arg(number).arg(routines.join(QStringLiteral(", ")), input, sizes);
}

}  // namespace

CostWindow::CostWindow(Complaint complain, Confirmation confirm, QSettings* remembered, QWidget* parent)
    : QMainWindow(parent), complain_(std::move(complain)), confirm_(std::move(confirm)), remembered_(remembered),
      results_(new ResultsModel(this)), charts_(CreateCostCharts()), settings_(new SettingsPanel),
      status_(new RunStatus), redraw_(new QTimer(this)), reading_(new FileReading(this))
{
    if (!complain_)
        complain_ = [this](const QString& problem) { QMessageBox::warning(this, windowTitle(), problem); };
    if (!confirm_)
        confirm_ = [this](const QString& question) {
            return QMessageBox::question(this, windowTitle(), question) == QMessageBox::Yes;
        };
    setWindowTitle(tr("Sentinel insertion: cost explorer"));
    // Small sizes are measured faster than charts are drawn: draw at most ten times a second.
    redraw_->setSingleShot(true);
    redraw_->setInterval(100);
    connect(redraw_, &QTimer::timeout, this, &CostWindow::DrawShown);

    tabs_ = new QTabWidget;
    tabs_->setAccessibleName(tr("Charts and results"));
    tabs_->addTab(charts_.time, tr("T&ime"));
    tabs_->addTab(charts_.steps, tr("&Steps"));
    tabs_->addTab(charts_.ratio, tr("R&atio"));
    tabs_->addTab(charts_.order, tr("Or&der"));
    tabs_->addTab(new ResultsTable(*results_), tr("Res&ults"));
    stepView_ = new StepView;
    tabs_->addTab(stepView_, tr("Step throu&gh"));
    connect(stepView_, &StepView::problem, this, [this](const QString& problem) { complain_(problem); });
    connect(settings_, &SettingsPanel::openRequested, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, tr("Open a text file, one entry a line"), lastFolder_);
        if (!path.isEmpty())
            OpenInput(path);
    });
    connect(status_, &RunStatus::runRequested, this, &CostWindow::StartSweep);
    connect(status_, &RunStatus::cancelRequested, this, &CostWindow::CancelSweep);
    connect(status_, &RunStatus::showRunRequested, this, &CostWindow::ShowRun);
    connect(status_, &RunStatus::overlayRequested, this, &CostWindow::OverlayRun);
    connect(status_, &RunStatus::budgetChanged, this, &CostWindow::ShowBudget);
    connect(reading_, &FileReading::read, this, &CostWindow::FileRead);

    splitter_ = new QSplitter;
    splitter_->addWidget(CreateLeftSide());
    splitter_->addWidget(tabs_);
    splitter_->setStretchFactor(1, 1);
    setCentralWidget(splitter_);
    CreateMenus();
    setMinimumSize(900, 560);
    resize(1280, 760);
    SetRunning(false);
    settings_->ShowPlan(DefaultPlan());
    status_->SetStatus(tr("Choose what to measure, then Run (F5)."));
    DrawShown();  // the charts say what to run
    Recall();
}

CostWindow::~CostWindow()
{
    Remember();
    runner_.Cancel();
    runner_.Wait();  // no event of the worker outlives the window
}

bool CostWindow::Reading() const noexcept
{
    return reading_->Busy();
}

// The settings scroll when the window is too short to show them whole; the
// run's status stays in view below them. Neither makes sense beside a
// step-through, which has its own.
QWidget* CostWindow::CreateLeftSide()
{
    auto* settingsScroll = new QScrollArea;
    settingsScroll->setWidget(settings_);
    settingsScroll->setWidgetResizable(true);
    settingsScroll->setFrameShape(QFrame::NoFrame);
    settingsScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    settingsScroll->setFocusPolicy(Qt::NoFocus);  // its fields are the stops; focusing one scrolls it into view
    settingsScroll->setAccessibleName(tr("Settings"));
    const int scrollBar = settingsScroll->verticalScrollBar()->sizeHint().width();
    auto* left = new QWidget;
    left->setMinimumWidth(settings_->minimumWidth() + scrollBar);
    left->setMaximumWidth(settings_->maximumWidth() + scrollBar);
    auto* layout = new QVBoxLayout(left);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(settingsScroll, 1);
    layout->addWidget(status_);
    connect(tabs_, &QTabWidget::currentChanged, left, [this, left](int tab) { left->setVisible(tabs_->widget(tab) != stepView_); });
    return left;
}

ChartPanel* CostWindow::ShownChart() const
{
    for (ChartPanel* panel : {charts_.time, charts_.steps, charts_.ratio, charts_.order})
        if (tabs_->currentWidget() == panel)
            return panel;
    return nullptr;
}

void CostWindow::CreateMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&Open Input File…"), QKeySequence::Open, settings_, &SettingsPanel::openRequested);
    actions_.exportCsv = file->addAction(tr("Export Results as &CSV…"), QKeySequence(Qt::CTRL | Qt::Key_E), this, [this] {
        const QString path = SavePath(this, tr("Export the run shown"), QStringLiteral("sentinel-cost.csv"), tr("CSV (*.csv)"));
        if (!path.isEmpty())
            ExportCsv(path);
    });
    actions_.exportChart = file->addAction(tr("Export Chart as &PNG…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
                                           this, [this] {
        const QString path = SavePath(this, tr("Export the chart shown"), QStringLiteral("sentinel-cost.png"),
                                      tr("PNG image (*.png)"));
        if (!path.isEmpty())
            ExportChart(path);
    });
    actions_.exportStepCsv = file->addAction(tr("Export Step-Through as C&SV…"), this, [this] {
        const QString path = SavePath(this, tr("Export every test of the run"), QStringLiteral("step-through.csv"),
                                      tr("CSV (*.csv)"));
        if (!path.isEmpty())
            ExportStepCsv(path);
    });
    actions_.exportStepGif = file->addAction(tr("Export Step-Through as &GIF…"), this, [this] {
        const QStringList choices = {tr("A frame per test"), tr("A frame per entry")};
        bool chosen = false;
        const QString per = QInputDialog::getItem(this, tr("Export the run as an animation"), tr("Frames"), choices, 0,
                                                  false, &chosen);
        const QString path = chosen ? SavePath(this, tr("Export the run as an animation"),
                                               QStringLiteral("step-through.gif"), tr("GIF image (*.gif)"))
                                    : QString();
        if (!path.isEmpty())
            ExportStepGif(path, per == choices[0] ? FramesPer::Test : FramesPer::Entry);
    });
    connect(tabs_, &QTabWidget::currentChanged, this, &CostWindow::UpdateActions);
    connect(stepView_, &StepView::loaded, this, &CostWindow::UpdateActions);
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);
    QMenu* measure = menuBar()->addMenu(tr("&Measure"));
    measure->addAction(tr("Restore &Defaults…"), this, &CostWindow::RestoreDefaults);
    measure->addAction(tr("&Run"), QKeySequence(Qt::Key_F5), this, &CostWindow::StartSweep);
    actions_.cancel = measure->addAction(tr("&Cancel"), QKeySequence(Qt::Key_Escape), this, &CostWindow::CancelSweep);
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&Guide to This Tab"), QKeySequence::HelpContents, this,
                    [this] { ShowGuide(this, tabs_->currentIndex()); });
    help->addAction(tr("&Keys"), this, [this] { ShowKeys(this); });
    help->addAction(tr("&Exercises"), this, [this] { ShowExercises(this); });
    help->addAction(tr("&About sentinel-cost"), this,
                    [this] { QMessageBox::about(this, tr("About sentinel-cost"), AboutText()); });
    qApp->installEventFilter(this);
}

bool CostWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!widget || widget->window() != this || !(key->modifiers() & Qt::ControlModifier))
        return false;
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* action : menuBar()->findChildren<QAction*>())
        if (action->shortcut() == pressed && action->isEnabled()) {
            event->ignore();  // not the field's: the menu's shortcut takes it
            return true;
        }
    return false;
}

// Only what can act now is offered: a chart in view to export as one, a run
// to export, a step-through run, a run to cancel.
void CostWindow::UpdateActions()
{
    actions_.exportChart->setEnabled(ShownChart() != nullptr);
    actions_.exportCsv->setEnabled(store_.Shown() != nullptr);
    actions_.exportStepCsv->setEnabled(stepView_->Recording() != nullptr);
    actions_.exportStepGif->setEnabled(stepView_->Recording() != nullptr);
    actions_.cancel->setEnabled(running_);
}

void CostWindow::RestoreDefaults()
{
    if (!running_ && !Reading() && confirm_(tr("Put every setting of the plan back to its default? The results shown stay.")))
        ShowPlan(DefaultPlan());
}

void CostWindow::ShowPlan(const SweepPlan& plan)
{
    if (!running_ && !Reading())
        settings_->ShowPlan(plan);
}

void CostWindow::OpenInput(const QString& path)
{
    if (Reading() || running_)
        return;
    lastFolder_ = QFileInfo(path).absolutePath();
    settings_->SetRunning(true);
    status_->SetRunning(true);
    status_->SetStatus(tr("Reading %1…").arg(QFileInfo(path).fileName()));
    reading_->Read(path);
}

void CostWindow::FileRead(const QString& path, std::shared_ptr<const std::vector<Text>> entries, const QString& problem)
{
    settings_->SetRunning(false);
    status_->SetRunning(false);
    if (!problem.isEmpty()) {
        status_->SetStatus(tr("Not opened: %1").arg(problem));
        complain_(problem);
        return;
    }
    const auto size = static_cast<qlonglong>(entries->size());
    settings_->ChooseFile(QFile::encodeName(path).toStdString(), std::move(entries));
    status_->SetStatus(tr("Opened %1: %2 entries. Run (F5) to measure it.")
                           .arg(QFileInfo(path).fileName(), Grouping().toString(size)));
}

// Asks before a run of over a minute, or one that drops most of a file.
bool CostWindow::ConfirmPlan(const SweepPlan& plan, const Estimates& estimates)
{
    QStringList reasons;
    const double seconds = TotalSeconds(estimates, plan.repeat);
    if (seconds > 60)
        reasons << tr("This run takes %1.").arg(QString::fromStdString(Duration(seconds)));
    try {
        for (const std::string& warning : DropWarnings(plan))
            reasons << QString::fromStdString(warning) + QStringLiteral(".");
    } catch (const RuntimeError&) {
        return true;  // the sweep says what a routine cannot take
    }
    return reasons.isEmpty() || confirm_(reasons.join(QStringLiteral("\n")) + tr("\n\nRun it?"));
}

void CostWindow::ShowFirstLook()
{
    SweepPlan plan;
    try {
        plan = settings_->Plan();
        CheckPlan(plan);
    } catch (const InputError&) {
        return;  // nothing to look at until the user chooses
    }
    Estimates estimates = EstimateOrNone(plan);
    if (estimates.empty() || TotalSeconds(estimates, plan.repeat) >= 1)
        return;
    firstLook_ = tr("Shown: %1, measured at start. Choose what to measure, then Run (F5).")
                     .arg(RunTitle(store_.Runs().size() + 1, plan));
    Start(std::move(plan), std::move(estimates));
}

void CostWindow::StartSweep()
{
    if (running_ || Reading())
        return;
    SweepPlan plan;
    try {
        plan = settings_->Plan();
        CheckPlan(plan);
    } catch (const InputError& error) {
        complain_(QString::fromUtf8(error.what()));
        return;  // the results shown stay
    }
    Estimates estimates = EstimateOrNone(plan);  // once a plan: it paces the progress too
    if (ConfirmPlan(plan, estimates))
        Start(std::move(plan), std::move(estimates));
}

void CostWindow::Start(SweepPlan plan, Estimates estimates)
{
    store_.Begin(RunTitle(store_.Runs().size() + 1, plan).toStdString());
    SetRunning(true);
    // The worker's events reach the window as queued calls on its own thread.
    runner_.Start(
        std::move(plan), std::move(estimates),
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
    status_->SetStatus(tr("Cancelling…"));
}

void CostWindow::Measured(const Measurement& row)
{
    const std::size_t runs = store_.Runs().size();
    const RunResults* shown = store_.Shown();
    store_.Add(row);
    if (store_.Runs().size() != runs || store_.Shown() != shown)
        ShowStore();  // the run's first row: it is shown from here on
    else
        results_->RowsArrived();
    if (!redraw_->isActive())
        redraw_->start();
}

void CostWindow::Progressed(const SweepProgress& progress)
{
    status_->SetProgress(progress.fraction);
    if (!progress.current.empty())
        status_->SetStatus(tr("%1\nmeasurement %2 of %3; %4 left")
                               .arg(QString::fromStdString(progress.current))
                               .arg(progress.done + 1)
                               .arg(progress.total)
                               .arg(QString::fromStdString(Duration(progress.secondsLeft))));
}

void CostWindow::Finished(const SweepOutcome& outcome)
{
    runner_.Wait();
    const auto& runs = store_.Runs();
    const RunResults* ended = !runs.empty() && !runs.back()->End() ? runs.back().get() : nullptr;  // kept at its first row
    store_.End(outcome.end);
    SetRunning(false);
    redraw_->stop();
    ShowStore();
    const std::size_t rows = ended ? ended->Rows().size() : 0;
    const QString firstLook = std::exchange(firstLook_, QString());
    switch (outcome.end) {
    case SweepEnd::Completed: {
        status_->SetProgress(1);
        if (!firstLook.isEmpty()) {
            // What fell back at start is said until the user runs something.
            status_->SetStatus(restoreNote_.isEmpty() ? firstLook : restoreNote_ + QLatin1Char('\n') + firstLook);
            break;
        }
        const auto differing = ended ? std::count_if(ended->Rows().begin(), ended->Rows().end(),
                                                     [](const Measurement& m) { return !m.identical; })
                                     : 0;
        status_->SetStatus(tr("Done: %1 measurements; %2; scanned at %3.")
                               .arg(rows)
                               .arg(differing == 0 ? tr("every result is identical to the floor's")
                                                   : tr("%1 results differ from the floor's").arg(differing))
                               .arg(ToQString(NameOf(ActiveKernels().path))));
        break;
    }
    case SweepEnd::Cancelled:
        status_->SetStatus(rows > 0 ? tr("Cancelled after %1 measurements; they are kept as %2.")
                                          .arg(rows)
                                          .arg(ToQString(ended->Title()).section(QLatin1Char(':'), 0, 0))
                                    : tr("Cancelled before any measurement; the results shown stay."));
        break;
    case SweepEnd::Failed:
        status_->SetStatus(tr("Stopped after %1 measurements.").arg(rows));
        complain_(QString::fromStdString(outcome.error));
        break;
    }
}

// The runs listed, the run shown in the table and on the charts, and its budget.
void CostWindow::ShowStore()
{
    QStringList titles;
    for (const auto& run : store_.Runs())
        titles << ToQString(run->Title());
    const auto index = [](std::optional<std::size_t> at) { return at ? static_cast<int>(*at) : -1; };
    status_->SetRuns(titles, index(store_.ShownIndex()), index(store_.OverlaidIndex()));
    UpdateActions();
    if (results_->Run() != store_.Shown())
        results_->Show(store_.Shown());
    else
        results_->RowsArrived();
    DrawShown();
}

void CostWindow::DrawShown()
{
    DrawCharts(charts_, store_.Shown(), store_.Overlaid());
    ShowBudget();
}

void CostWindow::ShowRun(int run)
{
    if (run < 0)
        return;
    store_.Show(static_cast<std::size_t>(run));
    ShowStore();
}

void CostWindow::OverlayRun(int run)
{
    store_.Overlay(run < 0 ? std::nullopt : std::optional(static_cast<std::size_t>(run)));
    ShowStore();
}

// The largest n within the budget, by the cost model of the run shown.
void CostWindow::ShowBudget()
{
    const double seconds = status_->Budget();
    QStringList lines;
    if (const RunResults* shown = store_.Shown())
        for (const Budget& budget : LargestWithin(shown->Rows(), shown->Models(), seconds))
            lines << tr("%1, %2: n = %3").arg(ToQString(NameOf(budget.routine)), ToQString(NameOf(budget.shape)),
                                             CountLabel(budget.n));
    status_->SetBudgetAnswer(lines.isEmpty() ? QString()
                                             : tr("Within %1 s, by the cost model:\n%2")
                                                   .arg(seconds)
                                                   .arg(lines.join(QStringLiteral("\n"))));
}

void CostWindow::Remember() const
{
    if (!remembered_)
        return;
    try {
        for (const auto& [key, value] : StorePlan(settings_->Plan()))
            remembered_->setValue(QStringLiteral("plan/") + QString::fromStdString(key), QString::fromStdString(value));
    } catch (const InputError&) {
        // From above To: the plan stored last stays
    }
    remembered_->setValue(QStringLiteral("plan/budget"), status_->Budget());
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
    StoredPlan stored;
    remembered_->beginGroup(QStringLiteral("plan"));
    for (const QString& key : remembered_->childKeys()) {
        const QVariant value = remembered_->value(key);  // a list, as older versions stored some, or a text
        stored[key.toStdString()] = (value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(','))
                                                                               : value.toString())
                                        .toStdString();
    }
    remembered_->endGroup();
    const RecalledPlan recalled = RecallPlan(stored);
    settings_->ShowPlan(recalled.plan);
    bool read = false;
    const double budget = remembered_->value(QStringLiteral("plan/budget")).toDouble(&read);
    if (read && budget >= 0.001 && budget <= 3600)
        status_->SetBudget(budget);
    restoreGeometry(remembered_->value(QStringLiteral("window/geometry")).toByteArray());
    splitter_->restoreState(remembered_->value(QStringLiteral("window/splitter")).toByteArray());
    const int tab = remembered_->value(QStringLiteral("window/tab"), 0).toInt();
    tabs_->setCurrentIndex(tab >= 0 && tab < tabs_->count() ? tab : 0);
    lastFolder_ = remembered_->value(QStringLiteral("window/lastFolder")).toString();
    if (!recalled.fallbacks.empty()) {
        QStringList said;
        for (const std::string& fallback : recalled.fallbacks)
            said << QString::fromStdString(fallback);
        restoreNote_ = tr("Settings restored, except: %1.").arg(said.join(QStringLiteral("; ")));
        status_->SetStatus(restoreNote_);
    }
}

void CostWindow::SetRunning(bool running)
{
    if (running)
        focusBeforeRun_ = QApplication::focusWidget();
    running_ = running;
    settings_->SetRunning(running);
    status_->SetRunning(running);
    UpdateActions();
    // The settings are disabled while a run goes on: focus goes back where the user left it.
    if (!running && focusBeforeRun_ && focusBeforeRun_->isEnabled() && focusBeforeRun_->isVisible())
        focusBeforeRun_->setFocus();
}

// Writes a whole file, or complains naming it and the system's reason.
bool CostWindow::Written(const QString& path, const QByteArray& bytes)
{
    const std::string reason =
        WriteWholeFile(QFile::encodeName(path).toStdString(), {bytes.constData(), static_cast<std::size_t>(bytes.size())});
    if (!reason.empty())
        complain_(tr("%1 could not be written: %2").arg(path, QString::fromStdString(reason)));
    return reason.empty();
}

bool CostWindow::ExportCsv(const QString& path)
{
    const RunResults* shown = store_.Shown();
    if (!shown) {
        complain_(tr("Run a measurement to export its results"));
        return false;
    }
    std::ostringstream csv;
    WriteCsv(csv, shown->Rows());
    if (!Written(path, QByteArray::fromStdString(csv.str())))
        return false;
    statusBar()->showMessage(tr("Wrote %1 rows of %2 to %3")
                                 .arg(shown->Rows().size())
                                 .arg(ToQString(shown->Title()).section(QLatin1Char(':'), 0, 0), path),
                             5000);
    return true;
}

bool CostWindow::ExportStepCsv(const QString& path)
{
    const StepThrough* run = stepView_->Recording();
    if (!run) {
        complain_(tr("Load a run in Step through to export it"));
        return false;
    }
    const StepThrough* race = stepView_->Session().Run(StepSession::kRight).get();
    if (!Written(path, QByteArray::fromStdString(race ? RaceCsv(*run, *race) : StepCsv(*run))))
        return false;
    const auto tests = run->At(run->Events()).counts.steps + (race ? race->At(race->Events()).counts.steps : 0);
    statusBar()->showMessage(race ? tr("Wrote both panes' %1 tests to %2").arg(tests).arg(path)
                                  : tr("Wrote %1 tests to %2").arg(tests).arg(path), 5000);
    return true;
}

bool CostWindow::ExportStepGif(const QString& path, FramesPer per)
{
    const StepThrough* run = stepView_->Recording();
    if (!run) {
        complain_(tr("Load a run in Step through to export it"));
        return false;
    }
    // At the width shown; a tab never laid out has no width of its own yet.
    const QWidget& canvas = stepView_->Canvas();
    std::vector<Titled> panes = {{run, stepView_->Left().Title().isEmpty() ? ToQString(NameOf(run->Input().routine))
                                                                            : stepView_->Left().Title()}};
    if (const StepThrough* race = stepView_->Session().Run(StepSession::kRight).get())
        panes.push_back({race, stepView_->Right().Title()});
    const int width = canvas.isVisible() ? canvas.width() * static_cast<int>(panes.size()) : kAnimationWidth;
    const Animation animation = AnimateRuns(panes, per, width, stepView_->CodeShown());
    if (animation.gif.isEmpty()) {
        complain_(tr("%1 could not be written: %2").arg(path, animation.error));
        return false;
    }
    if (!Written(path, animation.gif))
        return false;
    const QString note = QString::fromStdString(FramesNote(*run, per, animation.plan));
    statusBar()->showMessage(note.isEmpty() ? tr("Wrote %1 frames to %2").arg(animation.plan.events.size()).arg(path)
                                            : tr("Wrote %1: %2").arg(path, note));
    return true;
}

bool CostWindow::ExportChart(const QString& path)
{
    const ChartPanel* shown = ShownChart();
    if (!shown) {
        complain_(tr("Choose a chart's tab to export it"));
        return false;
    }
    if (!Written(path, shown->Png()))
        return false;
    statusBar()->showMessage(tr("Wrote the chart to %1").arg(path), 5000);
    return true;
}

}  // namespace sentinel
