// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/charts/cost_charts.h"

#include <QAreaSeries>
#include <QChart>
#include <QLineSeries>
#include <QLocale>
#include <QCursor>
#include <QScatterSeries>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <map>

#include "cost/cost_model.h"
#include "cost/growth.h"
#include "model/results_store.h"
#include "explorer/charts/chart_axes.h"
#include "explorer/charts/chart_legend.h"
#include "explorer/charts/chart_panel.h"
#include "explorer/charts/order_chart.h"
#include "explorer/shared/palette.h"
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
    const QLocale locale;
    QString text = QStringLiteral("n^%1").arg(locale.toString(fit.slope, 'f', 2));
    if (!std::isnan(fit.slopeHalfWidth95))
        text += QStringLiteral(" ± %1").arg(locale.toString(fit.slopeHalfWidth95, 'f', 2));
    text = Unbroken(text);  // a legend line may break before the R², not inside the exponent
    if (!std::isnan(fit.rSquared))
        text += QLatin1Char(' ') + Unbroken(QStringLiteral("(R² %1)").arg(locale.toString(fit.rSquared, 'f', 3)));
    return text;
}

QString ModelText(const CostModel& m)
{
    const QLocale locale;
    return QObject::tr("Cost model of %1: time = %2 ns × n + %3 ns × steps + %4 ns × shifted;\n"
                       "entries explain %5 %, steps %6 %, shifted entries %7 % of the time measured.")
        .arg(ToQString(NameOf(m.routine)))
        .arg(locale.toString(m.perEntry * 1e9, 'g', 3), locale.toString(m.perStep * 1e9, 'g', 3),
             locale.toString(m.perShift * 1e9, 'g', 3), locale.toString(100 * m.entryShare, 'f', 0),
             locale.toString(100 * m.stepShare, 'f', 0), locale.toString(100 * m.shiftShare, 'f', 0));
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

// The middle half of the repetitions, from the lower to the upper quartile,
// as a faint band: one noisy repetition does not widen it.
QAreaSeries* Band(QChart& chart, const std::vector<SizePoint>& points, QColor colour)
{
    auto* lower = new QLineSeries(&chart);
    auto* upper = new QLineSeries(&chart);
    for (const SizePoint& point : points) {
        lower->append(std::log10(point.n), std::log10(point.lowerQuartile));
        upper->append(std::log10(point.n), std::log10(point.upperQuartile));
    }
    auto* band = new QAreaSeries(upper, lower);
    colour.setAlpha(50);
    band->setBrush(colour);
    band->setPen(Qt::NoPen);
    chart.addSeries(band);
    return band;
}

// The repetitions far from the others, each a small star, hollow.
QScatterSeries* Outliers(QChart& chart, const std::vector<SizePoint>& points, const QColor& colour)
{
    Points far;
    for (const SizePoint& point : points)
        for (const double seconds : point.outliers)
            far.emplace_back(point.n, seconds);
    QScatterSeries* stars = Markers(chart, far, colour, QScatterSeries::MarkerShapeStar);
    stars->setMarkerSize(7);
    stars->setColor(Qt::transparent);
    return stars;
}

// The floor's own markers, hollow, so that floors differ by more than colour.
QScatterSeries* HollowMarkers(QChart& chart, const Points& points, const QColor& colour,
                              QScatterSeries::MarkerShape marker)
{
    QScatterSeries* hollow = Markers(chart, points, colour, marker);
    hollow->setMarkerSize(7);
    hollow->setColor(Qt::transparent);
    return hollow;
}

// The colour and marker of each series: by routine (and run, when two are
// laid over each other) and by shape, or both by shape when one routine of
// one run is shown.
struct Style {
    QColor colour;
    QScatterSeries::MarkerShape marker;
};

// What the charts draw: every series of the runs shown, each with its name,
// its routine's cost model and its style.
struct Drawn {
    std::vector<GrowthSummary> summaries;
    std::vector<QString> names;  // "SortNumbers, random", after "Run 2: " when runs are laid over
    std::vector<QString> models;
    std::vector<Style> styles;
    std::vector<double> plannedSizes;  // of every run drawn, so that the axes span them from the start
};

template <class Value>
std::size_t IndexIn(std::vector<Value>& values, const Value& value)
{
    const auto found = std::find(values.begin(), values.end(), value);
    if (found != values.end())
        return static_cast<std::size_t>(found - values.begin());
    values.push_back(value);
    return values.size() - 1;
}

Drawn DrawnOf(const std::vector<const RunResults*>& runs)
{
    Drawn drawn;
    std::vector<std::pair<std::size_t, Routine>> colours;
    std::vector<Shape> shapes;
    std::vector<std::pair<std::size_t, std::size_t>> keys;  // colour and shape of each series
    for (std::size_t run = 0; run < runs.size(); ++run) {
        drawn.plannedSizes.insert(drawn.plannedSizes.end(), runs[run]->PlannedSizes().begin(),
                                  runs[run]->PlannedSizes().end());
        std::map<Routine, QString> models;
        for (const CostModel& model : runs[run]->Models())
            models[model.routine] = ModelText(model);
        const QString prefix = runs.size() > 1 ? ToQString(runs[run]->Title()) + QStringLiteral(": ") : QString();
        for (const GrowthSummary& s : runs[run]->Summaries()) {
            drawn.summaries.push_back(s);
            drawn.names.push_back(prefix + ToQString(sentinel::NameOf(s.routine)) + QStringLiteral(", ")
                                  + ToQString(sentinel::NameOf(s.shape)));
            drawn.models.push_back(models[s.routine]);
            keys.emplace_back(IndexIn(colours, std::pair{run, s.routine}), IndexIn(shapes, s.shape));
        }
    }
    for (const auto& [colour, shape] : keys)
        drawn.styles.push_back({PaletteColour(colours.size() == 1 ? shape : colour), MarkerFor(shape)});
    return drawn;
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
    // Axes over every point and the sizes planned, labelled at the sizes.
    void Axes(QChart& chart, const QString& yTitle, const std::function<QString(double)>& yLabel,
              const std::vector<double>& planned) const
    {
        if (!(right > 0))
            return SetLogAxes(chart, {QObject::tr("n (entries)"), 1, 10, {}, CountLabel}, {yTitle, 1, 10, {}, yLabel});
        std::vector<double> measured = sizes;
        for (const double n : planned)
            if (n > 0 && std::find(measured.begin(), measured.end(), n) == measured.end())
                measured.push_back(n);
        std::sort(measured.begin(), measured.end());
        const double first = std::min(left, measured.front()), last = std::max(right, measured.back());
        SetLogAxes(chart, {QObject::tr("n (entries)"), first / 1.25, last * 1.25, LogTicks(first, last, measured), CountLabel},
                   {yTitle, bottom / 1.5, top * 1.5, OneTwoFive(bottom / 1.5, top * 1.5), yLabel});
    }
};

// A point's tooltip: its n, median, middle half and repetitions.
void TipOnHover(QScatterSeries& markers, const QString& name, const std::vector<SizePoint>& points)
{
    QObject::connect(&markers, &QScatterSeries::hovered, &markers, [name, points](const QPointF& at, bool entered) {
        if (!entered)
            return QToolTip::hideText();
        for (const SizePoint& point : points)
            if (std::abs(std::log10(point.n) - at.x()) < 1e-9)
                QToolTip::showText(QCursor::pos(), PointTip(name, point));
    });
}

// Faint slopes of n, n log n and n² through the first series' first point.
void ReferenceSlopes(QChart& chart, const GrowthSummary& first, Range& range, Entries& entries)
{
    const double n0 = first.points.front().n;
    const double t0 = first.points.front().seconds;
    const double last = std::max(range.right, n0 * 2);
    const std::pair<QString, std::function<double(double)>> slopes[] = {
        {QStringLiteral("n"), [](double n) { return n; }},
        {QStringLiteral("n log n"), [](double n) { return n * std::log2(std::max(n, 2.0)); }},
        {QStringLiteral("n²"), [](double n) { return n * n; }}};
    const Qt::PenStyle styles[] = {Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine};
    for (std::size_t i = 0; i < std::size(slopes); ++i) {
        const auto& [grows, growth] = slopes[i];
        const Points points = {{n0, t0}, {last, t0 * growth(last) / growth(n0)}};
        const QPen pen(QColor(150, 150, 150), 1, styles[i]);
        entries.push_back({QObject::tr("reference slope: %1").arg(grows),
                           QObject::tr("A line that grows as %1, for comparison").arg(grows), pen, {}, {},
                           {Line(chart, points, pen)}});
    }
}

void DrawTime(ChartPanel& panel, const Drawn& drawn)
{
    QChart& chart = panel.Chart();
    chart.removeAllSeries();
    const std::vector<GrowthSummary>& summaries = drawn.summaries;
    const std::vector<Style>& styles = drawn.styles;
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
        QScatterSeries* markers = Markers(chart, medians, styles[i].colour, styles[i].marker);
        TipOnHover(*markers, drawn.names[i], s.points);
        entries.push_back({drawn.names[i] + QStringLiteral("  ") + Exponent(s.timeFit), drawn.models[i], solid,
                           styles[i].marker, {}, {band, line, markers, Outliers(chart, s.points, styles[i].colour)}});
        const QPen dashed(styles[i].colour, 1.5, Qt::DashLine);
        entries.push_back({drawn.names[i] + QObject::tr(": floor"), QObject::tr("A standard stable sort, same result"),
                           dashed, styles[i].marker, {},
                           {Line(chart, floors, dashed), HollowMarkers(chart, floors, styles[i].colour, styles[i].marker)}});
    }
    if (!summaries.empty())
        ReferenceSlopes(chart, summaries.front(), range, entries);
    entries.push_back({QObject::tr("band: the middle half of the repetitions; ☆ one far from the others, left out of the band"),
                       QObject::tr("Each line is the median of the repetitions at each n; the band runs from the lower "
                                   "to the upper quartile, and a star marks a repetition more than three median "
                                   "absolute deviations from the median"),
                       QPen(Qt::NoPen), {}, QColor(150, 150, 150, 80), {}});
    range.Axes(chart, QObject::tr("time"), TimeLabel, drawn.plannedSizes);
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
    // Told apart in greyscale too: dotted for ascending, dash-dotted for descending.
    const QPen dotted(Qt::black, 2, shape == Shape::Ascending ? Qt::DotLine : Qt::DashDotLine);
    const QString name = shape == Shape::Ascending ? QObject::tr("%1, exact for ascending").arg(Unbroken(QStringLiteral("n(n+1)/2")))
                                                   : QObject::tr("n, exact for descending");
    entries.push_back({QObject::tr("%1: %2 of %3 points on it").arg(name).arg(on).arg(all),
                       QObject::tr("The law of the cost for distinct keys, as made inputs have them"), dotted, {}, {},
                       {Line(chart, points, dotted)}});
}

