// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/window/cost_window.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

#include "explorer/charts/chart_panel.h"
#include "explorer/shared/units.h"
#include "explorer/step_through/step_view.h"
#include "explorer/window/file_reading.h"
#include "explorer/window/help.h"
#include "explorer/window/results_model.h"
#include "explorer/window/results_table.h"
#include "explorer/window/run_control.h"
#include "explorer/window/run_status.h"
#include "explorer/window/settings_panel.h"
#include "model/plan_store.h"
#include "model/run_session.h"
#include "qt_glue/qt_text.h"

namespace sentinel {
namespace {

// Asks for a path to save to; empty when the user cancels.
QString SavePath(QWidget* parent, const QString& title, const QString& name, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, title, name, filter);
}

// What a routine's keys are, as a file's lines may be.
QString KeyWords(Routine routine)
{
    switch (Describe(routine).key) {
    case KeyKind::Number: return CostWindow::tr("numbers");
    case KeyKind::Field: return CostWindow::tr("fields that start with a number");
    case KeyKind::Text: break;
    }
    return CostWindow::tr("words");
}

// The property of each tab's page that holds its PageId.
constexpr char kPageProperty[] = "sentinelPage";

}  // namespace

CostWindow::CostWindow(Complaint complain, Confirmation confirm, QSettings* remembered, QWidget* parent)
    : QMainWindow(parent), complain_(std::move(complain)), confirm_(std::move(confirm)), remembered_(remembered),
      results_(new ResultsModel(this)), charts_(CreateCostCharts()), settings_(new SettingsPanel),
      status_(new RunStatus), reading_(new FileReading(this))
{
    if (!complain_)
        complain_ = [this](const QString& problem) { QMessageBox::warning(this, windowTitle(), problem); };
    if (!confirm_)
        confirm_ = [this](const QString& question) {
            return QMessageBox::question(this, windowTitle(), question) == QMessageBox::Yes;
        };
    setWindowTitle(tr("Sentinel insertion: cost explorer"));
    tabs_ = CreateTabs();
    runs_ = new RunControl(*settings_, *status_, *results_, charts_, confirm_, this);
    connect(runs_, &RunControl::runningChanged, this, &CostWindow::SetRunning);
    connect(runs_, &RunControl::storeChanged, this, &CostWindow::UpdateActions);
    connect(runs_, &RunControl::told, this, [this](const QString& text) { complain_(text); });
    connect(stepView_, &StepView::problem, this, [this](const QString& problem) { complain_(problem); });
    connect(settings_, &SettingsPanel::openRequested, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, tr("Open a text file, one entry a line"), lastFolder_);
        if (!path.isEmpty())
            OpenInput(path);
    });
    connect(status_, &RunStatus::runRequested, runs_, &RunControl::StartSweep);
    connect(status_, &RunStatus::cancelRequested, runs_, &RunControl::CancelSweep);
    connect(status_, &RunStatus::showRunRequested, runs_, &RunControl::ShowRun);
    connect(status_, &RunStatus::overlayRequested, runs_, &RunControl::OverlayRun);
    connect(status_, &RunStatus::budgetChanged, runs_, &RunControl::ShowBudget);
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
    status_->SetStatus(tr("Choose what to measure, then Run (F5)."));
    Recall();
}

CostWindow::~CostWindow()
{
    Remember();
}

// A tab a page, each carrying its id.
QTabWidget* CostWindow::CreateTabs()
{
    auto* tabs = new QTabWidget;
    tabs->setAccessibleName(tr("Charts and results"));
    stepView_ = new StepView;
    for (const Page& page : Pages()) {
        QWidget* shown = page.id == PageId::Results       ? new ResultsTable(*results_)
                       : page.id == PageId::StepThrough ? static_cast<QWidget*>(stepView_)
                                                          : charts_.Chart(page.id);
        shown->setProperty(kPageProperty, int(page.id));
        tabs->addTab(shown, PageTitle(page.id));
    }
    return tabs;
}

void CostWindow::ShowPage(PageId page)
{
    for (int tab = 0; tab < tabs_->count(); ++tab)
        if (tabs_->widget(tab)->property(kPageProperty).toInt() == int(page))
            tabs_->setCurrentIndex(tab);
}

PageId CostWindow::ShownPage() const
{
    return static_cast<PageId>(tabs_->currentWidget()->property(kPageProperty).toInt());
}

bool CostWindow::Running() const noexcept
{
    return runs_->Running();
}

bool CostWindow::Reading() const noexcept
{
    return reading_->Busy();
}

const ResultsStore& CostWindow::Store() const noexcept
{
    return runs_->Store();
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
    connect(tabs_, &QTabWidget::currentChanged, left, [this, left] { left->setVisible(ShownPage() != PageId::StepThrough); });
    return left;
}

ChartPanel* CostWindow::ShownChart() const
{
    return charts_.Chart(ShownPage());
}

