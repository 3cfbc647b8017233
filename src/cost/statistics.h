// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <utility>
#include <vector>

namespace sentinel {

// The middle value, or the mean of the two middle values of an even count;
// NaN for none.
double Median(std::vector<double> values);

// The q-quantile (0 to 1) by linear interpolation between the values in
// order (R's default, type 7): q = 0.5 is the median; NaN for none.
double Quantile(std::vector<double> values, double q);

// The median of the distances from the median; NaN for none.
double MedianAbsoluteDeviation(const std::vector<double>& values);

// The middle of some values and how far they spread about it, found once
// for many values to be tested against it.
struct Spread {
    double median = 0;
    double deviation = 0;  // the median absolute deviation

    // The least spread a value is held against, relative to the median: a
    // clock's steps or a quiet machine can make the deviation near zero.
    static constexpr double kLeastRelativeDeviation = 0.02;

    // Whether `value` lies more than three deviations from the median, the
    // deviation at least kLeastRelativeDeviation of the median.
    bool Flags(double value) const;
};
Spread SpreadOf(const std::vector<double>& values);

// SpreadOf(values).Flags(value).
bool IsOutlier(double value, const std::vector<double>& values);

// A straight line fitted by least squares, y = intercept + slope x, with the
// half-width of the slope's 95 % confidence interval (Student's t with n - 2
// degrees of freedom; NaN below three points) and the share of the variance
// of y it explains (R², NaN when y does not vary).
struct LineFit {
    double slope;
    double intercept;
    double slopeHalfWidth95;
    double rSquared;
};

// NaN in every member below two distinct x.
LineFit FitLine(const std::vector<std::pair<double, double>>& points);

}  // namespace sentinel
