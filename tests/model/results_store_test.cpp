// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "model/results_store.h"

namespace sentinel {
namespace {

Measurement Row(Routine routine, Shape shape, std::int32_t n, int repeat, double seconds)
{
    return {routine, InputKind::Numbers, shape, n, repeat, seconds, seconds / 2, true,
            {n + 2, std::int64_t{n} * n / 2, n, 0, n, n}, {}};
}

// The aggregates read after each row equal those of the rows so far, taken
// whole: the medians, the spread, the summary and the model.
TEST(RunResults, AggregatesFollowEachRowAsItArrives)
{
    RunResults run("Run 1");
    run.Add(Row(Routine::Numbers, Shape::Random, 100, 1, 4e-6));
    EXPECT_EQ(run.PointOf(run.Rows()[0]).seconds, 4e-6);
    run.Add(Row(Routine::Numbers, Shape::Random, 100, 2, 6e-6));
    EXPECT_DOUBLE_EQ(run.PointOf(run.Rows()[0]).seconds, 5e-6) << "the mean of the middle two";
    EXPECT_EQ(run.PointOf(run.Rows()[1]).fewestSeconds, 4e-6);
    EXPECT_EQ(run.PointOf(run.Rows()[1]).mostSeconds, 6e-6);
    ASSERT_EQ(run.Summaries().size(), 1U);
    EXPECT_TRUE(std::isnan(run.Summaries()[0].timeFit.slope)) << "one size fits no slope";

    run.Add(Row(Routine::Numbers, Shape::Random, 200, 1, 16e-6));
    run.Add(Row(Routine::Numbers, Shape::Ascending, 100, 1, 8e-6));
    run.Add(Row(Routine::Strings, Shape::Random, 100, 1, 9e-6));
    ASSERT_EQ(run.Summaries().size(), 3U) << "a summary per routine and shape, in the order they came";
    EXPECT_EQ(run.Summaries()[0].points.size(), 2U);
    EXPECT_NEAR(run.Summaries()[0].timeFit.slope, std::log(16.0 / 5) / std::log(2.0), 1e-9);
    EXPECT_EQ(run.Summaries()[1].shape, Shape::Ascending);
    EXPECT_EQ(run.Summaries()[2].routine, Routine::Strings);
    ASSERT_EQ(run.Models().size(), 2U);
    EXPECT_EQ(run.Models()[0].routine, Routine::Numbers);
    std::vector<Measurement> numbers;
    for (const Measurement& row : run.Rows())
        if (row.routine == Routine::Numbers)
            numbers.push_back(row);
    const CostModel whole = FitCostModel(Routine::Numbers, numbers);
    EXPECT_DOUBLE_EQ(run.Models()[0].perEntry, whole.perEntry) << "the model of the rows so far, taken whole";
    EXPECT_DOUBLE_EQ(run.Models()[0].perStep, whole.perStep);
    EXPECT_DOUBLE_EQ(run.Models()[0].entryShare, whole.entryShare);
    EXPECT_GT(whole.entryShare + whole.stepShare, 0);
    EXPECT_EQ(run.Models()[1].routine, Routine::Strings);
    EXPECT_FALSE(run.End());
    run.End(SweepEnd::Cancelled);
    EXPECT_EQ(run.End(), SweepEnd::Cancelled);
}

TEST(RunResults, OrderPointsAreAtTheLargestSizeWithASortedness)
{
    RunResults run;
    Measurement small = Row(Routine::Numbers, Shape::Random, 50, 1, 1e-6);
    small.law.order.sortedness = 0.5;
    Measurement large = Row(Routine::Numbers, Shape::Random, 80, 1, 3e-6);
    large.law.order.sortedness = 0.25;
    run.Add(small);
    EXPECT_EQ(run.OrderSize(), 50);
    run.Add(large);
    EXPECT_EQ(run.OrderSize(), 80);
    ASSERT_EQ(run.Order().size(), 1U);
    EXPECT_EQ(run.Order()[0].sortedness, 0.25);
}

// A run begun replaces the one shown only at its first row; one that ends
// with none leaves the runs as they were.
TEST(ResultsStore, KeepsEveryRunThatMeasuredSomething)
{
    ResultsStore store;
    EXPECT_FALSE(store.Shown());
    store.Begin("Run 1");
    EXPECT_TRUE(store.UnderWay());
    EXPECT_FALSE(store.Shown()) << "nothing measured yet";
    store.Add(Row(Routine::Numbers, Shape::Random, 10, 1, 1e-6));
    ASSERT_TRUE(store.Shown());
    EXPECT_EQ(store.Shown()->Title(), "Run 1");
    store.End(SweepEnd::Completed);
    EXPECT_FALSE(store.UnderWay());

    store.Begin("Run 2");
    EXPECT_EQ(store.Shown()->Title(), "Run 1") << "until the new run has a row";
    store.End(SweepEnd::Cancelled);
    EXPECT_EQ(store.Runs().size(), 1U) << "a run cancelled before its first row is not kept";
    EXPECT_EQ(store.Shown()->Rows().size(), 1U);

    store.Begin("Run 2");
    store.Add(Row(Routine::Numbers, Shape::Random, 10, 1, 2e-6));
    store.End(SweepEnd::Cancelled);
    ASSERT_EQ(store.Runs().size(), 2U);
    EXPECT_EQ(store.Shown()->Title(), "Run 2");
    EXPECT_EQ(store.Shown()->End(), SweepEnd::Cancelled) << "what a cancelled run measured is kept";

    store.Overlay(0);
    EXPECT_EQ(store.Overlaid()->Title(), "Run 1");
    store.Show(0);
    EXPECT_FALSE(store.Overlaid()) << "a run is not laid over itself";
    store.Show(2);
    EXPECT_EQ(store.ShownIndex(), 0U) << "past the last run: no change";
    store.Overlay(1);
    store.Begin("Run 3");
    EXPECT_EQ(store.Overlaid()->Title(), "Run 2") << "the overlay stays until the new run measures";
    store.Add(Row(Routine::Numbers, Shape::Random, 10, 1, 3e-6));
    EXPECT_EQ(store.Shown()->Title(), "Run 3");
    EXPECT_FALSE(store.Overlaid());
}

TEST(ResultsStore, KeepsTheNewestRunsUpToItsLimit)
{
    ResultsStore store;
    for (std::size_t run = 1; run <= ResultsStore::kMostRuns + 1; ++run) {
        store.Begin("Run " + std::to_string(run));
        store.Add(Row(Routine::Numbers, Shape::Random, 10, 1, 1e-6));
        store.End(SweepEnd::Completed);
        EXPECT_EQ(store.Runs().size(), std::min(run, ResultsStore::kMostRuns));
    }
    EXPECT_EQ(store.Runs().front()->Title(), "Run 2");
    EXPECT_EQ(store.Shown()->Title(), "Run 21");
    EXPECT_EQ(store.ShownIndex(), ResultsStore::kMostRuns - 1);
}

}  // namespace
}  // namespace sentinel
