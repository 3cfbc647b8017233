#include "explorer/headless.h"

#include <QLayout>
#include <QFile>

#include <cmath>
#include <cstdio>
#include <memory>
#include <sstream>

#include "cost/cost_model.h"
#include "cost/csv.h"
#include "cost/growth.h"
#include "cost/preview.h"
#include "runtime/runtime_error.h"
#include "explorer/chart_panel.h"
#include "explorer/cost_charts.h"
#include "explorer/export_file.h"
#include "explorer/step_animation.h"

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

void PrintOrder(std::FILE* out, const std::vector<Measurement>& rows)
{
    std::int32_t n = 0;
    const std::vector<OrderPoint> points = OrderPoints(rows, n);
    std::fprintf(out, "\nAt n = %d:\n%-24s %-14s %10s %12s %12s %12s %10s\n", n, "routine", "shape", "sortedness", "steps",
                "moves", "shifted", "ms");
    for (const OrderPoint& p : points)
        std::fprintf(out, "%-24s %-14s %10.3f %12lld %12lld %12lld %10.3f\n", std::string(NameOf(p.routine)).c_str(),
                    NameOf(p.shape).c_str(), p.sortedness, static_cast<long long>(p.steps),
                    static_cast<long long>(p.moves), static_cast<long long>(p.shifted), p.seconds * 1e3);
}

void PrintCostModels(std::FILE* out, const std::vector<Measurement>& rows)
{
    std::fprintf(out, "\nCost model, time = a n + b steps + c shifted:\n");
    for (const CostModel& m : FitCostModels(rows))
        std::fprintf(out, "%-24s a %8.3f ns (%3.0f %%)  b %8.3f ns (%3.0f %%)  c %8.3f ns (%3.0f %%)\n",
                     std::string(NameOf(m.routine)).c_str(), m.perEntry * 1e9, 100 * m.entryShare, m.perStep * 1e9,
                     100 * m.stepShare, m.perShift * 1e9, 100 * m.shiftShare);
}

// Made inputs are checked by a run at the size found; a file cannot grow
// past its own entries, so its budget is the model's alone.
void PrintBudget(std::FILE* out, const SweepPlan& plan, const std::vector<Measurement>& rows, double seconds)
{
    TimeAt timeAt;
    if (plan.kind != InputKind::File)
        timeAt = [&plan](Routine routine, const Shape& shape, std::int32_t n) {
            const Input input = PlanInput(plan, shape, n);
            WarmUp(routine, input);
            return Measure(routine, plan.kind, shape, input, 1).seconds;
        };
    std::fprintf(out, "\nThe largest n within %g s:\n", seconds);
    for (const Budget& budget : LargestWithin(rows, seconds, timeAt))
        std::fprintf(out, "%-24s %-14s %9d  %.3g s predicted%s\n", std::string(NameOf(budget.routine)).c_str(),
                     NameOf(budget.shape).c_str(), budget.n, budget.seconds,
                     budget.measured > 0 ? (", " + std::to_string(budget.measured) + " s measured").c_str() : "");
}

// The chart of time against n, or of cost against order for an order
// sweep, with its legend.
QByteArray ChartPng(const std::vector<Measurement>& rows, bool orderSweep)
{
    const CostCharts charts = CreateCostCharts();
    const std::unique_ptr<ChartPanel> panels[] = {std::unique_ptr<ChartPanel>(charts.time),
                                                  std::unique_ptr<ChartPanel>(charts.steps),
                                                  std::unique_ptr<ChartPanel>(charts.ratio),
                                                  std::unique_ptr<ChartPanel>(charts.order)};
    DrawCharts(charts, rows);
    ChartPanel& shown = orderSweep ? *charts.order : *charts.time;
    shown.resize(1200 + 250, 720);
    shown.layout()->activate();
    return shown.Png();
}

// The estimate and any warning, on standard error before the sweep starts.
// Input a routine cannot take is left for the sweep to report.
void Preview(const SweepPlan& plan)
{
    try {
        std::fprintf(stderr, "sentinel-cost: this run takes %s\n", Duration(EstimateSeconds(plan)).c_str());
        for (const std::string& warning : DropWarnings(plan))
            std::fprintf(stderr, "sentinel-cost: %s\n", warning.c_str());
    } catch (const RuntimeError&) {
    }
}


