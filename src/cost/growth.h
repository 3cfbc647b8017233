// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "cost/measurement.h"
#include "cost/statistics.h"

namespace sentinel {

// The growth of y = a * n^b, by least squares on log y over log n: the
// slope is the exponent b, with its interval and R². Points with n or y not
// above 0 are left out; NaN when fewer than two distinct n remain.
LineFit FitGrowth(const std::vector<std::pair<double, double>>& points);

// One size of a series: the medians of its repetitions, and their spread.
struct SizePoint {
    std::int32_t n;
    double seconds;
    double floorSeconds;
    std::int64_t steps;
    double fewestSeconds;
    double mostSeconds;
    double lowerQuartile;  // the middle half of the seconds of the repetitions that are not outliers
    double upperQuartile;
    int repetitions;
    std::vector<double> outliers;  // seconds more than three median absolute deviations from the median
};

// How one routine's cost grows on one shape, over all the sizes measured.
// Times are the median of the repetitions at each n.
struct GrowthSummary {
    Routine routine;
    Shape shape;
    std::vector<SizePoint> points;  // by n, ascending
    LineFit timeFit;  // the slope is the growth exponent of the time
    LineFit stepFit;
    std::int32_t largestN;
    double secondsPerStep;  // at the largest n
    double floorRatio;  // the routine's time over the floor's, at the largest n
};

// The repetitions of one routine and shape at one n.
struct Repetitions {
    std::vector<double> seconds;
    std::vector<double> floorSeconds;
    std::int64_t steps = 0;
};

// The medians and spread of the repetitions at n.
SizePoint PointOf(std::int32_t n, const Repetitions& repetitions);

// The summary of one routine on one shape from its points, by n ascending
// (at least one).
GrowthSummary SummaryOf(Routine routine, const Shape& shape, std::vector<SizePoint> points);

// One routine on one input: its order and its cost, times the median of the
// repetitions.
struct OrderPoint {
    Routine routine;
    Shape shape;
    double sortedness;
    std::int64_t steps;
    std::int64_t moves;
    std::int64_t shifted;
    double seconds;
};

}  // namespace sentinel
