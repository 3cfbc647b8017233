// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/charts/chart_axes.h"

#include <QAbstractSeries>
#include <QChart>
#include <QFontMetricsF>
#include <QXYSeries>

#include <cmath>

namespace sentinel {

QString LabelledAxis::ValueAt(double coordinate) const
{
    return label_(logarithmic_ ? std::pow(10.0, coordinate) : coordinate);
}

namespace {

QString ValueText(const QAbstractAxis* axis, double coordinate)
{
    if (const auto* labelled = dynamic_cast<const LabelledAxis*>(axis))
        return labelled->ValueAt(coordinate);
    return QLocale().toString(coordinate, 'f', 2);
}

const QAbstractAxis* AxisOf(QXYSeries& series, Qt::Orientation orientation)
{
    for (const QAbstractAxis* axis : series.attachedAxes())
        if (axis->orientation() == orientation)
            return axis;
    return nullptr;
}

}  // namespace

QString PointsText(QXYSeries& series)
{
    constexpr qsizetype kListed = 12;
    const QAbstractAxis* across = AxisOf(series, Qt::Horizontal);
    const QAbstractAxis* up = AxisOf(series, Qt::Vertical);
    const auto point = [&](const QPointF& at) {
        return QObject::tr("%1: %2").arg(ValueText(across, at.x()), ValueText(up, at.y()));
    };
    const QList<QPointF> points = series.points();
    if (points.size() > kListed)
        return QObject::tr("%1 points, from %2 to %3").arg(points.size()).arg(point(points.front()), point(points.back()));
    QStringList each;
    for (const QPointF& at : points)
        each << point(at);
    return each.join(QStringLiteral("; "));
}

std::vector<double> OneTwoFive(double low, double high)
{
    std::vector<double> ticks;
    if (!(low > 0) || !(high >= low))
        return ticks;
    for (double decade = std::pow(10.0, std::floor(std::log10(low))); decade <= high; decade *= 10)
        for (const double step : {1.0, 2.0, 5.0})
            if (const double tick = step * decade; tick >= low * (1 - 1e-9) && tick <= high * (1 + 1e-9))
                ticks.push_back(tick);
    return ticks;
}

std::vector<double> LogTicks(double low, double high, const std::vector<double>& measured)
{
    if (!measured.empty() && measured.size() <= 10)
        return measured;
    return OneTwoFive(low, high);
}

std::vector<double> Thinned(std::vector<double> ticks, std::size_t most)
{
    // 1-2-5 steps, then powers of ten alone when a few remain, then every other one.
    if (ticks.size() > most) {
        std::vector<double> powers = ticks;
        std::erase_if(powers, [](double tick) {
            const double mantissa = tick / std::pow(10.0, std::floor(std::log10(tick) + 1e-9));
            return std::abs(mantissa - 1) > 1e-6;
        });
        if (powers.size() >= std::min<std::size_t>(3, most))
            ticks = std::move(powers);
    }
    while (ticks.size() > most) {
        std::vector<double> fewer;
        for (std::size_t i = 0; i < ticks.size(); i += 2)
            fewer.push_back(ticks[i]);
        ticks = std::move(fewer);
    }
    return ticks;
}

std::vector<double> FittingTicks(const std::vector<double>& ticks, double length, const std::function<double(double)>& width)
{
    constexpr std::size_t kMost = 10;
    constexpr double kPadding = 2 * 5.0;  // the chart's space each side of a label
    for (std::size_t most = kMost; most > 1; --most) {
        const std::vector<double> shown = Thinned(ticks, most);
        double widest = 0;
        for (const double tick : shown)
            widest = std::max(widest, width(tick));
        if (length <= 0 || length / static_cast<double>(shown.size() + 1) - kPadding >= widest)
            return shown;
    }
    return Thinned(ticks, 1);
}

std::vector<double> RoundSteps(double high)
{
    const double rough = std::max(high, 1e-12) / 5;
    const double decade = std::pow(10.0, std::floor(std::log10(rough)));
    double step = decade;
    for (const double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * decade >= rough) {
            step = factor * decade;
            break;
        }
    std::vector<double> ticks = {0};
    while (ticks.back() < high * (1 - 1e-9))
        ticks.push_back(ticks.back() + step);
    return ticks;
}

QAbstractAxis* LinearAxis(QChart& chart, const QString& title, const std::vector<double>& ticks,
                          const std::function<QString(double)>& label, Qt::Alignment alignment)
{
    auto* axis = new LabelledAxis(label, false, &chart);
    axis->setTitleText(title);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setRange(0, ticks.back());
    for (std::size_t i = 1; i < ticks.size(); ++i)  // 0 starts the axis, unlabelled
        axis->append(label(ticks[i]), ticks[i]);
    axis->setGridLineVisible(alignment != Qt::AlignRight);  // a second axis draws no grid across the first's
    chart.addAxis(axis, alignment);
    return axis;
}

namespace {

void Label(LabelledAxis& made, const std::vector<double>& ticks)
{
    for (const QString& old : made.categoriesLabels())
        made.remove(old);
    for (const double tick : ticks)
        made.append(made.Label(tick), std::log10(tick));
}

LabelledAxis* Axis(QChart& chart, const LogAxis& axis, Qt::Alignment alignment)
{
    auto* made = new LabelledAxis(axis.label, true, &chart);
    made->setTitleText(axis.title);
    made->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    made->setRange(std::log10(axis.low), std::log10(axis.high));
    std::vector<double> ticks = axis.ticks;
    std::erase_if(ticks, [&axis](double tick) { return tick < axis.low || tick > axis.high; });
    chart.addAxis(made, alignment);
    if (alignment != Qt::AlignBottom) {
        Label(*made, Thinned(ticks, 8));  // as many as fit up the plot at the window's smallest size
        return made;
    }
    // The chart gives each label across an equal share of the plot's width and
    // cuts a longer one short: label as many as fit, again as the plot resizes.
    const auto fit = [&chart, made, ticks] {
        const QFontMetricsF metrics(made->labelsFont());
        const std::vector<double> shown = FittingTicks(ticks, chart.plotArea().width(), [&](double tick) {
            return metrics.horizontalAdvance(made->Label(tick));
        });
        if (static_cast<std::size_t>(made->count()) != shown.size())
            Label(*made, shown);
    };
    fit();
    QObject::connect(&chart, &QChart::plotAreaChanged, made, fit);
    return made;
}

}  // namespace

void SetLogAxes(QChart& chart, const LogAxis& x, const LogAxis& y)
{
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);  // gives the axis back to us
        delete axis;
    }
    LabelledAxis* horizontal = Axis(chart, x, Qt::AlignBottom);
    LabelledAxis* vertical = Axis(chart, y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart.series()) {
        series->attachAxis(horizontal);
        series->attachAxis(vertical);
    }
}

}  // namespace sentinel
