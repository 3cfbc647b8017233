// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/charts/chart_axes.h"

#include <QAbstractSeries>
#include <QCategoryAxis>
#include <QChart>

#include <cmath>

namespace sentinel {

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
    // 1-2-5 steps, then powers of ten alone, then every other one of those.
    if (ticks.size() > most)
        std::erase_if(ticks, [](double tick) {
            const double mantissa = tick / std::pow(10.0, std::floor(std::log10(tick) + 1e-9));
            return std::abs(mantissa - 1) > 1e-6;
        });
    while (ticks.size() > most) {
        std::vector<double> fewer;
        for (std::size_t i = 0; i < ticks.size(); i += 2)
            fewer.push_back(ticks[i]);
        ticks = std::move(fewer);
    }
    return ticks;
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
    auto* axis = new QCategoryAxis(&chart);
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

QCategoryAxis* Axis(QChart& chart, const LogAxis& axis, Qt::Alignment alignment)
{
    auto* made = new QCategoryAxis(&chart);
    made->setTitleText(axis.title);
    made->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    made->setRange(std::log10(axis.low), std::log10(axis.high));
    // As many labels as fit a plot at the window's smallest size.
    const std::size_t most = alignment == Qt::AlignBottom ? 10 : 8;
    for (const double tick : Thinned(axis.ticks, most))
        if (tick >= axis.low && tick <= axis.high)
            made->append(axis.label(tick), std::log10(tick));
    chart.addAxis(made, alignment);
    return made;
}

}  // namespace

void SetLogAxes(QChart& chart, const LogAxis& x, const LogAxis& y)
{
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);  // gives the axis back to us
        delete axis;
    }
    QCategoryAxis* horizontal = Axis(chart, x, Qt::AlignBottom);
    QCategoryAxis* vertical = Axis(chart, y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart.series()) {
        series->attachAxis(horizontal);
        series->attachAxis(vertical);
    }
}

}  // namespace sentinel
