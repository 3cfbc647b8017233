#include "qt_glue/qt_text.h"
#include "explorer/cost_charts.h"

#include <QChart>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "cost/growth.h"

namespace sentinel {
namespace {

QString Exponent(double exponent)
{
    return std::isnan(exponent) ? QStringLiteral("n^?") : QStringLiteral("n^%1").arg(exponent, 0, 'f', 2);
}

struct Series {
    std::map<std::int32_t, std::vector<double>> seconds;
    std::map<std::int32_t, std::vector<double>> floorSeconds;
    std::map<std::int32_t, double> steps;
};

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

std::map<std::int32_t, double> Medians(const std::map<std::int32_t, std::vector<double>>& values)
{
    std::map<std::int32_t, double> medians;
    for (const auto& [n, all] : values)
        medians[n] = Median(all);
    return medians;
}

}  // namespace

void DrawCharts(QChart& time, QChart& steps, const std::vector<Measurement>& rows)
{
    time.removeAllSeries();
    steps.removeAllSeries();
    std::vector<std::pair<Routine, Shape>> order;
    std::map<std::pair<Routine, Shape>, Series> byKey;
    std::set<std::int32_t> sizes;
    for (const Measurement& row : rows) {
        const std::pair key{row.routine, row.shape};
        if (!byKey.contains(key))
            order.push_back(key);
        Series& series = byKey[key];
        series.seconds[row.n].push_back(row.seconds);
        series.floorSeconds[row.n].push_back(row.floorSeconds);
        series.steps[row.n] = static_cast<double>(row.counts.steps);
        sizes.insert(row.n);
    }
    std::map<std::pair<Routine, Shape>, GrowthSummary> fits;
    for (const GrowthSummary& summary : Summarize(rows))
        fits.emplace(std::pair{summary.routine, summary.shape}, summary);

    // One colour per series, the same in both charts.
    const QList<QColor> palette = {QColor(0x1f77b4), QColor(0xd62728), QColor(0x2ca02c), QColor(0x9467bd),
                                   QColor(0xff7f0e), QColor(0x17becf), QColor(0x8c564b), QColor(0xe377c2)};
    std::set<Shape> shapes;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const auto& key = order[i];
        const Series& series = byKey[key];
        const GrowthSummary& fit = fits.at(key);
        const QColor color = palette[static_cast<qsizetype>(i) % palette.size()];
        const QString name = ToQString(NameOf(key.first)) + ", " + ToQString(NameOf(key.second));
        AddLine(time, name + " (" + Exponent(fit.timeExponent) + ")", Medians(series.seconds), color, Qt::SolidLine);
        AddLine(time, name + ": floor", Medians(series.floorSeconds), color, Qt::DashLine);
        AddLine(steps, name + " (" + Exponent(fit.stepExponent) + ")", series.steps, color, Qt::SolidLine);
        shapes.insert(key.second);
    }
    // The closed forms hold for distinct keys, which made ordered inputs have.
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

    ResetAxes(time, QStringLiteral("seconds"), QStringLiteral("%.0e"));
    ResetAxes(steps, QStringLiteral("scan steps"), QStringLiteral("%.0e"));
}

}  // namespace sentinel
