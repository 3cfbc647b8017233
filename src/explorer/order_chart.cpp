#include "explorer/order_chart.h"

#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>

#include "cost/growth.h"
#include "qt_glue/qt_text.h"

namespace sentinel {
namespace {

QScatterSeries* Points(QChart& chart, const QString& name, const QColor& colour,
                       QScatterSeries::MarkerShape marker)
{
    auto* points = new QScatterSeries(&chart);
    points->setName(name);
    points->setColor(colour);
    points->setBorderColor(colour);
    points->setMarkerShape(marker);
    points->setMarkerSize(9);
    chart.addSeries(points);
    return points;
}

QLineSeries* LawLine(QChart& chart, const QString& name, double from, double to, const QColor& colour)
{
    auto* line = new QLineSeries(&chart);
    line->setName(name);
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
    x->setTitleText(QStringLiteral("sortedness: ordered pairs / all pairs (n = %1)").arg(n));
    auto* counts = new QValueAxis(&chart);
    counts->setRange(0, topCount * 1.05);
    counts->setLabelFormat(QStringLiteral("%.3g"));
    counts->setTitleText(QStringLiteral("steps, moves, entries shifted"));
    auto* time = new QValueAxis(&chart);
    time->setRange(0, topSeconds * 1e3 * 1.1);
    time->setLabelFormat(QStringLiteral("%.3g"));
    time->setTitleText(QStringLiteral("time (ms)"));
    chart.addAxis(x, Qt::AlignBottom);
    chart.addAxis(counts, Qt::AlignLeft);
    chart.addAxis(time, Qt::AlignRight);
    for (QAbstractSeries* series : chart.series()) {
        series->attachAxis(x);
        series->attachAxis(series == timed ? time : counts);
    }
}

}  // namespace

void DrawOrderChart(QChart& chart, const std::vector<Measurement>& rows)
{
    chart.removeAllSeries();
    std::int32_t n = 0;
    const std::vector<OrderPoint> points = OrderPoints(rows, n);
    const double pairs = double(n) * (double(n) - 1) / 2;
    LawLine(chart, QStringLiteral("law: steps = n + s·n(n−1)/2"), n, n + pairs, QColor(0x0072B2));
    LawLine(chart, QStringLiteral("law: moves = n + (1−s)·n(n−1)/2"), n + pairs, n, QColor(0xD55E00));
    QScatterSeries* steps = Points(chart, QStringLiteral("steps"), QColor(0x0072B2), QScatterSeries::MarkerShapeCircle);
    QScatterSeries* moves = Points(chart, QStringLiteral("moves"), QColor(0xD55E00), QScatterSeries::MarkerShapeRectangle);
    QScatterSeries* shifted =
        Points(chart, QStringLiteral("shifted (entries the list really moves)"), QColor(0x009E73),
               QScatterSeries::MarkerShapeTriangle);
    QScatterSeries* time =
        Points(chart, QStringLiteral("time (ms, right axis)"), QColor(0x555555), QScatterSeries::MarkerShapeStar);
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