// Steps through the command line's one run and writes its CSV and GIF.
int RunStepExport(const CommandLine& line)
{
    const Routine routine = line.plan.routines.front();
    std::unique_ptr<StepThrough> run;
    try {
        run = std::make_unique<StepThrough>(line.inputPath.empty()
                                                ? StartUpStepInput(routine, line.fieldIndex)
                                                : StepInputOf(routine, line.fieldIndex, line.plan.fileEntries));
    } catch (const RuntimeError& error) {
        std::fprintf(stderr, "sentinel-cost: %s cannot take this list: %s\n", std::string(NameOf(routine)).c_str(),
                     error.Description().c_str());
        return 2;
    }
    const std::string csv = StepCsv(*run);
    Animation animation;
    if (!line.stepGifPath.empty()) {
        animation = AnimateRun(*run, line.frames, kAnimationWidth);
        if (const std::string note = FramesNote(*run, line.frames, animation.plan); !note.empty())
            std::fprintf(stderr, "sentinel-cost: %s: %s\n", line.stepGifPath.c_str(), note.c_str());
    }
    if (line.stepCsvPath == "-")
        std::fputs(csv.c_str(), stdout);
    else if (!line.stepCsvPath.empty() && !WriteWhole(QString::fromStdString(line.stepCsvPath), QByteArray::fromStdString(csv))) {
        std::fprintf(stderr, "sentinel-cost: %s could not be written\n", line.stepCsvPath.c_str());
        return 2;
    }
    if (!line.stepGifPath.empty() && (animation.gif.isEmpty() || !WriteWhole(QString::fromStdString(line.stepGifPath), animation.gif))) {
        if (!line.stepCsvPath.empty() && line.stepCsvPath != "-")
            QFile::remove(QString::fromStdString(line.stepCsvPath));  // all or nothing
        std::fprintf(stderr, "sentinel-cost: %s could not be written%s\n", line.stepGifPath.c_str(),
                     animation.error.isEmpty() ? "" : (": " + animation.error.toStdString()).c_str());
        return 2;
    }
    return 0;
}

}  // namespace

int RunHeadless(const CommandLine& line)
{
    if (line.StepExport())
        return RunStepExport(line);
    Preview(line.plan);
    const SweepOutcome outcome = RunSweep(line.plan, {}, false);
    if (outcome.end == SweepEnd::Failed) {
        std::fprintf(stderr, "sentinel-cost: %s\n", outcome.error.c_str());
        return 2;
    }
    // Standard output carries the CSV when asked for it; the summary then goes aside.
    const bool csvToOutput = line.csvPath == "-";
    std::FILE* summary = csvToOutput ? stderr : stdout;
    PrintSummary(summary, Summarize(outcome.rows));
    if (line.plan.IsOrderSweep())
        PrintOrder(summary, outcome.rows);
    PrintCostModels(summary, outcome.rows);
    if (line.budgetSeconds > 0)
        PrintBudget(summary, line.plan, outcome.rows, line.budgetSeconds);
    std::ostringstream csv;
    WriteCsv(csv, outcome.rows);
    const QByteArray chart = line.chartPath.empty() ? QByteArray() : ChartPng(outcome.rows, line.plan.IsOrderSweep());
    if (csvToOutput)
        std::fputs(csv.str().c_str(), stdout);
    else if (!line.csvPath.empty() && !WriteWhole(QString::fromStdString(line.csvPath), QByteArray::fromStdString(csv.str()))) {
        std::fprintf(stderr, "sentinel-cost: %s could not be written\n", line.csvPath.c_str());
        return 2;
    }
    if (!line.chartPath.empty() && !WriteWhole(QString::fromStdString(line.chartPath), chart)) {
        if (!line.csvPath.empty() && !csvToOutput)
            QFile::remove(QString::fromStdString(line.csvPath));  // all or nothing
        std::fprintf(stderr, "sentinel-cost: %s could not be written\n", line.chartPath.c_str());
        return 2;
    }
    if (const auto fault = FirstFault(outcome.rows)) {
        std::fprintf(stderr, "sentinel-cost: %s\n", fault->c_str());
        return 1;
    }
    return 0;
}

}  // namespace sentinel
