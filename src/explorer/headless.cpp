#include "explorer/headless.h"

#include <QChartView>
#include <QFile>

#include <cmath>
#include <cstdio>
#include <memory>
#include <sstream>

#include "cost/csv.h"
#include "cost/growth.h"
#include "explorer/cost_charts.h"
#include "explorer/export_file.h"

namespace sentinel {
namespace {

void PrintSummary(const std::vector<GrowthSummary>& summaries)
{
    std::printf("%-24s %-11s %9s %9s %9s %14s %9s\n", "routine", "shape", "largest n", "time ^", "steps ^",
                "ns per step", "x floor");
    for (const GrowthSummary& s : summaries) {
        const auto exponent = [](double value) {
            char text[16] = "-";
            if (!std::isnan(value))
                std::snprintf(text, sizeof text, "%.2f", value);
            return std::string(text);
        };
        std::printf("%-24s %-11s %9d %9s %9s %14.3f %9.2f\n", std::string(NameOf(s.routine)).c_str(),
                    std::string(NameOf(s.shape)).c_str(), s.largestN, exponent(s.timeExponent).c_str(),
                    exponent(s.stepExponent).c_str(), s.secondsPerStep * 1e9, s.floorRatio);
    }
}

QByteArray ChartPng(const std::vector<Measurement>& rows)
{
    const CostCharts charts = CreateCostCharts();
    const std::unique_ptr<QChartView> time(charts.time);
    const std::unique_ptr<QChartView> steps(charts.steps);
    DrawCharts(charts, rows);
    time->resize(1200, 720);
    return PngOf(*time);
}

}  // namespace

int RunHeadless(const CommandLine& line)
{
    const SweepOutcome outcome = RunSweep(line.plan, {}, false);
    if (outcome.end == SweepEnd::Failed) {
        std::fprintf(stderr, "sentinel-cost: %s\n", outcome.error.c_str());
        return 2;
    }
    PrintSummary(Summarize(outcome.rows));
    std::ostringstream csv;
    WriteCsv(csv, outcome.rows);
    const QByteArray chart = line.chartPath.empty() ? QByteArray() : ChartPng(outcome.rows);
    if (!line.csvPath.empty() && !WriteWhole(QString::fromStdString(line.csvPath), QByteArray::fromStdString(csv.str()))) {
        std::fprintf(stderr, "sentinel-cost: %s could not be written\n", line.csvPath.c_str());
        return 2;
    }
    if (!line.chartPath.empty() && !WriteWhole(QString::fromStdString(line.chartPath), chart)) {
        if (!line.csvPath.empty())
            QFile::remove(QString::fromStdString(line.csvPath));  // all or nothing
        std::fprintf(stderr, "sentinel-cost: %s could not be written\n", line.chartPath.c_str());
        return 2;
    }
    return 0;
}

}  // namespace sentinel
