// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "cost/cost_model.h"
#include "cost/sweep.h"

namespace sentinel {
namespace {

constexpr double kPerEntry = 10e-9, kPerStep = 0.5e-9, kPerShift = 1e-9;

// A row whose time is exactly the model's, times `noise`.
Measurement Row(Shape shape, std::int32_t n, std::int64_t steps, std::int64_t shifted, double noise = 1)
{
    const double seconds = noise * (kPerEntry * n + kPerStep * double(steps) + kPerShift * double(shifted));
    return {Routine::Numbers, InputKind::Numbers, shape, n, 1, seconds, seconds, true, {n + 2, steps, n, 0, 0, shifted},
            {}};
}

std::int64_t Pairs(std::int64_t n)
{
    return n * (n - 1) / 2;
}

// Random input: half the pairs ordered, a quarter shifted; ascending: all
// scanning; descending: nothing but the linear work.
std::vector<Measurement> Sweep(double noise)
{
    std::vector<Measurement> rows;
    for (const std::int32_t n : {250, 500, 1000, 2000, 4000}) {
        rows.push_back(Row(Shape::Random, n, n + Pairs(n) / 2, n + Pairs(n) / 4, noise));
        rows.push_back(Row(Shape::Ascending, n, n + Pairs(n), n, 2 - noise));
        rows.push_back(Row(Shape::Descending, n, n, n, noise));
    }
    return rows;
}

TEST(CostModel, RecoversTheCostOfAnEntryAStepAndAShift)
{
    const std::vector<CostModel> exact = {FitCostModel(Routine::Numbers, Sweep(1))};
    EXPECT_NEAR(exact[0].perEntry, kPerEntry, kPerEntry * 1e-6);
    EXPECT_NEAR(exact[0].perStep, kPerStep, kPerStep * 1e-6);
    EXPECT_NEAR(exact[0].perShift, kPerShift, kPerShift * 1e-6);
    EXPECT_NEAR(exact[0].entryShare + exact[0].stepShare + exact[0].shiftShare, 1, 1e-9);
    EXPECT_NEAR(exact[0].rSquared, 1, 1e-9) << "the model explains every time";

    const CostModel noisy = FitCostModel(Routine::Numbers, Sweep(1.03));
    EXPECT_NEAR(noisy.perStep, kPerStep, kPerStep * 0.1);
    EXPECT_NEAR(noisy.perShift, kPerShift, kPerShift * 0.15);
    EXPECT_GT(noisy.rSquared, CostModel::kExplains);
    EXPECT_LT(noisy.rSquared, 1);

    // Times that follow none of the terms: the model explains little of them.
    std::vector<Measurement> scattered = Sweep(1);
    for (std::size_t i = 0; i < scattered.size(); ++i)
        scattered[i].seconds = 1e-3 * double(1 + (i * 7) % 5);
    EXPECT_LT(FitCostModel(Routine::Numbers, scattered).rSquared, CostModel::kExplains);

    // Ascending input alone cannot tell a shift from an entry: shifted is n.
    std::vector<Measurement> ascending;
    for (const std::int32_t n : {250, 1000, 4000})
        ascending.push_back(Row(Shape::Ascending, n, n + Pairs(n), n));
    const CostModel alone = FitCostModel(Routine::Numbers, ascending);
    EXPECT_EQ(alone.perShift, 0);
    EXPECT_NEAR(alone.perEntry, kPerEntry + kPerShift, kPerEntry * 1e-6);
    EXPECT_NEAR(alone.perStep, kPerStep, kPerStep * 1e-6);
}

// The n found fits the budget and n + 1 does not.
TEST(CostModel, TheBudgetIsTheLargestNThatFits)
{
    const std::vector<Measurement> rows = Sweep(1);
    const std::vector<CostModel> models = {FitCostModel(Routine::Numbers, rows)};
    const auto time = [](double n, double stepShare, double shiftShare) {
        const double pairs = n * (n - 1) / 2;
        return kPerEntry * n + kPerStep * (n + stepShare * pairs) + kPerShift * (n + shiftShare * pairs);
    };
    for (const Budget& budget : LargestWithin(rows, models, 1e-3)) {
        const double stepShare = budget.shape == Shape::Random ? 0.5 : budget.shape == Shape::Ascending ? 1 : 0;
        const double shiftShare = budget.shape == Shape::Random ? 0.25 : 0;
        EXPECT_LE(time(budget.n, stepShare, shiftShare), 1e-3 * (1 + 1e-9)) << NameOf(budget.shape);
        EXPECT_GT(time(budget.n + 1, stepShare, shiftShare), 1e-3) << NameOf(budget.shape);
        EXPECT_NEAR(budget.seconds, time(budget.n, stepShare, shiftShare), 1e-3 * 1e-6);
        EXPECT_EQ(budget.largestMeasured, 4000);
        EXPECT_EQ(budget.Extrapolated(), budget.n > 4000) << NameOf(budget.shape);
        EXPECT_TRUE(budget.Explained());
    }
    const std::vector<Budget> tight = LargestWithin(rows, models, time(4000, 0, 0));
    EXPECT_FALSE(tight[2].Extrapolated()) << "descending at exactly its largest n measured";
    EXPECT_EQ(tight[2].n, 4000);
    // A machine twice as slow at large sizes as the model: the check scales it.
    const auto twiceAsSlow = [&](Routine, const Shape& shape, std::int32_t n) {
        return 2 * time(n, shape == Shape::Random ? 0.5 : shape == Shape::Ascending ? 1 : 0,
                        shape == Shape::Random ? 0.25 : 0);
    };
    for (const Budget& checked : LargestWithin(rows, models, 1e-3, twiceAsSlow)) {
        if (checked.n == kLargestSize)
            continue;
        EXPECT_NEAR(checked.measured, 1e-3, 0.2e-3) << NameOf(checked.shape);
        EXPECT_NEAR(checked.seconds, checked.measured, 0.01e-3) << "the model, scaled by what the check found";
    }
    const std::vector<Budget> generous = LargestWithin(rows, models, 1e6);
    ASSERT_EQ(generous.size(), 3U);
    EXPECT_EQ(generous[2].n, kLargestSize) << "descending input fits whole: the largest size allowed";
}

}  // namespace
}  // namespace sentinel
