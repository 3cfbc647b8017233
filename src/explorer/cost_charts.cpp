#include "explorer/cost_charts.h"

#include <QAreaSeries>
#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>

#include <algorithm>
#include <cmath>
#include <map>

#include "cost/cost_model.h"
#include "cost/growth.h"
#include "explorer/chart_axes.h"
#include "explorer/chart_legend.h"
#include "explorer/chart_panel.h"
#include "explorer/order_chart.h"
#include "explorer/palette.h"
#include "qt_glue/qt_text.h"

namespace sentinel {
namespace {

using Points = std::vector<QPointF>;  // values, not logs
using Entries = std::vector<ChartLegend::Entry>;

// "n^1.98 ± 0.03 (R² 0.998)", the growth exponent with its 95 % interval.
QString Exponent(const LineFit& fit)
{
    if (std::isnan(fit.slope))
        return QStringLiteral("n^?");
    QString text = QStringLiteral("n^%1").arg(fit.slope, 0, 'f', 2);
    if (!std::isnan(fit.slopeHalfWidth95))
        text += QStringLiteral(" ± %1").arg(fit.slopeHalfWidth95, 0, 'f', 2);
    if (!std::isnan(fit.rSquared))
        text += QStringLiteral(" (R² %1)").arg(fit.rSquared, 0, 'f', 3);
    return text;
}

QString ModelText(const CostModel& m)
{
    return QStringLiteral("Cost model of %1: time = %2 ns × n + %3 ns × steps + %4 ns × shifted;\n"
                          "entries explain %5 %, steps %6 %, shifted entries %7 % of the time measured.")
        .arg(ToQString(NameOf(m.routine)))
        .arg(m.perEntry * 1e9, 0, 'g', 3).arg(m.perStep * 1e9, 0, 'g', 3).arg(m.perShift * 1e9, 0, 'g', 3)
        .arg(100 * m.entryShare, 0, 'f', 0).arg(100 * m.stepShare, 0, 'f', 0).arg(100 * m.shiftShare, 0, 'f', 0);
}

QLineSeries* Line(QChart& chart, const Points& points, const QPen& pen)
{
    auto* line = new QLineSeries(&chart);
    for (const QPointF& point : points)
        if (point.x() > 0 && point.y() > 0)
            line->append(std::log10(point.x()), std::log10(point.y()));
    line->setPen(pen);
    chart.addSeries(line);
    return line;
}

QScatterSeries* Markers(QChart& chart, const Points& points, const QColor& colour, QScatterSeries::MarkerShape marker)
{
    auto* markers = new QScatterSeries(&chart);
    for (const QPointF& point : points)
        if (point.x() > 0 && point.y() > 0)
            markers->append(std::log10(point.x()), std::log10(point.y()));
    markers->setMarkerShape(marker);
    markers->setMarkerSize(8);
    markers->setColor(colour);
    markers->setBorderColor(colour);
    chart.addSeries(markers);
    return markers;
}

// The spread of the repetitions, fewest to most seconds, as a faint band.
QAreaSeries* Band(QChart& chart, const std::vector<SizePoint>& points, QColor colour)
{
    auto* lower = new QLineSeries(&chart);
    auto* upper = new QLineSeries(&chart);
    for (const SizePoint& point : points) {
        lower->append(std::log10(point.n), std::log10(point.fewestSeconds));
        upper->append(std::log10(point.n), std::log10(point.mostSeconds));
    }
    auto* band = new QAreaSeries(upper, lower);
    colour.setAlpha(50);
    band->setBrush(colour);
    band->setPen(Qt::NoPen);
    chart.addSeries(band);
    return band;
}

// The colour and marker of each series: by routine and by shape, or both by
// shape when one routine is shown.
struct Style {
    QColor colour;
    QScatterSeries::MarkerShape marker;
};

std::vector<Style> StylesOf(const std::vector<GrowthSummary>& summaries)
{
    std::vector<Routine> routines;
    std::vector<Shape> shapes;
    for (const GrowthSummary& s : summaries) {
        if (std::find(routines.begin(), routines.end(), s.routine) == routines.end())
            routines.push_back(s.routine);
        if (std::find(shapes.begin(), shapes.end(), s.shape) == shapes.end())
            shapes.push_back(s.shape);
    }
    std::vector<Style> styles;
    for (const GrowthSummary& s : summaries) {
        const auto shape = static_cast<std::size_t>(std::find(shapes.begin(), shapes.end(), s.shape) - shapes.begin());
        const auto routine =
            static_cast<std::size_t>(std::find(routines.begin(), routines.end(), s.routine) - routines.begin());
        styles.push_back({PaletteColour(routines.size() == 1 ? shape : routine), MarkerFor(shape)});
    }
    return styles;
}

QString NameOf(const GrowthSummary& s)
{
    return ToQString(sentinel::NameOf(s.routine)) + QStringLiteral(", ") + ToQString(sentinel::NameOf(s.shape));
}

// The range of every point drawn, with a margin.
struct Range {
    double left = INFINITY, right = 0, bottom = INFINITY, top = 0;
    std::vector<double> sizes;

