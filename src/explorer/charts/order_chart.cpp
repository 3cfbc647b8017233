#include "explorer/charts/order_chart.h"

#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <map>

#include "cost/growth.h"
#include "sorting/first_fit.h"
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

void ResetAxes(QChart& chart, std::int32_t n, double topCount, double topSeconds, QAbstractSeries* timed)
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
    QAbstractAxis* counts = LinearAxis(chart, QObject::tr("steps, moves, entries shifted"), countTicks,
                                       CountLabelsUpTo(countTicks.back()), Qt::AlignLeft);
    // The time axis holds milliseconds, labelled in the unit they need.
    QAbstractAxis* time = LinearAxis(chart, QStringLiteral("time (median)"), RoundSteps(topSeconds * 1e3 * 1.05),
                                     [](double ms) { return TimeLabel(ms / 1e3); }, Qt::AlignRight);
    for (QAbstractSeries* series : chart.series()) {
        series->attachAxis(x);
        series->attachAxis(series == timed ? time : counts);
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

}  // namespace

void DrawOrderChart(ChartPanel& panel, const RunResults& results)
{
    QChart& chart = panel.Chart();
    chart.removeAllSeries();
    const std::int32_t n = results.OrderSize();
    const std::vector<OrderPoint>& points = results.Order();
    const double pairs = double(n) * (double(n) - 1) / 2;
    const auto scanned = [&](ScanOrder order) {
        return std::any_of(points.begin(), points.end(), [order](const OrderPoint& p) { return ScanOrderOf(p.routine) == order; });
    };
    const bool fromHigh = scanned(ScanOrder::FromHigh);
    const bool halving = scanned(ScanOrder::Halving);
    std::vector<ChartLegend::Entry> entries = LawLines(chart, n, fromHigh, halving);
    // The steps are drawn last, over the moves: the high end's equal them.
    QScatterSeries* moves = Points(chart, PaletteColour(5), MarkerFor(1));
    QScatterSeries* shifted = Points(chart, PaletteColour(2), MarkerFor(2));
    QScatterSeries* time = Points(chart, PaletteColour(7), MarkerFor(3));
    std::map<ScanOrder, QScatterSeries*> steps;
    steps[ScanOrder::FromLow] = Points(chart, PaletteColour(0), MarkerFor(0));
    entries.push_back(PointsEntry(fromHigh || halving ? QObject::tr("steps, scan from the low end") : QObject::tr("steps"),
                                  QObject::tr("Gaps the scan tested"), steps[ScanOrder::FromLow]));
    if (fromHigh) {
        steps[ScanOrder::FromHigh] = Points(chart, PaletteColour(1), QScatterSeries::MarkerShapePentagon);
        entries.push_back(PointsEntry(QObject::tr("steps, scan from the high end"), QObject::tr("Gaps the scan tested"),
                                      steps[ScanOrder::FromHigh]));
    }
    if (halving) {
        steps[ScanOrder::Halving] = Points(chart, PaletteColour(3), QScatterSeries::MarkerShapeStar);
        entries.push_back(PointsEntry(QObject::tr("steps, halving"), QObject::tr("Gaps the search tested"),
                                      steps[ScanOrder::Halving]));
    }
    entries.push_back(PointsEntry(QObject::tr("moves"), QObject::tr("Entries after each insertion point"), moves));
    entries.push_back(PointsEntry(QObject::tr("shifted: entries the list really moves"),
                                  QObject::tr("The key store moves the shorter side of each insertion"), shifted));
    entries.push_back(PointsEntry(QObject::tr("time (right axis)"), {}, time));
    panel.Legend().SetEntries(std::move(entries));
    double topSeconds = 0;
    double topCount = n + pairs;
    for (const OrderPoint& point : points) {
        steps[ScanOrderOf(point.routine)]->append(point.sortedness, double(point.steps));
        moves->append(point.sortedness, double(point.moves));
        shifted->append(point.sortedness, double(point.shifted));
        time->append(point.sortedness, point.seconds * 1e3);
        topSeconds = std::max(topSeconds, point.seconds);
        topCount = std::max({topCount, double(point.steps), double(point.moves)});
    }
    ResetAxes(chart, n, std::max(topCount, 1.0), std::max(topSeconds, 1e-6), time);
}

}  // namespace sentinel
