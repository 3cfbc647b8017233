// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QChart>
#include <QLineSeries>

#include <cmath>

#include "explorer/charts/chart_axes.h"
#include "explorer/shared/units.h"

namespace sentinel {
namespace {

const std::vector<double> kDoubling = {250, 500, 1000, 2000, 4000, 8000, 16000, 32000, 64000, 100000};

// Sizes measured are thinned to every other one; 1-2-5 steps to the powers
// of ten, unless that leaves fewer than three.
TEST(ChartAxes, ThinningKeepsTicksThatStillReadAsAScale)
{
    EXPECT_EQ(Thinned(kDoubling, 10), kDoubling);
    EXPECT_EQ(Thinned(kDoubling, 9), (std::vector<double>{250, 1000, 4000, 16000, 64000}));
    EXPECT_EQ(Thinned(OneTwoFive(100, 100000), 8), (std::vector<double>{100, 1000, 10000, 100000}));
    EXPECT_EQ(Thinned({100, 200, 500, 1000}, 3), (std::vector<double>{100, 500})) << "two powers of ten are too few";
}

// The chart gives each label length ÷ (labels + 1) less 10 pixels: the ticks
// shown are the most whose widest label fits that share, exactly at it too.
TEST(ChartAxes, TheSizeAxisLabelsAsManyAsItsLengthHoldsWhole)
{
    const auto width = [](double) { return 40.0; };
    EXPECT_EQ(FittingTicks(kDoubling, 0, width).size(), 10U) << "before the chart is laid out";
    EXPECT_EQ(FittingTicks(kDoubling, 11 * 50.0, width).size(), 10U) << "50 - 10 = 40: fits exactly";
    EXPECT_EQ(FittingTicks(kDoubling, 11 * 50.0 - 1, width).size(), 5U) << "one pixel short: every other one";
    EXPECT_EQ(FittingTicks(kDoubling, 60, width).size(), 1U) << "too short for any two";
}

// A screen reader hears a series' values as its axes label them: each point
// up to a dozen, past that how many and where they start and end.
TEST(ChartAxes, ASeriesReadsItsValuesAsItsAxesLabelThem)
{
    QChart chart;
    auto* series = new QLineSeries;
    chart.addSeries(series);
    SetLogAxes(chart, {QStringLiteral("n"), 1, 1e6, {}, CountLabel}, {QStringLiteral("time"), 1e-7, 1, {}, TimeLabel});
    for (int i = 0; i < 12; ++i)
        series->append(std::log10(1000.0 * (i + 1)), std::log10(2.5e-6 * (i + 1)));
    const QString twelve = PointsText(*series);
    EXPECT_TRUE(twelve.startsWith("1,000: 2.5 µs; 2,000: 5 µs; ")) << twelve.toStdString();
    EXPECT_TRUE(twelve.endsWith("; 12,000: 30 µs")) << twelve.toStdString();
    series->append(std::log10(64000.0), std::log10(1.5e-3));
    EXPECT_EQ(PointsText(*series), "13 points, from 1,000: 2.5 µs to 64,000: 1.5 ms");
}

}  // namespace
}  // namespace sentinel