// One line with its markers per series, of the value `valueOf` gives at
// each size; the legend names each as `nameOf` does, from its index.
template <class ValueOf, class NameOfSeries>
Entries SeriesLines(QChart& chart, const Drawn& drawn, Range& range, ValueOf valueOf, NameOfSeries nameOf,
                    const QString& tip)
{
    Entries entries;
    for (std::size_t i = 0; i < drawn.summaries.size(); ++i) {
        Points values;
        for (const SizePoint& point : drawn.summaries[i].points) {
            values.emplace_back(point.n, valueOf(point));
            range.Add(point.n, values.back().y());
        }
        const Style& style = drawn.styles[i];
        const QPen solid(style.colour, 2.5);
        QAbstractSeries* line = Line(chart, values, solid);
        entries.push_back({nameOf(i), tip, solid, style.marker, {},
                           {line, Markers(chart, values, style.colour, style.marker)}});
    }
    return entries;
}

void DrawSteps(ChartPanel& panel, const Drawn& drawn)
{
    QChart& chart = panel.Chart();
    chart.removeAllSeries();
    Range range;
    Entries entries = SeriesLines(
        chart, drawn, range, [](const SizePoint& point) { return double(point.steps); },
        [&drawn](std::size_t i) { return drawn.names[i] + QStringLiteral("  ") + Exponent(drawn.summaries[i].stepFit); },
        {});
    ExactLine(chart, drawn.summaries, Shape::Ascending, entries);  // drawn last, over the data
    ExactLine(chart, drawn.summaries, Shape::Descending, entries);
    range.Axes(chart, QObject::tr("scan steps"), CountLabel, drawn.plannedSizes);
    panel.Legend().SetEntries(std::move(entries));
}

