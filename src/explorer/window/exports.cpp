// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/window/exports.h"

#include <QCoreApplication>
#include <QFile>

#include <sstream>

#include "cost/csv.h"
#include "cost/output_file.h"
#include "explorer/charts/chart_panel.h"
#include "explorer/step_through/step_animation.h"
#include "explorer/step_through/step_pane.h"
#include "explorer/step_through/step_view.h"
#include "explorer/step_through/trace_canvas.h"
#include "model/results_store.h"
#include "qt_glue/qt_text.h"

namespace sentinel {
namespace {

// The window's texts, translated as the window's own.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(sentinel::CostWindow)
};

// Writes a whole file; says so with `said`, or names the file and the system's reason.
Exported Written(const QString& path, const QByteArray& bytes, const QString& said)
{
    const std::string reason =
        WriteWholeFile(QFile::encodeName(path).toStdString(), {bytes.constData(), static_cast<std::size_t>(bytes.size())});
    if (!reason.empty())
        return {false, Texts::tr("%1 could not be written: %2").arg(path, QString::fromStdString(reason))};
    return {true, said};
}

}  // namespace

Exported ExportRunCsv(const RunResults* shown, const QString& path)
{
    if (!shown)
        return {false, Texts::tr("Run a measurement to export its results")};
    std::ostringstream csv;
    WriteCsv(csv, shown->Rows(), shown->About());
    return Written(path, QByteArray::fromStdString(csv.str()),
                   Texts::tr("Wrote %1 rows of %2 to %3")
                       .arg(shown->Rows().size())
                       .arg(ToQString(shown->Title()).section(QLatin1Char(':'), 0, 0), path));
}

Exported ExportChartPng(const ChartPanel* shown, const QString& path)
{
    if (!shown)
        return {false, Texts::tr("Choose a chart's tab to export it")};
    return Written(path, shown->Png(), Texts::tr("Wrote the chart to %1").arg(path));
}

Exported ExportStepCsv(const StepView& view, const QString& path)
{
    const StepThrough* run = view.Recording();
    if (!run)
        return {false, Texts::tr("Load a run in Step through to export it")};
    const StepThrough* race = view.Session().Run(StepSession::kRight).get();
    const auto tests = run->At(run->Events()).counts.steps + (race ? race->At(race->Events()).counts.steps : 0);
    return Written(path, QByteArray::fromStdString(race ? RaceCsv(*run, *race) : StepCsv(*run)),
                   race ? Texts::tr("Wrote both panes' %1 tests to %2").arg(tests).arg(path)
                        : Texts::tr("Wrote %1 tests to %2").arg(tests).arg(path));
}

Exported ExportStepGif(const StepView& view, const QString& path, FramesPer per)
{
    const StepThrough* run = view.Recording();
    if (!run)
        return {false, Texts::tr("Load a run in Step through to export it")};
    // At the width shown; a tab never laid out has no width of its own yet.
    const QWidget& canvas = view.Canvas();
    std::vector<Titled> panes = {
        {run, view.Left().Title().isEmpty() ? ToQString(NameOf(run->Input().routine)) : view.Left().Title()}};
    if (const StepThrough* race = view.Session().Run(StepSession::kRight).get())
        panes.push_back({race, view.Right().Title()});
    const int width = canvas.isVisible() ? canvas.width() * static_cast<int>(panes.size()) : kAnimationWidth;
    const Animation animation = AnimateRuns(panes, per, width, view.CodeShown());
    if (animation.gif.isEmpty())
        return {false, Texts::tr("%1 could not be written: %2").arg(path, animation.error)};
    const QString note = QString::fromStdString(FramesNote(*run, per, animation.plan));
    return Written(path, animation.gif,
                   note.isEmpty() ? Texts::tr("Wrote %1 frames to %2").arg(animation.plan.events.size()).arg(path)
                                  : Texts::tr("Wrote %1: %2").arg(path, note));
}

}  // namespace sentinel
