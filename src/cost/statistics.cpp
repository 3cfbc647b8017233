// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cost/statistics.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sentinel {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Student's t for a two-sided 95 % interval with `freedom` degrees of freedom.
double StudentT95(std::size_t freedom)
{
    constexpr double kTable[] = {12.706, 4.303, 3.182, 2.776, 2.571, 2.447, 2.365, 2.306, 2.262, 2.228,
                                 2.201,  2.179, 2.160, 2.145, 2.131, 2.120, 2.110, 2.101, 2.093, 2.086,
                                 2.080,  2.074, 2.069, 2.064, 2.060, 2.056, 2.052, 2.048, 2.045, 2.042};
    if (freedom == 0)
        return kNaN;
    if (freedom <= std::size(kTable))
        return kTable[freedom - 1];
    return 1.960 + 2.46 / static_cast<double>(freedom);  // within 0.005 of the true value past 30
}

}  // namespace

double Median(std::vector<double> values)
{
    if (values.empty())
        return kNaN;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double Quantile(std::vector<double> values, double q)
{
    if (values.empty())
        return NAN;
    std::sort(values.begin(), values.end());
    const double at = q * static_cast<double>(values.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(at));
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (at - static_cast<double>(below)) * (values[above] - values[below]);
}

double MedianAbsoluteDeviation(const std::vector<double>& values)
{
    const double median = Median(values);
    std::vector<double> distances;
    for (const double value : values)
        distances.push_back(std::abs(value - median));
    return Median(distances);
}

bool Spread::Flags(double value) const
{
    const double held = std::max(deviation, kLeastRelativeDeviation * std::abs(median));
    return held > 0 && std::abs(value - median) > 3 * held;
}

Spread SpreadOf(const std::vector<double>& values)
{
    return {Median(values), MedianAbsoluteDeviation(values)};
}

bool IsOutlier(double value, const std::vector<double>& values)
{
    return SpreadOf(values).Flags(value);
}

LineFit FitLine(const std::vector<std::pair<double, double>>& points)
{
    const double count = static_cast<double>(points.size());
    double meanX = 0, meanY = 0;
    for (const auto& [x, y] : points)
        meanX += x / count, meanY += y / count;
    double sxx = 0, sxy = 0, syy = 0;
    for (const auto& [x, y] : points)
        sxx += (x - meanX) * (x - meanX), sxy += (x - meanX) * (y - meanY), syy += (y - meanY) * (y - meanY);
    if (points.size() < 2 || !(sxx > 0))
        return {kNaN, kNaN, kNaN, kNaN};
    const double slope = sxy / sxx;
    const double residual = std::max(0.0, syy - slope * sxy);
    const std::size_t freedom = points.size() - 2;
    const double halfWidth = freedom == 0 ? kNaN : StudentT95(freedom) * std::sqrt(residual / double(freedom) / sxx);
    return {slope, meanY - slope * meanX, halfWidth, syy > 0 ? 1 - residual / syy : kNaN};
}

}  // namespace sentinel
