// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/charts/order_chart.h"

#include <QChart>
#include <QCoreApplication>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <map>
#include <set>

#include "cost/growth.h"
#include "sorting/first_fit.h"
#include "sorting/sentinel_list.h"
#include "explorer/charts/chart_axes.h"
#include "explorer/charts/chart_legend.h"
#include "explorer/charts/chart_panel.h"
#include "explorer/shared/palette.h"

namespace sentinel {
namespace {

QScatterSeries* Points(QChart& chart, const QColor& colour, QScatterSeries::MarkerShape marker)
{
    auto* points = new QScatterSeries(&chart);
    points->setColor(colour);
    points->setBorderColor(colour);
    points->setMarkerShape(marker);
    points->setMarkerSize(9);
    chart.addSeries(points);
    return points;
}

QLineSeries* LawLine(QChart& chart, double from, double to, const QColor& colour)
{
    auto* line = new QLineSeries(&chart);
    line->append(0, from);
    line->append(1, to);
    line->setPen(QPen(colour, 1.5, Qt::DashLine));
    chart.addSeries(line);
    return line;
}

void ResetAxes(QChart& chart, std::int32_t n, double topCount, double topSeconds, const std::set<QAbstractSeries*>& timed)
{
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    auto* x = new QValueAxis(&chart);
    x->setRange(0, 1);
    x->setTickCount(11);
    x->setLabelFormat(QStringLiteral("%.1f"));
    x->setTitleText(QObject::tr("sortedness: ordered pairs ÷ all pairs (n = %1)").arg(CountLabel(n)));
    chart.addAxis(x, Qt::AlignBottom);
    const std::vector<double> countTicks = RoundSteps(topCount * 1.05);
    QAbstractAxis* counts = LinearAxis(chart, QObject::tr("count"), countTicks,
                                       CountLabel, Qt::AlignLeft);
    // The time axis holds milliseconds, labelled in the unit they need.
    QAbstractAxis* time = LinearAxis(chart, QObject::tr("time (median)"), RoundSteps(topSeconds * 1e3 * 1.05),
                                     [](double ms) { return TimeLabel(ms / 1e3); }, Qt::AlignRight);
    for (QAbstractSeries* series : chart.series()) {
        series->attachAxis(x);
        series->attachAxis(timed.contains(series) ? time : counts);
    }
}

// The most gaps halving tests over a whole run of n placed entries.
double HalvingStepsBound(std::int32_t n)
{
    double bound = 0;
    for (std::int32_t m = 0; m < n; ++m)
        bound += double(HalvingBound(static_cast<std::size_t>(m) + 1));
    return bound;
}

ChartLegend::Entry LegendEntry(const QString& text, const QString& tip, QAbstractSeries* series, const QPen& pen,
                               std::optional<QScatterSeries::MarkerShape> marker = {})
{
    return ChartLegend::Entry{text, tip, pen, marker, {}, {series}};
}

ChartLegend::Entry PointsEntry(const QString& text, const QString& tip, QScatterSeries* points)
{
    return LegendEntry(text, tip, points, QPen(points->color(), 0, Qt::NoPen), points->markerShape());
}

// The law's lines: the low end's steps, the moves (the high end's steps
// too), and halving's bound when halving was measured.
std::vector<ChartLegend::Entry> LawLines(QChart& chart, std::int32_t n, bool fromHigh, bool halving)
{
    const double pairs = double(n) * (double(n) - 1) / 2;
    QLineSeries* stepsLaw = LawLine(chart, n, n + pairs, PaletteColour(0));
    QLineSeries* movesLaw = LawLine(chart, n + pairs, n, PaletteColour(5));
    std::vector<ChartLegend::Entry> entries = {
        LegendEntry(QObject::tr("law: steps = %1").arg(Unbroken(QStringLiteral("n + s·n(n−1)/2"))),
                    QObject::tr("Scanning from the low end: sorted input is the slow case"), stepsLaw, stepsLaw->pen()),
        LegendEntry(fromHigh ? QObject::tr("law: moves, and the high end's steps = %1").arg(Unbroken(QStringLiteral("n + (1−s)·n(n−1)/2")))
                             : QObject::tr("law: moves = %1").arg(Unbroken(QStringLiteral("n + (1−s)·n(n−1)/2"))),
                    QObject::tr("Walking down from the high end passes exactly the entries an insertion shifts"), movesLaw,
                    movesLaw->pen())};
    if (halving) {
        const double bound = HalvingStepsBound(n);
        QLineSeries* halvingLaw = LawLine(chart, bound, bound, PaletteColour(3));
        halvingLaw->setPen(QPen(PaletteColour(3), 1.5, Qt::DotLine));
        entries.push_back(LegendEntry(QObject::tr("bound: halving's steps ≤ %1").arg(Unbroken(QStringLiteral("Σ (⌊log₂(m+1)⌋ + 1)"))),
                                      QObject::tr("Halving the m + 1 gaps: order matters only to the moves"), halvingLaw,
                                      halvingLaw->pen()));
    }
    return entries;
}

// Each scan's steps and time, in its own colour and marker.
struct ScanSeries {
    QScatterSeries* steps;
    QScatterSeries* time;
};

std::map<ScanOrder, ScanSeries> AddScanSeries(QChart& chart, const std::set<ScanOrder>& scans, bool named,
                                              std::vector<ChartLegend::Entry>& entries,
                                              std::vector<ChartLegend::Entry>& times)
{
    struct Look {
        ScanOrder order;
        const char* name;
        std::size_t colour;
        QScatterSeries::MarkerShape marker;
    };
    static const Look kLooks[] = {
        {ScanOrder::FromLow, QT_TRANSLATE_NOOP("OrderChart", "scan from the low end"), 0, QScatterSeries::MarkerShapeCircle},
        {ScanOrder::FromHigh, QT_TRANSLATE_NOOP("OrderChart", "scan from the high end"), 1, QScatterSeries::MarkerShapePentagon},
        {ScanOrder::Halving, QT_TRANSLATE_NOOP("OrderChart", "halving"), 3, QScatterSeries::MarkerShapeStar}};
    std::map<ScanOrder, ScanSeries> series;
    for (const Look& look : kLooks) {
        if (!scans.contains(look.order) && !(scans.empty() && look.order == ScanOrder::FromLow))
            continue;
        const QString name = QCoreApplication::translate("OrderChart", look.name);
        ScanSeries& scan = series[look.order];
        scan.steps = Points(chart, PaletteColour(look.colour), look.marker);
        scan.time = Points(chart, look.order == ScanOrder::FromLow ? PaletteColour(7) : PaletteColour(look.colour),
                           MarkerFor(3));
        entries.push_back(PointsEntry(named ? QObject::tr("steps, %1").arg(name) : QObject::tr("steps"),
                                      QObject::tr("Gaps the scan tested"), scan.steps));
        times.push_back(PointsEntry(named ? QObject::tr("time, %1 (right axis)").arg(name) : QObject::tr("time (right axis)"),
                                    {}, scan.time));
    }
    return series;
}

}  // namespace

void DrawOrderChart(ChartPanel& panel, const RunResults& results)
{
    QChart& chart = panel.Chart();
    chart.removeAllSeries();
    const std::int32_t n = results.OrderSize();
    const std::vector<OrderPoint>& points = results.Order();
    std::set<ScanOrder> scans;
    for (const OrderPoint& point : points)
        scans.insert(ScanOrderOf(point.routine));
    const bool variants = scans.size() > 1 || (!scans.empty() && *scans.begin() != ScanOrder::FromLow);
    std::vector<ChartLegend::Entry> entries =
        LawLines(chart, n, scans.contains(ScanOrder::FromHigh), scans.contains(ScanOrder::Halving));
    // The steps are drawn last, over the moves: the high end's equal them.
    QScatterSeries* moves = Points(chart, PaletteColour(5), MarkerFor(1));
    QScatterSeries* shifted = Points(chart, PaletteColour(2), MarkerFor(2));
    std::vector<ChartLegend::Entry> times;
    const std::map<ScanOrder, ScanSeries> series = AddScanSeries(chart, scans, variants, entries, times);
    entries.push_back(PointsEntry(QObject::tr("moves"), QObject::tr("Entries after each insertion point"), moves));
    const QString store = QObject::tr("The key store moves the shorter side of a list under %1 entries an insertion, "
                                      "then about the square root of the list's size")
                              .arg(CountLabel(double(SentinelList::kRunsFrom)));
    entries.push_back(PointsEntry(QObject::tr("shifted: entries the list really moves"), store, shifted));
    entries.insert(entries.end(), times.begin(), times.end());
    panel.Legend().SetEntries(std::move(entries));
    double topSeconds = 0;
    double topCount = n + double(n) * (double(n) - 1) / 2;
    for (const OrderPoint& point : points) {
        const ScanSeries& scan = series.at(ScanOrderOf(point.routine));
        scan.steps->append(point.sortedness, double(point.steps));
        scan.time->append(point.sortedness, point.seconds * 1e3);
        moves->append(point.sortedness, double(point.moves));
        shifted->append(point.sortedness, double(point.shifted));
        topSeconds = std::max(topSeconds, point.seconds);
        topCount = std::max({topCount, double(point.steps), double(point.moves)});
    }
    std::set<QAbstractSeries*> timed;
    for (const auto& [order, scan] : series)
        timed.insert(scan.time);
    ResetAxes(chart, n, std::max(topCount, 1.0), std::max(topSeconds, 1e-6), timed);
}

}  // namespace sentinel
