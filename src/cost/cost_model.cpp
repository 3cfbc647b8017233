// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cost/cost_model.h"

#include <array>
#include <cmath>
#include <map>

#include "cost/statistics.h"
#include "cost/sweep.h"

namespace sentinel {
namespace {

constexpr std::size_t kTerms = CostFit::kTerms;
using Terms = std::array<double, kTerms>;

Terms TermsOf(const Measurement& row)
{
    return {double(row.n), double(row.counts.steps), double(row.counts.shifted)};
}

// Least squares of seconds on the terms in use, from the normal equations
// of all terms, by Gaussian elimination; false when they are singular.
bool Solve(const CostFit::Normal& sums, const std::array<bool, kTerms>& used, Terms& coefficients)
{
    double normal[kTerms][kTerms + 1] = {};
    for (std::size_t i = 0; i < kTerms; ++i) {
        for (std::size_t j = 0; j < kTerms; ++j)
            normal[i][j] = used[i] && used[j] ? sums[i][j] : 0;
        normal[i][kTerms] = used[i] ? sums[i][kTerms] : 0;
    }
    Terms scale{};
    for (std::size_t i = 0; i < kTerms; ++i) {
        if (!used[i])
            normal[i][i] = 1;  // a term left out solves to 0
        scale[i] = normal[i][i];
    }
    for (std::size_t column = 0; column < kTerms; ++column) {
        std::size_t pivot = column;
        for (std::size_t row = column + 1; row < kTerms; ++row)
            if (std::abs(normal[row][column]) > std::abs(normal[pivot][column]))
                pivot = row;
        std::swap(normal[column], normal[pivot]);
        if (!(std::abs(normal[column][column]) > 1e-10 * scale[column]))
            return false;  // the term is (nearly) a combination of the others
        for (std::size_t row = 0; row < kTerms; ++row) {
            if (row == column)
                continue;
            const double factor = normal[row][column] / normal[column][column];
            for (std::size_t k = column; k <= kTerms; ++k)
                normal[row][k] -= factor * normal[column][k];
        }
    }
    for (std::size_t i = 0; i < kTerms; ++i)
        coefficients[i] = normal[i][kTerms] / normal[i][i];
    return true;
}

double Pairs(double n)
{
    return n * (n - 1) / 2;
}

// The largest n from 0 to kLargestSize whose seconds(n), which grows with
// n, is within the budget.
template <class Seconds>
std::int32_t LargestFitting(const Seconds& seconds, double budgetSeconds)
{
    std::int32_t low = 0;  // fits
    std::int32_t high = kLargestSize + 1;  // does not
    while (high - low > 1) {
        const std::int32_t middle = low + (high - low) / 2;
        (seconds(middle) <= budgetSeconds ? low : high) = middle;
    }
    return low;
}

}  // namespace

void CostFit::Add(const Measurement& row)
{
    const Terms x = TermsOf(row);
    for (std::size_t i = 0; i < kTerms; ++i)
        termTotals_[i] += x[i];
    seconds_ += row.seconds;
    if (!(row.seconds > 0))
        return;
    const double weight = 1 / (row.seconds * row.seconds);  // each row weighed by 1/seconds²
    timed_ += 1;
    weights_ += weight;
    weightedSeconds_ += weight * row.seconds;
    for (std::size_t i = 0; i < kTerms; ++i) {
        for (std::size_t j = 0; j < kTerms; ++j)
            normal_[i][j] += weight * x[i] * x[j];
        normal_[i][kTerms] += weight * x[i] * row.seconds;
    }
}

CostModel CostFit::Model(Routine routine) const
{
    // Terms that are singular, or fit below zero, are dropped one at a time.
    std::array<bool, kTerms> used = {true, true, true};
    Terms coefficients{};
    for (std::size_t dropped = 0; dropped < kTerms; ++dropped) {
        if (!Solve(normal_, used, coefficients)) {
            used[kTerms - 1 - dropped] = false;
            continue;
        }
        const auto negative = std::find_if(coefficients.begin(), coefficients.end(), [](double c) { return c < 0; });
        if (negative == coefficients.end())
            break;
        used[static_cast<std::size_t>(negative - coefficients.begin())] = false;
        coefficients = {};
    }
    CostModel model{routine, coefficients[0], coefficients[1], coefficients[2]};
    model.rSquared = RSquared(coefficients);
    if (seconds_ > 0) {
        model.entryShare = coefficients[0] * termTotals_[0] / seconds_;
        model.stepShare = coefficients[1] * termTotals_[1] / seconds_;
        model.shiftShare = coefficients[2] * termTotals_[2] / seconds_;
    }
    return model;
}

// Of the weighted fit: each row's error relative to its own time, squared,
// against the times' weighted spread about their weighted mean.
double CostFit::RSquared(const std::array<double, kTerms>& c) const
{
    double residual = timed_;  // the sum of weight · seconds², each 1
    for (std::size_t i = 0; i < kTerms; ++i) {
        residual -= 2 * c[i] * normal_[i][kTerms];
        for (std::size_t j = 0; j < kTerms; ++j)
            residual += c[i] * c[j] * normal_[i][j];
    }
    const double spread = timed_ - weightedSeconds_ * weightedSeconds_ / weights_;
    return spread > 1e-12 * timed_ ? 1 - std::max(0.0, residual) / spread : NAN;
}

CostModel FitCostModel(Routine routine, const std::vector<Measurement>& rows)
{
    CostFit fit;
    for (const Measurement& row : rows)
        fit.Add(row);
    return fit.Model(routine);
}

std::vector<Budget> LargestWithin(const std::vector<Measurement>& rows, const std::vector<CostModel>& models,
                                  double budgetSeconds, const TimeAt& timeAt)
{
    std::vector<Budget> budgets;
    for (const CostModel& model : models) {
        std::vector<Shape> shapes;
        std::map<Shape, std::pair<std::vector<double>, std::vector<double>>> shares;  // of steps and shifted
        std::map<Shape, std::int32_t> largest;
        for (const Measurement& row : rows) {
            if (row.routine != model.routine || row.n < 2)
                continue;
            if (!shares.contains(row.shape))
                shapes.push_back(row.shape);
            largest[row.shape] = std::max(largest[row.shape], row.n);
            auto& [steps, shifted] = shares[row.shape];
            steps.push_back((double(row.counts.steps) - row.n) / Pairs(row.n));
            shifted.push_back(std::max(0.0, double(row.counts.shifted) - row.n) / Pairs(row.n));
        }
        for (const Shape& shape : shapes) {
            const double stepShare = Median(shares[shape].first);
            const double shiftShare = Median(shares[shape].second);
            double scale = 1;  // measured over predicted, where checked
            const auto seconds = [&](double n) {
                return scale * model.Seconds(n, n + stepShare * Pairs(n), n + shiftShare * Pairs(n));
            };
            Budget budget{model.routine, shape, LargestFitting(seconds, budgetSeconds), 0, 0, largest[shape],
                          model.rSquared};
            for (int check = 0; timeAt && check < 3; ++check) {
                budget.measured = timeAt(model.routine, shape, budget.n);
                const double ratio = budget.measured / budgetSeconds;
                if (((ratio >= 0.8 || budget.n == kLargestSize) && ratio <= 1.2) || check == 2)
                    break;  // the size reported is the size last timed
                scale *= budget.measured / seconds(budget.n);
                budget.n = LargestFitting(seconds, budgetSeconds);
            }
            budget.seconds = seconds(budget.n);
            budgets.push_back(budget);
        }
    }
    return budgets;
}

}  // namespace sentinel
