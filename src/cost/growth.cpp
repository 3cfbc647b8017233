// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cost/growth.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace sentinel {

LineFit FitGrowth(const std::vector<std::pair<double, double>>& points)
{
    std::vector<std::pair<double, double>> logs;
    for (const auto& [n, y] : points)
        if (n > 0 && y > 0)
            logs.emplace_back(std::log(n), std::log(y));
    return FitLine(logs);
}

SizePoint PointOf(std::int32_t n, const Repetitions& repetitions)
{
    const std::vector<double>& seconds = repetitions.seconds;
    const auto [fewest, most] = std::minmax_element(seconds.begin(), seconds.end());
    std::vector<double> outliers;
    std::vector<double> others;  // the band is theirs, so that one far repetition cannot widen it
    const Spread spread = SpreadOf(seconds);
    for (const double each : seconds)
        (spread.Flags(each) ? outliers : others).push_back(each);
    if (others.empty())
        others = seconds;
    return {n, Median(seconds), Median(repetitions.floorSeconds), repetitions.steps, *fewest, *most,
            Quantile(others, 0.25), Quantile(others, 0.75), static_cast<int>(seconds.size()), std::move(outliers)};
}

GrowthSummary SummaryOf(Routine routine, const Shape& shape, std::vector<SizePoint> points)
{
    std::vector<std::pair<double, double>> times;
    std::vector<std::pair<double, double>> steps;
    for (const SizePoint& point : points) {
        times.emplace_back(point.n, point.seconds);
        steps.emplace_back(point.n, static_cast<double>(point.steps));
    }
    const SizePoint largest = points.back();
    return {routine, shape, std::move(points), FitGrowth(times), FitGrowth(steps), largest.n,
            largest.steps > 0 ? largest.seconds / static_cast<double>(largest.steps) : 0,
            largest.seconds / largest.floorSeconds};
}

}  // namespace sentinel