QString RatioLabel(double ratio)
{
    return QStringLiteral("×%1").arg(QLocale().toString(ratio, 'g', 3));
}

void DrawRatio(ChartPanel& panel, const Drawn& drawn)
{
    QChart& chart = panel.Chart();
    chart.removeAllSeries();
    Range range;
    Entries entries = SeriesLines(
        chart, drawn, range, [](const SizePoint& point) { return point.seconds / point.floorSeconds; },
        [&drawn](std::size_t i) { return drawn.names[i]; }, QObject::tr("Median time over the floor's median time"));
    if (range.right > 0) {
        range.Add(range.left, 1);  // the floor's own line stays in view
        const QPen floor(Qt::black, 1.5, Qt::DashLine);
        entries.push_back({QObject::tr("×1: as fast as the floor"), {}, floor, {}, {},
                           {Line(chart, {{range.left, 1}, {range.right, 1}}, floor)}});
    }
    range.Axes(chart, QObject::tr("time over the floor's"), RatioLabel, drawn.plannedSizes);
    panel.Legend().SetEntries(std::move(entries));
}

// Past eight series, only the first routine's are shown at first.
void ShowFirstRoutineOnly(ChartPanel& panel, const Drawn& drawn)
{
    if (drawn.summaries.size() <= 8)
        return;
    const QString first = drawn.names.front().section(QLatin1Char(','), 0, 0) + QStringLiteral(",");
    for (const ChartLegend::Entry& entry : panel.Legend().Entries()) {
        const bool ofSeries = std::any_of(drawn.names.begin(), drawn.names.end(),
                                          [&entry](const QString& name) { return entry.text.startsWith(name); });
        const bool shown = !ofSeries || entry.text.startsWith(first);
        for (QAbstractSeries* series : entry.series)
            series->setVisible(shown);
    }
    panel.Legend().update();
}

