#include "explorer/headless.h"

#include <QChart>
#include <QChartView>
#include <QFile>
#include <QBuffer>
#include <QSaveFile>

#include <cmath>
#include <cstdio>
#include <sstream>

#include "cost/csv.h"
#include "cost/growth.h"
#include "explorer/cost_charts.h"

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

// Writes all of `bytes` or nothing: a failed write leaves no partial file.
bool WriteWhole(const std::string& path, const QByteArray& bytes)
{
    QSaveFile file(QString::fromStdString(path));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

QByteArray ChartPng(const std::vector<Measurement>& rows)
{
    auto* time = new QChart;
    QChart steps;
    time->setTitle(QStringLiteral("Time against n (log-log); floor dashed"));
    time->legend()->setAlignment(Qt::AlignRight);
    DrawCharts(*time, steps, rows);
    QChartView view(time);
    view.setRenderHint(QPainter::Antialiasing);
    view.resize(1200, 720);
    QByteArray png;
    QBuffer buffer(&png);
    view.grab().save(&buffer, "PNG");
    return png;
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
    if (!line.csvPath.empty() && !WriteWhole(line.csvPath, QByteArray::fromStdString(csv.str()))) {
        std::fprintf(stderr, "sentinel-cost: %s could not be written\n", line.csvPath.c_str());
        return 2;
    }
    if (!line.chartPath.empty() && !WriteWhole(line.chartPath, chart)) {
        if (!line.csvPath.empty())
            QFile::remove(QString::fromStdString(line.csvPath));  // all or nothing
        std::fprintf(stderr, "sentinel-cost: %s could not be written\n", line.chartPath.c_str());
        return 2;
    }
    return 0;
}

}  // namespace sentinel