    void Add(double x, double y)
    {
        if (!(x > 0 && y > 0))
            return;
        left = std::min(left, x), right = std::max(right, x), bottom = std::min(bottom, y), top = std::max(top, y);
        if (std::find(sizes.begin(), sizes.end(), x) == sizes.end())
            sizes.push_back(x);
    }
    void Axes(QChart& chart, const QString& yTitle, const std::function<QString(double)>& yLabel) const
    {
        if (!(right > 0))
            return SetLogAxes(chart, {QStringLiteral("n (entries)"), 1, 10, {}, CountLabel}, {yTitle, 1, 10, {}, yLabel});
        std::vector<double> measured = sizes;
        std::sort(measured.begin(), measured.end());
        SetLogAxes(chart, {QStringLiteral("n (entries)"), left / 1.25, right * 1.25, LogTicks(left, right, measured), CountLabel},
                   {yTitle, bottom / 1.5, top * 1.5, OneTwoFive(bottom / 1.5, top * 1.5), yLabel});
    }
};

// Faint slopes of n, n log n and n² through the first series' first point.
void ReferenceSlopes(QChart& chart, const GrowthSummary& first, Range& range, Entries& entries)
{
    const double n0 = first.points.front().n;
    const double t0 = first.points.front().seconds;
    const double last = std::max(range.right, n0 * 2);
    const std::pair<QString, std::function<double(double)>> slopes[] = {
        {QStringLiteral("reference slope: n"), [](double n) { return n; }},
        {QStringLiteral("reference slope: n log n"), [](double n) { return n * std::log2(std::max(n, 2.0)); }},
        {QStringLiteral("reference slope: n²"), [](double n) { return n * n; }}};
    const Qt::PenStyle styles[] = {Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine};
    for (std::size_t i = 0; i < std::size(slopes); ++i) {
        const auto& [name, growth] = slopes[i];
        const Points points = {{n0, t0}, {last, t0 * growth(last) / growth(n0)}};
        const QPen pen(QColor(150, 150, 150), 1, styles[i]);
        entries.push_back({name, QStringLiteral("A line that grows as %1, for comparison").arg(name.mid(17)), pen, {}, {},
                           {Line(chart, points, pen)}});
    }
}

void DrawTime(ChartPanel& panel, const std::vector<GrowthSummary>& summaries, const std::vector<Style>& styles,
              const std::vector<Measurement>& rows)
{
    QChart& chart = panel.Chart();
    chart.removeAllSeries();
    std::map<Routine, QString> models;
    for (const CostModel& model : FitCostModels(rows))
        models[model.routine] = ModelText(model);
    Entries entries;
    Range range;
    for (std::size_t i = 0; i < summaries.size(); ++i) {
        const GrowthSummary& s = summaries[i];
        Points medians, floors;
        for (const SizePoint& point : s.points) {
            medians.emplace_back(point.n, point.seconds);
            floors.emplace_back(point.n, point.floorSeconds);
            range.Add(point.n, point.fewestSeconds), range.Add(point.n, point.mostSeconds), range.Add(point.n, point.floorSeconds);
        }
        const QPen solid(styles[i].colour, 2.5);
        QAbstractSeries* band = Band(chart, s.points, styles[i].colour);
        QAbstractSeries* line = Line(chart, medians, solid);
        QAbstractSeries* markers = Markers(chart, medians, styles[i].colour, styles[i].marker);
        entries.push_back({NameOf(s) + QStringLiteral("  ") + Exponent(s.timeFit), models[s.routine], solid,
                           styles[i].marker, {}, {band, line, markers}});
        const QPen dashed(styles[i].colour, 1.5, Qt::DashLine);
        entries.push_back({NameOf(s) + QStringLiteral(": floor"), QStringLiteral("A standard stable sort, same result"),
                           dashed, {}, {}, {Line(chart, floors, dashed)}});
    }
    if (!summaries.empty())
        ReferenceSlopes(chart, summaries.front(), range, entries);
    entries.push_back({QStringLiteral("band: the fewest to the most seconds of the repetitions"),
                       QStringLiteral("Each line is the median of the repetitions at each n"), QPen(Qt::NoPen), {},
                       QColor(150, 150, 150, 80), {}});
    range.Axes(chart, QStringLiteral("time"), TimeLabel);
    panel.Legend().SetEntries(std::move(entries));
}

// The exact number of steps, n(n+1)/2 or n, dotted over the measured points,
// and how many of them it holds.
void ExactLine(QChart& chart, const std::vector<GrowthSummary>& summaries, Shape shape, Entries& entries)
{
    const auto exact = [shape](double n) { return shape == Shape::Ascending ? n * (n + 1) / 2 : n; };
    Points points;
    int on = 0, all = 0;
    for (const GrowthSummary& s : summaries) {
        if (s.shape != shape)
            continue;
        for (const SizePoint& point : s.points) {
            points.emplace_back(point.n, exact(point.n));
            on += double(point.steps) == exact(point.n);
            ++all;
        }
    }
    if (points.empty())
        return;
    std::sort(points.begin(), points.end(), [](QPointF a, QPointF b) { return a.x() < b.x(); });
    const QPen dotted(Qt::black, 2, Qt::DotLine);
    const QString name = shape == Shape::Ascending ? QStringLiteral("n(n+1)/2, exact for ascending")
                                                   : QStringLiteral("n, exact for descending");
    entries.push_back({QStringLiteral("%1: %2 of %3 points on it").arg(name).arg(on).arg(all),
                       QStringLiteral("The law of the cost for distinct keys, as made inputs have them"), dotted, {}, {},
                       {Line(chart, points, dotted)}});
}

// One line with its markers per series, of the value `valueOf` gives at
// each size; the legend names each as `nameOf` does.
template <class ValueOf, class NameOfSeries>
Entries SeriesLines(QChart& chart, const std::vector<GrowthSummary>& summaries, const std::vector<Style>& styles,
                    Range& range, ValueOf valueOf, NameOfSeries nameOf, const QString& tip)
{
    Entries entries;
    for (std::size_t i = 0; i < summaries.size(); ++i) {
        Points values;
        for (const SizePoint& point : summaries[i].points) {
            values.emplace_back(point.n, valueOf(point));
            range.Add(point.n, values.back().y());
        }
        const QPen solid(styles[i].colour, 2.5);
        QAbstractSeries* line = Line(chart, values, solid);
        entries.push_back({nameOf(summaries[i]), tip, solid, styles[i].marker, {},
                           {line, Markers(chart, values, styles[i].colour, styles[i].marker)}});
    }
    return entries;
}

void DrawSteps(ChartPanel& panel, const std::vector<GrowthSummary>& summaries, const std::vector<Style>& styles)
{
    QChart& chart = panel.Chart();
    chart.removeAllSeries();
    Range range;
    Entries entries = SeriesLines(
        chart, summaries, styles, range, [](const SizePoint& point) { return double(point.steps); },
        [](const GrowthSummary& s) { return NameOf(s) + QStringLiteral("  ") + Exponent(s.stepFit); }, {});
    ExactLine(chart, summaries, Shape::Ascending, entries);  // drawn last, over the data
    ExactLine(chart, summaries, Shape::Descending, entries);
    range.Axes(chart, QStringLiteral("scan steps"), CountLabel);
    panel.Legend().SetEntries(std::move(entries));
}

QString RatioLabel(double ratio)
{
    return QStringLiteral("×%1").arg(ratio, 0, 'g', 3);
}

void DrawRatio(ChartPanel& panel, const std::vector<GrowthSummary>& summaries, const std::vector<Style>& styles)
{
    QChart& chart = panel.Chart();
    chart.removeAllSeries();
    Range range;
    Entries entries = SeriesLines(
        chart, summaries, styles, range, [](const SizePoint& point) { return point.seconds / point.floorSeconds; },
        [](const GrowthSummary& s) { return NameOf(s); }, QStringLiteral("Median time over the floor's median time"));
    if (range.right > 0) {
        range.Add(range.left, 1);  // the floor's own line stays in view
        const QPen floor(Qt::black, 1.5, Qt::DashLine);
        entries.push_back({QStringLiteral("×1: as fast as the floor"), {}, floor, {}, {},
                           {Line(chart, {{range.left, 1}, {range.right, 1}}, floor)}});
    }
    range.Axes(chart, QStringLiteral("time over the floor's"), RatioLabel);
    panel.Legend().SetEntries(std::move(entries));
}

// Past eight series, only the first routine's are shown at first.
void ShowFirstRoutineOnly(ChartPanel& panel, const std::vector<GrowthSummary>& summaries)
{
    if (summaries.size() <= 8)
        return;
    const QString first = ToQString(sentinel::NameOf(summaries.front().routine)) + QStringLiteral(",");
    for (const ChartLegend::Entry& entry : panel.Legend().Entries()) {
        const bool shown = entry.text.startsWith(first) || !entry.text.startsWith(QStringLiteral("Sort"));
        for (QAbstractSeries* series : entry.series)
            series->setVisible(shown);
    }
    panel.Legend().update();
}

}  // namespace

CostCharts CreateCostCharts()
{
    return {new ChartPanel(QStringLiteral("Time against n"), QStringLiteral("Time chart")),
            new ChartPanel(QStringLiteral("Scan steps against n"), QStringLiteral("Steps chart")),
            new ChartPanel(QStringLiteral("Time over the floor's against n"), QStringLiteral("Ratio chart")),
            new ChartPanel(QStringLiteral("Cost against the input's order"), QStringLiteral("Order chart"))};
}

void DrawCharts(const CostCharts& charts, const std::vector<Measurement>& rows)
{
    const std::vector<GrowthSummary> summaries = Summarize(rows);
    const std::vector<Style> styles = StylesOf(summaries);
    DrawTime(*charts.time, summaries, styles, rows);
    DrawSteps(*charts.steps, summaries, styles);
    DrawRatio(*charts.ratio, summaries, styles);
    for (ChartPanel* panel : {charts.time, charts.steps, charts.ratio})
        ShowFirstRoutineOnly(*panel, summaries);
    DrawOrderChart(*charts.order, rows);
}

}  // namespace sentinel
