// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "cost/statistics.h"

namespace sentinel {
namespace {

TEST(Statistics, MediansAndOutliers)
{
    EXPECT_EQ(Median({3, 1, 2}), 2);
    EXPECT_EQ(Median({4, 1, 3, 2}), 2.5) << "an even count: the mean of the middle two";
    EXPECT_TRUE(std::isnan(Median({})));
    EXPECT_EQ(MedianAbsoluteDeviation({1, 2, 3, 4, 100}), 1);
    const std::vector<double> times = {10, 11, 9, 10, 12, 10};  // median 10, deviation 0.5
    EXPECT_FALSE(IsOutlier(11.5, times)) << "exactly three deviations away";
    EXPECT_TRUE(IsOutlier(11.6, times));
    EXPECT_TRUE(IsOutlier(8.4, times));
    // With no spread, the least relative deviation (2 % of the median) holds:
    // a difference the clock can make is no outlier, a far one is.
    const std::vector<double> even = {7, 7, 7, 7};
    EXPECT_FALSE(IsOutlier(7 * 1.06, even)) << "exactly three least deviations away";
    EXPECT_TRUE(IsOutlier(7 * 1.061, even));
    EXPECT_FALSE(IsOutlier(7.01, even));
    EXPECT_TRUE(IsOutlier(50, even));
    EXPECT_FALSE(IsOutlier(0, {0, 0, 0})) << "nothing to hold a zero against";
}

// On y = 1 + 2x with normal noise of known spread, the interval holds the
// true slope, and its width follows from the noise and the points.
TEST(Statistics, FitLineGivesTheSlopesIntervalAndRSquared)
{
    const LineFit exact = FitLine({{0, 1}, {1, 3}, {2, 5}});
    EXPECT_DOUBLE_EQ(exact.slope, 2);
    EXPECT_DOUBLE_EQ(exact.intercept, 1);
    EXPECT_DOUBLE_EQ(exact.slopeHalfWidth95, 0);
    EXPECT_DOUBLE_EQ(exact.rSquared, 1);

    std::mt19937 engine(18);
    std::normal_distribution<double> noise(0, 0.5);
    std::vector<std::pair<double, double>> points;
    for (int x = 0; x < 20; ++x)
        points.emplace_back(x, 1 + 2 * x + noise(engine));
    const LineFit fit = FitLine(points);
    EXPECT_NEAR(fit.slope, 2, fit.slopeHalfWidth95);
    // t(18) * sigma / sqrt(Sxx), Sxx = 665 for x = 0..19: about 0.04.
    EXPECT_NEAR(fit.slopeHalfWidth95, 2.101 * 0.5 / std::sqrt(665.0), 0.015);
    EXPECT_GT(fit.rSquared, 0.99);

    const LineFit two = FitLine({{0, 0}, {1, 1}});
    EXPECT_DOUBLE_EQ(two.slope, 1);
    EXPECT_TRUE(std::isnan(two.slopeHalfWidth95)) << "no freedom left for an interval";
    EXPECT_TRUE(std::isnan(FitLine({{1, 1}, {1, 2}}).slope));
    // Three points leave one degree of freedom: t = 12.706.
    const LineFit three = FitLine({{0, 0}, {1, 2}, {2, 2}});
    EXPECT_NEAR(three.slopeHalfWidth95, 12.706 * std::sqrt((2.0 / 3) / 1 / 2), 1e-9);
}

}  // namespace
}  // namespace sentinel
