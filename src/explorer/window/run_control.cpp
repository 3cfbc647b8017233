// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/window/run_control.h"

#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <utility>

#include "explorer/shared/units.h"
#include "explorer/window/results_model.h"
#include "explorer/window/run_status.h"
#include "explorer/window/settings_panel.h"
#include "qt_glue/qt_text.h"

namespace sentinel {
namespace {

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

// One routine and shape's answer: only what the model can say, and how far
// past the sizes measured it reaches.
QString BudgetLine(const Budget& budget)
{
    const QString series = RunControl::tr("%1, %2").arg(ToQString(NameOf(budget.routine)), ToQString(NameOf(budget.shape)));
    const QString fit = Grouping().toString(budget.rSquared, 'f', 2);
    if (!budget.Explained())
        return RunControl::tr("%1: the cost model does not explain the time (R² %2)").arg(series, fit);
    if (!budget.Extrapolated())
        return RunControl::tr("%1: n = %2 (R² %3)").arg(series, CountLabel(budget.n), fit);
    return RunControl::tr("%1: n = %2, extrapolated %3 times past the %4 measured (R² %5)")
        .arg(series, CountLabel(budget.n), Grouping().toString(double(budget.n) / budget.largestMeasured, 'f', 1),
             CountLabel(budget.largestMeasured), fit);
}

// Asks before a run of over a minute, or one that drops most of its input.
QString Question(const PreparedRun& run)
{
    QStringList reasons;
    if (run.seconds > PreparedRun::kAskPastSeconds || run.measurements > PreparedRun::kAskPastMeasurements)
        reasons << RunControl::tr("This run makes %1 measurements and takes %2, give or take a factor of two.")
                       .arg(Grouping().toString(qlonglong(run.measurements)), QString::fromStdString(Duration(run.seconds)));
    for (const std::string& warning : run.warnings)
        reasons << QString::fromStdString(warning) + QLatin1Char('.');
    return reasons.join(QLatin1Char('\n')) + RunControl::tr("\n\nRun it?");
}

}  // namespace

RunControl::RunControl(const SettingsPanel& settings, RunStatus& status, ResultsModel& results,
                       const CostCharts& charts, Confirmation confirm, QObject* parent)
    : QObject(parent), settings_(settings), status_(status), results_(results), charts_(charts),
      confirm_(std::move(confirm)), redraw_(new QTimer(this))
{
    // Small sizes are measured faster than charts are drawn: draw at most ten times a second.
    redraw_->setSingleShot(true);
    redraw_->setInterval(100);
    connect(redraw_, &QTimer::timeout, this, &RunControl::DrawShown);
    DrawShown();  // the charts say what to run
}

RunControl::~RunControl()
{
    session_.Stop();  // no event of the worker outlives this object
}

void RunControl::ShowFirstLook()
{
    if (running_ || !settings_.Editor().Problem().empty())
        return;  // nothing to look at until the user chooses
    Preparation prepared = RunSession::Prepare(settings_.Plan());
    if (!prepared.run || prepared.run->estimates.empty() || prepared.run->seconds >= 1)
        return;  // the user chooses, and hears of any problem on Run
    firstLook_ = tr("Shown: %1, measured at start. Choose what to measure, then Run (F5).")
                     .arg(RunTitle(Store().Runs().size() + 1, prepared.run->plan));
    Start(std::move(*prepared.run));
}

void RunControl::StartSweep()
{
    if (running_)
        return;
    if (const std::string problem = settings_.Editor().Problem(); !problem.empty()) {
        Tell({problem, {}});  // the results shown stay
        return;
    }
    Preparation prepared = RunSession::Prepare(settings_.Plan());
    if (!prepared.run) {
        Tell(prepared.refusal);
        return;
    }
    if (prepared.run->AsksFirst() && !confirm_(Question(*prepared.run)))
        return;
    Start(std::move(*prepared.run));
}

void RunControl::Start(PreparedRun run)
{
    const QString title = RunTitle(Store().Runs().size() + 1, run.plan);
    SetRunning(true);
    // The worker's events reach this object on its own thread, as many as
    // have arrived at a time.
    session_.Start(
        std::move(run), title.toStdString(),
        {[this](const Measurement& row) { Arrived(&row, nullptr); },
         [this](const SweepProgress& progress) { Arrived(nullptr, &progress); }},
        [this](const SweepOutcome& outcome) {
            QMetaObject::invokeMethod(this, [this, end = outcome.end, error = outcome.error] {
                Finished({end, error, {}});
            }, Qt::QueuedConnection);
        });
}

void RunControl::CancelSweep()
{
    if (!running_)
        return;
    session_.Cancel();
    status_.SetStatus(tr("Cancelling…"));
}

void RunControl::Arrived(const Measurement* row, const SweepProgress* progress)
{
    const std::lock_guard lock(arrivedMutex_);
    if (row)
        arrivedRows_.push_back(*row);
    if (progress)
        arrivedProgress_ = *progress;
    if (!std::exchange(takePosted_, true))
        QMetaObject::invokeMethod(this, &RunControl::TakeArrived, Qt::QueuedConnection);
}

void RunControl::TakeArrived()
{
    std::vector<Measurement> rows;
    std::optional<SweepProgress> progress;
    {
        const std::lock_guard lock(arrivedMutex_);
        rows.swap(arrivedRows_);
        progress.swap(arrivedProgress_);
        takePosted_ = false;
    }
    if (!rows.empty())
        Measured(rows);
    if (progress)
        Progressed(*progress);
}

void RunControl::Measured(const std::vector<Measurement>& rows)
{
    const std::size_t runs = Store().Runs().size();
    const RunResults* shown = Store().Shown();
    for (const Measurement& row : rows)
        session_.Keep(row);
    if (Store().Runs().size() != runs || Store().Shown() != shown)
        ShowStore();  // the run's first row: it is shown from here on
    else
        results_.RowsArrived();
    if (!redraw_->isActive())
        redraw_->start();
}

void RunControl::Progressed(const SweepProgress& progress)
{
    status_.SetProgress(progress.fraction);
    if (const std::optional<Job>& job = progress.current)
        status_.SetStatus(tr("%1\nmeasurement %2 of %3; %4 left")
                              .arg(tr("%1, %2, n = %3, run %4 of %5")
                                       .arg(ToQString(NameOf(job->routine)), ToQString(NameOf(job->shape)),
                                            CountLabel(job->n))
                                       .arg(job->repeat)
                                       .arg(progress.repeats))
                              .arg(progress.done + 1)
                              .arg(progress.total)
                              .arg(QString::fromStdString(Duration(progress.secondsLeft))));
}

void RunControl::Finished(const SweepOutcome& outcome)
{
    TakeArrived();  // the rows still on their way, before the run ends
    const auto& runs = Store().Runs();
    const RunResults* ended = !runs.empty() && !runs.back()->End() ? runs.back().get() : nullptr;  // kept at its first row
    const Notice failure = session_.Finish(outcome);
    SetRunning(false);
    redraw_->stop();
    ShowStore();
    const std::size_t rows = ended ? ended->Rows().size() : 0;
    const QString firstLook = std::exchange(firstLook_, QString());
    switch (outcome.end) {
    case SweepEnd::Completed:
        status_.SetProgress(1);
        Completed(firstLook);
        break;
    case SweepEnd::Cancelled:
        status_.SetStatus(rows > 0 ? tr("Cancelled after %1 measurements; they are kept as %2.")
                                         .arg(rows)
                                         .arg(ToQString(ended->Title()).section(QLatin1Char(':'), 0, 0))
                                   : tr("Cancelled before any measurement; the results shown stay."));
        break;
    case SweepEnd::Failed:
        Tell(failure);
        break;
    }
}

// A first look says what it shows, after what fell back at start; a run
// says how many measurements it made and whether every result held.
void RunControl::Completed(const QString& firstLook)
{
    if (!firstLook.isEmpty()) {
        status_.SetStatus(restoreNote_.isEmpty() ? firstLook : restoreNote_ + QLatin1Char('\n') + firstLook);
        return;
    }
    const RunResults* ended = Store().Runs().empty() ? nullptr : Store().Runs().back().get();
    const auto rows = ended ? ended->Rows().size() : 0;
    const auto differing = ended ? std::count_if(ended->Rows().begin(), ended->Rows().end(),
                                                 [](const Measurement& m) { return !m.identical; })
                                 : 0;
    status_.SetStatus(tr("Done: %1 measurements; %2; scanned at %3.")
                          .arg(rows)
                          .arg(differing == 0 ? tr("every result is identical to the floor's")
                                              : tr("%1 results differ from the floor's").arg(differing))
                          .arg(ToQString(NameOf(ActiveKernels().path))));
}

void RunControl::SetRunning(bool running)
{
    running_ = running;
    emit runningChanged(running);
}

// The runs listed, the run shown in the table and on the charts, and its budget.
void RunControl::ShowStore()
{
    QStringList titles;
    for (const auto& run : Store().Runs())
        titles << ToQString(run->Title());
    const auto index = [](std::optional<std::size_t> at) { return at ? static_cast<int>(*at) : -1; };
    status_.SetRuns(titles, index(Store().ShownIndex()), index(Store().OverlaidIndex()));
    if (results_.Run() != Store().Shown())
        results_.Show(Store().Shown());
    else
        results_.RowsArrived();
    DrawShown();
    emit storeChanged();
}

void RunControl::DrawShown()
{
    DrawCharts(charts_, Store().Shown(), Store().Overlaid());
    ShowBudget();
}

void RunControl::ShowRun(int run)
{
    if (run < 0)
        return;
    session_.Store().Show(static_cast<std::size_t>(run));
    ShowStore();
}

void RunControl::OverlayRun(int run)
{
    session_.Store().Overlay(run < 0 ? std::nullopt : std::optional(static_cast<std::size_t>(run)));
    ShowStore();
}

void RunControl::ShowBudget()
{
    const double seconds = status_.Budget();
    QStringList lines;
    if (const RunResults* shown = Store().Shown())
        for (const Budget& budget : LargestWithin(shown->Rows(), shown->Models(), seconds))
            lines << BudgetLine(budget);
    status_.SetBudgetAnswer(lines.isEmpty() ? QString()
                                            : tr("Within %1 s, by the cost model:\n%2")
                                                  .arg(seconds)
                                                  .arg(lines.join(QStringLiteral("\n"))));
}

// Said in the status, and to the window, which shows it.
void RunControl::Tell(const Notice& notice)
{
    const QString text = QString::fromStdString(notice.Text());
    status_.SetStatus(text);
    emit told(text);
}

}  // namespace sentinel
