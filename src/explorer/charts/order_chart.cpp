#include "explorer/charts/order_chart.h"

#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>

#include "cost/growth.h"
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

}  // namespace

void DrawOrderChart(ChartPanel& panel, const RunResults& results)
{
    QChart& chart = panel.Chart();
    chart.removeAllSeries();
    const std::int32_t n = results.OrderSize();
    const std::vector<OrderPoint>& points = results.Order();
    const double pairs = double(n) * (double(n) - 1) / 2;
    QLineSeries* stepsLaw = LawLine(chart, n, n + pairs, PaletteColour(0));
    QLineSeries* movesLaw = LawLine(chart, n + pairs, n, PaletteColour(5));
    QScatterSeries* steps = Points(chart, PaletteColour(0), MarkerFor(0));
    QScatterSeries* moves = Points(chart, PaletteColour(5), MarkerFor(1));
    QScatterSeries* shifted = Points(chart, PaletteColour(2), MarkerFor(2));
    QScatterSeries* time = Points(chart, PaletteColour(7), MarkerFor(3));
    const auto entry = [](const QString& text, const QString& tip, QAbstractSeries* series, const QPen& pen,
                          std::optional<QScatterSeries::MarkerShape> marker) {
        return ChartLegend::Entry{text, tip, pen, marker, {}, {series}};
    };
    panel.Legend().SetEntries({
        entry(QObject::tr("law: steps = %1").arg(Unbroken(QStringLiteral("n + s·n(n−1)/2"))), {}, stepsLaw, stepsLaw->pen(), {}),
        entry(QObject::tr("law: moves = %1").arg(Unbroken(QStringLiteral("n + (1−s)·n(n−1)/2"))), {}, movesLaw,
              movesLaw->pen(), {}),
        entry(QStringLiteral("steps"), QStringLiteral("Positions the scan tested"), steps, QPen(steps->color(), 0, Qt::NoPen), MarkerFor(0)),
        entry(QStringLiteral("moves"), QStringLiteral("Entries after each insertion point"), moves, QPen(moves->color(), 0, Qt::NoPen), MarkerFor(1)),
        entry(QStringLiteral("shifted: entries the list really moves"),
              QStringLiteral("The key store moves the shorter side of each insertion"), shifted, QPen(shifted->color(), 0, Qt::NoPen), MarkerFor(2)),
        entry(QStringLiteral("time (right axis)"), {}, time, QPen(time->color(), 0, Qt::NoPen), MarkerFor(3)),
    });
    double topSeconds = 0;
    for (const OrderPoint& point : points) {
        steps->append(point.sortedness, double(point.steps));
        moves->append(point.sortedness, double(point.moves));
        shifted->append(point.sortedness, double(point.shifted));
        time->append(point.sortedness, point.seconds * 1e3);
        topSeconds = std::max(topSeconds, point.seconds);
    }
    double topCount = n + pairs;
    for (const OrderPoint& point : points)
        topCount = std::max({topCount, double(point.steps), double(point.moves)});
    ResetAxes(chart, n, std::max(topCount, 1.0), std::max(topSeconds, 1e-6), time);
}

}  // namespace sentinel
