#include "qt_glue/qt_text.h"
#include "explorer/cost_charts.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "cost/growth.h"
#include "explorer/order_chart.h"

namespace sentinel {
namespace {

// "n^1.98 ± 0.03", the growth exponent with its 95 % interval.
QString Exponent(const LineFit& fit)
{
    if (std::isnan(fit.slope))
        return QStringLiteral("n^?");
    const QString exponent = QStringLiteral("n^%1").arg(fit.slope, 0, 'f', 2);
    return std::isnan(fit.slopeHalfWidth95) ? exponent
                                            : exponent + QStringLiteral(" ± %1").arg(fit.slopeHalfWidth95, 0, 'f', 2);
}

QLineSeries* AddLine(QChart& chart, const QString& name, const std::map<std::int32_t, double>& points,
                     QColor color, Qt::PenStyle style)
{
    auto* line = new QLineSeries(&chart);
    line->setName(name);
    for (const auto& [n, y] : points)
        if (y > 0)
            line->append(n, y);
    QPen pen(color, style == Qt::SolidLine ? 2.5 : 1.5, style);
    line->setPen(pen);
    line->setPointsVisible(points.size() < 12);
    chart.addSeries(line);
    return line;
}

void ResetAxes(QChart& chart, const QString& yTitle, const QString& yFormat)
{
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);  // gives the axis back to us
        delete axis;
    }
    auto* x = new QLogValueAxis(&chart);
    x->setTitleText(QStringLiteral("n (entries)"));
    x->setLabelFormat(QStringLiteral("%g"));
    x->setBase(10);
    x->setMinorTickCount(8);
    auto* y = new QLogValueAxis(&chart);
    y->setTitleText(yTitle);
    y->setLabelFormat(yFormat);
    y->setBase(10);
    y->setMinorTickCount(8);
    chart.addAxis(x, Qt::AlignBottom);
    chart.addAxis(y, Qt::AlignLeft);
    // Log axes do not fit themselves to the data: every point, with a margin.
    double left = INFINITY, right = 0, bottom = INFINITY, top = 0;
    for (QAbstractSeries* series : chart.series()) {
        series->attachAxis(x);
        series->attachAxis(y);
        for (const QPointF& point : static_cast<QLineSeries*>(series)->points()) {
            left = std::min(left, point.x()), right = std::max(right, point.x());
            bottom = std::min(bottom, point.y()), top = std::max(top, point.y());
        }
    }
    if (right > 0) {
        x->setRange(left / 1.25, right * 1.25);
        y->setRange(bottom / 2, top * 2);
    }
}

// The closed forms of the steps, which hold for distinct keys, as made
// ordered inputs have them.
void AddClosedForms(QChart& steps, const std::set<Shape>& shapes, const std::set<std::int32_t>& sizes)
{
    std::map<std::int32_t, double> ascending;
    std::map<std::int32_t, double> descending;
    for (const std::int32_t n : sizes) {
        ascending[n] = double(n) * (double(n) + 1) / 2;
        descending[n] = n;
    }
    if (shapes.contains(Shape::Ascending))
        AddLine(steps, QStringLiteral("n(n+1)/2: ascending, exact"), ascending, Qt::darkGray, Qt::DotLine);
    if (shapes.contains(Shape::Descending))
        AddLine(steps, QStringLiteral("n: descending, exact"), descending, Qt::darkGray, Qt::DashDotLine);
}

QChartView* ChartView(const QString& title, const QString& accessibleName)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->setAnimationOptions(QChart::NoAnimation);
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setAccessibleName(accessibleName);
    return view;
}

}  // namespace

CostCharts CreateCostCharts()
{
    return {ChartView(QStringLiteral("Time against n (log-log); floor dashed"), QStringLiteral("Time chart")),
            ChartView(QStringLiteral("Scan steps against n (log-log)"), QStringLiteral("Steps chart")),
            ChartView(QStringLiteral("Cost against the input's order"), QStringLiteral("Order chart"))};
}

void DrawCharts(const CostCharts& charts, const std::vector<Measurement>& rows)
{
    QChart& time = *charts.time->chart();
    QChart& steps = *charts.steps->chart();
    time.removeAllSeries();
    steps.removeAllSeries();
    // One colour per series, the same in both charts.
    const QList<QColor> palette = {QColor(0x1f77b4), QColor(0xd62728), QColor(0x2ca02c), QColor(0x9467bd),
                                   QColor(0xff7f0e), QColor(0x17becf), QColor(0x8c564b), QColor(0xe377c2)};
    std::set<Shape> shapes;
    std::set<std::int32_t> sizes;
    const std::vector<GrowthSummary> summaries = Summarize(rows);
    for (std::size_t i = 0; i < summaries.size(); ++i) {
        const GrowthSummary& series = summaries[i];
        std::map<std::int32_t, double> seconds, floorSeconds, counted;
        for (const SizePoint& point : series.points) {
            seconds[point.n] = point.seconds;
            floorSeconds[point.n] = point.floorSeconds;
            counted[point.n] = static_cast<double>(point.steps);
            sizes.insert(point.n);
        }
        const QColor color = palette[static_cast<qsizetype>(i) % palette.size()];
        const QString name = ToQString(NameOf(series.routine)) + ", " + ToQString(NameOf(series.shape));
        AddLine(time, name + " (" + Exponent(series.timeFit) + ")", seconds, color, Qt::SolidLine);
        AddLine(time, name + ": floor", floorSeconds, color, Qt::DashLine);
        AddLine(steps, name + " (" + Exponent(series.stepFit) + ")", counted, color, Qt::SolidLine);
        shapes.insert(series.shape);
    }
    AddClosedForms(steps, shapes, sizes);
    ResetAxes(time, QStringLiteral("seconds"), QStringLiteral("%.0e"));
    ResetAxes(steps, QStringLiteral("scan steps"), QStringLiteral("%.0e"));
    DrawOrderChart(*charts.order->chart(), rows);
}

}  // namespace sentinel