void CostWindow::CreateMenus()
{
    CreateFileMenu();
    QMenu* measure = menuBar()->addMenu(tr("&Measure"));
    measure->addAction(tr("Restore &Defaults…"), this, &CostWindow::RestoreDefaults);
    measure->addAction(tr("&Run"), QKeySequence(Qt::Key_F5), this, &CostWindow::StartSweep);
    actions_.cancel = measure->addAction(tr("&Cancel"), QKeySequence(Qt::Key_Escape), this, &CostWindow::CancelSweep);
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&Guide to This Tab"), QKeySequence::HelpContents, this,
                    [this] { ShowGuide(this, ShownPage()); });
    help->addAction(tr("&Keys"), this, [this] { ShowKeys(this); });
    help->addAction(tr("&Exercises"), this, [this] { ShowExercises(this); });
    help->addAction(tr("&About sentinel-cost"), this,
                    [this] { QMessageBox::about(this, tr("About sentinel-cost"), AboutText()); });
    qApp->installEventFilter(this);
}

void CostWindow::CreateFileMenu()
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
    actions_.exportCsv->setEnabled(Store().Shown() != nullptr);
    actions_.exportStepCsv->setEnabled(stepView_->Recording() != nullptr);
    actions_.exportStepGif->setEnabled(stepView_->Recording() != nullptr);
    actions_.cancel->setEnabled(Running());
}

void CostWindow::RestoreDefaults()
{
    if (!Running() && !Reading() && confirm_(tr("Put every setting of the plan back to its default? The results shown stay.")))
        ShowPlan(DefaultPlan());
}

void CostWindow::ShowPlan(const SweepPlan& plan)
{
    if (!Running() && !Reading())
        settings_->ShowPlan(plan);
}

void CostWindow::ShowFirstLook()
{
    runs_->ShowFirstLook();
}

void CostWindow::StartSweep()
{
    if (!Reading())
        runs_->StartSweep();
}

void CostWindow::CancelSweep()
{
    runs_->CancelSweep();
}

void CostWindow::ShowRun(int run)
{
    runs_->ShowRun(run);
}

void CostWindow::OverlayRun(int run)
{
    runs_->OverlayRun(run);
}

void CostWindow::OpenInput(const QString& path)
{
    if (Reading() || Running())
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
    const std::optional<Routine> chosen = settings_->ChooseFile(QFile::encodeName(path).toStdString(), std::move(entries));
    QStringList said = {tr("Opened %1: %2 entries.").arg(QFileInfo(path).fileName(), Grouping().toString(size))};
    if (chosen)
        said << tr("Its lines are %1: %2 is chosen to measure them.").arg(KeyWords(*chosen), ToQString(NameOf(*chosen)));
    for (const std::string& drops : RunSession::FileDrops(settings_->Plan())) {
        QString sentence = QString::fromStdString(drops) + QLatin1Char('.');
        sentence[0] = sentence[0].toUpper();
        said << sentence;
    }
    said << tr("Run (F5) to measure it.");
    status_->SetStatus(said.join(QLatin1Char(' ')));
}

void CostWindow::SetRunning(bool running)
{
    if (running)
        focusBeforeRun_ = QApplication::focusWidget();
    status_->SetRunning(running);
    // A field disabled with the focus would hand it to the next, and the
    // settings would scroll to that one: the focus waits on Cancel instead.
    if (running && settings_->isAncestorOf(QApplication::focusWidget()))
        status_->FocusCancel();
    settings_->SetRunning(running);
    UpdateActions();
    // The settings are disabled while a run goes on: focus goes back where the user left it.
    if (!running && focusBeforeRun_ && focusBeforeRun_->isEnabled() && focusBeforeRun_->isVisible())
        focusBeforeRun_->setFocus();
}

// Says on the status bar what an export wrote, or complains why it could not.
bool CostWindow::Report(const Exported& exported, int shownFor)
{
    if (!exported.written)
        complain_(exported.said);
    else
        statusBar()->showMessage(exported.said, shownFor);
    return exported.written;
}

bool CostWindow::ExportCsv(const QString& path)
{
    return Report(sentinel::ExportRunCsv(Store().Shown(), path));
}

bool CostWindow::ExportChart(const QString& path)
{
    return Report(sentinel::ExportChartPng(ShownChart(), path));
}

bool CostWindow::ExportStepCsv(const QString& path)
{
    return Report(sentinel::ExportStepCsv(*stepView_, path));
}

bool CostWindow::ExportStepGif(const QString& path, FramesPer per)
{
    return Report(sentinel::ExportStepGif(*stepView_, path, per), 0);
}

void CostWindow::Remember() const
{
    if (!remembered_)
        return;
    for (const auto& [key, value] : StorePlan(settings_->Plan()))
        remembered_->setValue(QStringLiteral("plan/") + QString::fromStdString(key), QString::fromStdString(value));
    remembered_->setValue(QStringLiteral("plan/budget"), status_->Budget());
    remembered_->setValue(QStringLiteral("window/geometry"), saveGeometry());
    remembered_->setValue(QStringLiteral("window/splitter"), splitter_->saveState());
    remembered_->setValue(QStringLiteral("window/page"), QString::fromUtf8(PageOf(ShownPage()).key));
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
    ShowPage(PageKeyed(remembered_->value(QStringLiteral("window/page")).toString().toStdString()).value_or(PageId::Time));
    lastFolder_ = remembered_->value(QStringLiteral("window/lastFolder")).toString();
    if (!recalled.fallbacks.empty()) {
        QStringList said;
        for (const std::string& fallback : recalled.fallbacks)
            said << QString::fromStdString(fallback);
        const QString note = tr("Settings restored, except: %1.").arg(said.join(QStringLiteral("; ")));
        runs_->SetRestoreNote(note);
        status_->SetStatus(note);
    }
}

}  // namespace sentinel
