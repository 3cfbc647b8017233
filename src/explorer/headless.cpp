// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/headless.h"

#include <QLayout>

#include <cmath>
#include <cstdio>
#include <memory>
#include <sstream>

#include "cost/cost_model.h"
#include "cost/csv.h"
#include "cost/growth.h"
#include "cost/output_file.h"
#include "model/run_session.h"
#include "runtime/runtime_error.h"
#include "explorer/charts/chart_panel.h"
#include "explorer/charts/cost_charts.h"
#include "explorer/step_through/step_animation.h"

namespace sentinel {
namespace {

void PrintSummary(std::FILE* out, const std::vector<GrowthSummary>& summaries)
{
    std::fprintf(out, "%-24s %-11s %9s %15s %6s %9s %14s %9s\n", "routine", "shape", "largest n", "time ^ (95 %)",
                 "R2", "steps ^", "ns per step", "x floor");
    const auto number = [](const char* format, double value) {
        char text[24] = "-";
        if (!std::isnan(value))
            std::snprintf(text, sizeof text, format, value);
        return std::string(text);
    };
    for (const GrowthSummary& s : summaries) {
        const std::string time = number("%.2f", s.timeFit.slope) + number(" ± %.2f", s.timeFit.slopeHalfWidth95);
        std::fprintf(out, "%-24s %-11s %9d %15s %6s %9s %14.3f %9.2f\n", std::string(NameOf(s.routine)).c_str(),
                     NameOf(s.shape).c_str(), s.largestN, time.c_str(), number("%.3f", s.timeFit.rSquared).c_str(),
                     number("%.2f", s.stepFit.slope).c_str(), s.secondsPerStep * 1e9, s.floorRatio);
    }
}

void PrintOrder(std::FILE* out, const RunResults& results)
{
    const std::int32_t n = results.OrderSize();
    const std::vector<OrderPoint>& points = results.Order();
    std::fprintf(out, "\nAt n = %d:\n%-24s %-14s %10s %12s %12s %12s %10s\n", n, "routine", "shape", "sortedness", "steps",
                "moves", "shifted", "ms");
    for (const OrderPoint& p : points)
        std::fprintf(out, "%-24s %-14s %10.3f %12lld %12lld %12lld %10.3f\n", std::string(NameOf(p.routine)).c_str(),
                    NameOf(p.shape).c_str(), p.sortedness, static_cast<long long>(p.steps),
                    static_cast<long long>(p.moves), static_cast<long long>(p.shifted), p.seconds * 1e3);
}

void PrintCostModels(std::FILE* out, const std::vector<CostModel>& models)
{
    std::fprintf(out, "\nCost model, time = a n + b steps + c shifted:\n");
    for (const CostModel& m : models)
        std::fprintf(out, "%-24s a %8.3f ns (%3.0f %%)  b %8.3f ns (%3.0f %%)  c %8.3f ns (%3.0f %%)\n",
                     std::string(NameOf(m.routine)).c_str(), m.perEntry * 1e9, 100 * m.entryShare, m.perStep * 1e9,
                     100 * m.stepShare, m.perShift * 1e9, 100 * m.shiftShare);
}

// Made inputs are checked by a run at the size found; a file cannot grow
// past its own entries, so its budget is the model's alone.
void PrintBudget(std::FILE* out, const SweepPlan& plan, const RunResults& results, double seconds)
{
    TimeAt timeAt;
    if (plan.kind != InputKind::File)
        timeAt = [&plan](Routine routine, const Shape& shape, std::int32_t n) {
            const Input input = PlanInput(plan, shape, n);
            WarmUp(routine, input);
            return Measure(routine, plan.kind, shape, input, 1).seconds;
        };
    std::fprintf(out, "\nThe largest n within %g s:\n", seconds);
    for (const Budget& budget : LargestWithin(results.Rows(), results.Models(), seconds, timeAt)) {
        if (!budget.Explained()) {
            std::fprintf(out, "%-24s %-14s the cost model does not explain the time (R2 %.2f)\n",
                         std::string(NameOf(budget.routine)).c_str(), NameOf(budget.shape).c_str(), budget.rSquared);
            continue;
        }
        char reach[64] = "";
        if (budget.Extrapolated())
            std::snprintf(reach, sizeof reach, ", %.1fx past n = %d measured", double(budget.n) / budget.largestMeasured,
                          budget.largestMeasured);
        std::fprintf(out, "%-24s %-14s %9d  %.3g s predicted%s (R2 %.2f%s)\n", std::string(NameOf(budget.routine)).c_str(),
                     NameOf(budget.shape).c_str(), budget.n, budget.seconds,
                     budget.measured > 0 ? (", " + std::to_string(budget.measured) + " s measured").c_str() : "",
                     budget.rSquared, reach);
    }
}

// The chart of time against n, or of cost against order for an order
// sweep, with its legend.
QByteArray ChartPng(const RunResults& results, bool orderSweep)
{
    const CostCharts charts = CreateCostCharts();
    const std::unique_ptr<ChartPanel> panels[] = {std::unique_ptr<ChartPanel>(charts.time),
                                                  std::unique_ptr<ChartPanel>(charts.steps),
                                                  std::unique_ptr<ChartPanel>(charts.ratio),
                                                  std::unique_ptr<ChartPanel>(charts.order)};
    DrawCharts(charts, &results);
    ChartPanel& shown = orderSweep ? *charts.order : *charts.time;
    shown.resize(1200 + 250, 720);
    shown.layout()->activate();
    return shown.Png();
}

// Writes one output; false, after a line naming the file and the system's
// reason, when it cannot be.
bool WriteOutput(const std::string& path, std::string_view bytes, const std::string& detail = {})
{
    std::string reason = bytes.empty() && !detail.empty() ? detail : WriteWholeFile(path, bytes);
    if (reason.empty())
        return true;
    std::fprintf(stderr, "sentinel-cost: %s could not be written: %s\n", path.c_str(), reason.c_str());
    return false;
}

std::string_view BytesOf(const QByteArray& bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}


// Steps through the command line's one run and writes its CSV and GIF.
int RunStepExport(const CommandLine& line)
{
    const Routine routine = line.plan.routines.front();
    std::unique_ptr<StepThrough> run;
    try {
        run = std::make_unique<StepThrough>(line.plan.inputPath.empty()
                                                ? StartUpStepInput(routine, line.fieldIndex)
                                                : StepInputOf(routine, line.fieldIndex, line.plan.FileEntries()));
    } catch (const RuntimeError& error) {
        std::fprintf(stderr, "sentinel-cost: %s cannot take this list: %s\n", std::string(NameOf(routine)).c_str(),
                     error.Description().c_str());
        return 2;
    }
    const std::string csv = StepCsv(*run);
    Animation animation;
    if (!line.stepGifPath.empty()) {
        animation = AnimateRun(*run, line.frames, kAnimationWidth, true);
        if (const std::string note = FramesNote(*run, line.frames, animation.plan); !note.empty())
            std::fprintf(stderr, "sentinel-cost: %s: %s\n", line.stepGifPath.c_str(), note.c_str());
    }
    bool written = true;
    if (line.stepCsvPath == "-")
        std::fputs(csv.c_str(), stdout);
    else if (!line.stepCsvPath.empty())
        written = WriteOutput(line.stepCsvPath, csv);
    if (!line.stepGifPath.empty())
        written = WriteOutput(line.stepGifPath, BytesOf(animation.gif), animation.error.toStdString()) && written;
    return written ? 0 : 2;
}

}  // namespace

int RunHeadless(const CommandLine& line)
{
    if (line.StepExport())
        return RunStepExport(line);
    const Preparation prepared = RunSession::Prepare(line.plan);
    if (!prepared.run) {
        std::fprintf(stderr, "sentinel-cost: %s\n", prepared.refusal.reason.c_str());
        return 2;
    }
    // The estimate and any warning, on standard error before the sweep starts.
    for (const std::string& said : prepared.run->Preview())
        std::fprintf(stderr, "sentinel-cost: %s\n", said.c_str());
    RunSession session;
    if (const Notice failure = session.RunHere(*prepared.run, "sentinel-cost"); !failure.Empty()) {
        std::fprintf(stderr, "sentinel-cost: %s\n", failure.reason.c_str());
        return 2;
    }
    static const RunResults none;
    const RunResults& results = session.Store().Shown() ? *session.Store().Shown() : none;
    // Standard output carries the CSV when asked for it; the summary then goes aside.
    const bool csvToOutput = line.csvPath == "-";
    std::FILE* summary = csvToOutput ? stderr : stdout;
    PrintSummary(summary, results.Summaries());
    if (line.plan.IsOrderSweep())
        PrintOrder(summary, results);
    PrintCostModels(summary, results.Models());
    if (line.budgetSeconds > 0)
        PrintBudget(summary, line.plan, results, line.budgetSeconds);
    std::ostringstream csv;
    WriteCsv(csv, results.Rows(), results.About());
    // Each output is written whatever becomes of the others.
    bool written = true;
    if (csvToOutput)
        std::fputs(csv.str().c_str(), stdout);
    else if (!line.csvPath.empty())
        written = WriteOutput(line.csvPath, csv.str());
    if (!line.chartPath.empty())
        written = WriteOutput(line.chartPath, BytesOf(ChartPng(results, line.plan.IsOrderSweep()))) && written;
    if (!written)
        return 2;
    if (const auto fault = FirstFault(results.Rows())) {
        std::fprintf(stderr, "sentinel-cost: %s\n", fault->c_str());
        return 1;
    }
    return 0;
}

}  // namespace sentinel