// Whether the run is an order sweep, as SweepPlan::IsOrderSweep says of a
// plan: two or more levels of sortedness, at one n.
bool IsOrderSweep(const RunResults& run)
{
    const auto& rows = run.Rows();
    const auto oneSizeAndLevel = [&rows](const Measurement& row) { return row.Level() && row.n == rows.front().n; };
    const auto otherLevel = [&rows](const Measurement& row) { return row.Level() != rows.front().Level(); };
    return !rows.empty() && std::all_of(rows.begin(), rows.end(), oneSizeAndLevel)
        && std::any_of(rows.begin(), rows.end(), otherLevel);
}

// Where a chart has nothing to show for the run shown, a sentence says what
// to run, or which chart to read.
void ShowNotes(const CostCharts& charts, const RunResults& shown)
{
    const QString run = QObject::tr("Nothing measured yet: choose what to measure, then Run (F5).");
    const QString sizes =
        IsOrderSweep(shown) ? QObject::tr("The run shown is an order sweep at one size: read its cost against "
                                          "sortedness on the Order tab (Alt+D).")
                            : QString();
    for (ChartPanel* panel : {charts.time, charts.steps, charts.ratio})
        panel->ShowNote(shown.Rows().empty() ? run : sizes);
    charts.order->ShowNote(shown.Rows().empty() ? run
                           : shown.Order().empty()
                               ? QObject::tr("The run shown has no inputs of chosen sortedness: choose Sweep: Order, "
                                             "at one size, then Run (F5).")
                               : QString());
}

}  // namespace

QString PointTip(const QString& series, const SizePoint& point)
{
    const QString repetitions = point.repetitions == 1 ? QObject::tr("1 repetition")
                                                       : QObject::tr("%1 repetitions").arg(point.repetitions);
    return QObject::tr("%1\nn = %2\nmedian %3; middle half %4 to %5\n%6")
        .arg(series, CountLabel(point.n), TimeLabel(point.seconds), TimeLabel(point.lowerQuartile),
             TimeLabel(point.upperQuartile), repetitions);
}

void DrawCharts(const CostCharts& charts, const RunResults* shown, const RunResults* overlaid)
{
    static const RunResults none;
    std::vector<const RunResults*> runs = {shown ? shown : &none};
    if (shown && overlaid)
        runs.push_back(overlaid);
    const Drawn drawn = DrawnOf(runs);
    DrawTime(*charts.time, drawn);
    DrawSteps(*charts.steps, drawn);
    DrawRatio(*charts.ratio, drawn);
    for (ChartPanel* panel : {charts.time, charts.steps, charts.ratio})
        ShowFirstRoutineOnly(*panel, drawn);
    DrawOrderChart(*charts.order, *runs.front());  // the run shown: its order sweep alone
    ShowNotes(charts, *runs.front());
    for (ChartPanel* panel : {charts.time, charts.steps, charts.ratio, charts.order})
        panel->Describe();
}

}  // namespace sentinel
