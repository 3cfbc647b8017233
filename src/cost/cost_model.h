// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "cost/measurement.h"

namespace sentinel {

// What a routine's time is made of on this machine, fitted by least squares
// (relative errors, so small and large sizes weigh alike, and no negative
// share) over all of its measurements:
//   time = perEntry * n + perStep * steps + perShift * shifted
// with shifted the entries the key store really moves. The shares say how
// much of the time measured each term explains. A term the measurements
// cannot tell apart from the others (say, shifted on ascending input alone,
// where it equals n) is left at 0.
struct CostModel {
    Routine routine;
    double perEntry = 0;
    double perStep = 0;
    double perShift = 0;
    double entryShare = 0;
    double stepShare = 0;
    double shiftShare = 0;
    // The share of the (relative) variance of the times the model explains;
    // NaN when the times do not vary.
    double rSquared = 0;
    // Below this the model does not explain the time, and answers nothing.
    static constexpr double kExplains = 0.9;

    double Seconds(double n, double steps, double shifted) const
    {
        return perEntry * n + perStep * steps + perShift * shifted;
    }
};

// The sums a routine's model is fitted from, a measurement at a time, so
// that the model of many measurements costs no more than of a few.
class CostFit {
public:
    static constexpr std::size_t kTerms = 3;  // entries, steps, shifted
    // The weighted normal equations: each term's products with the others, then with the seconds.
    using Normal = std::array<std::array<double, kTerms + 1>, kTerms>;

    void Add(const Measurement& row);
    CostModel Model(Routine routine) const;

private:
    double RSquared(const std::array<double, kTerms>& coefficients) const;

    Normal normal_{};
    std::array<double, kTerms> termTotals_{};
    double seconds_ = 0;
    // Of the rows with a time: how many, and the sums of 1/seconds² and 1/seconds.
    double timed_ = 0, weights_ = 0, weightedSeconds_ = 0;
};

// The model of one routine from its measurements.
CostModel FitCostModel(Routine routine, const std::vector<Measurement>& rows);

// The largest n, at most kLargestSize, that a routine sorts on a shape within
// a budget of seconds, and the time the model predicts for it. The steps and
// entries shifted at n follow the shape as measured: each grows as
// n + s n(n-1)/2, with s its median share of the pairs.
//
// A size beyond those measured may run slower per step than the model says
// (its list no longer fits a cache). Given `timeAt`, which times one run at
// a size, the model is checked there and scaled by what it finds, up to
// three times, until the time lies within a fifth of the budget; `measured`
// is then the last time found.
struct Budget {
    Routine routine;
    Shape shape;
    std::int32_t n;
    double seconds;  // predicted
    double measured = 0;  // 0 when not checked
    std::int32_t largestMeasured = 0;  // the largest n of the rows: past it, n is extrapolated
    double rSquared = 0;  // the model's

    bool Extrapolated() const { return n > largestMeasured; }
    bool Explained() const { return rSquared >= CostModel::kExplains; }
};
using TimeAt = std::function<double(Routine routine, const Shape& shape, std::int32_t n)>;
// The rows are a run's and the models the run's own, one per routine.
std::vector<Budget> LargestWithin(const std::vector<Measurement>& rows, const std::vector<CostModel>& models,
                                  double budgetSeconds, const TimeAt& timeAt = {});

}  // namespace sentinel
