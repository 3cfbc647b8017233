// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include <cmath>
#include <chrono>
#include <condition_variable>
#include <future>
#include <thread>
#include <mutex>

#include "cost/growth.h"
#include "cost/input_error.h"
#include "cost/sweep.h"
#include "model/results_store.h"
#include "runtime/conversions.h"

namespace sentinel {
namespace {

SweepPlan SmallPlan(InputKind kind, std::vector<Routine> routines)
{
    SweepPlan plan;
    plan.routines = std::move(routines);
    plan.kind = kind;
    plan.shapes = {MadeShapes().begin(), MadeShapes().end()};
    plan.sizes = {1, 2, 37, 300};
    plan.repeat = 1;
    return plan;
}

TEST(Sweep, EveryRoutineOnEveryKindAndShapeGivesTheFloorsResult)
{
    for (const InputKind kind : kMadeKinds) {
        const SweepPlan plan = SmallPlan(kind, {std::begin(kRoutines), std::end(kRoutines)});
        const SweepOutcome outcome = RunSweep(plan, {}, {}, false);
        ASSERT_EQ(outcome.end, SweepEnd::Completed) << outcome.error;
        ASSERT_EQ(outcome.rows.size(), 8U * MadeShapes().size() * 4U);
        for (const Measurement& row : outcome.rows) {
            const std::string name = std::string(NameOf(row.routine)) + " on " + std::string(NameOf(kind)) + ", "
                + std::string(NameOf(row.shape)) + ", n = " + std::to_string(row.n);
            EXPECT_TRUE(row.identical) << name;
            EXPECT_EQ(row.counts.placed + row.counts.dropped, row.n) << name;
        }
    }
}

// Each repetition measures a made input of its own, so that none is one the
// processor has learned; every routine measures the same ones. A file's is
// the same each time.
TEST(Sweep, EachRepetitionMeasuresAnInputOfItsOwnTheSameForEveryRoutine)
{
    SweepPlan plan = SmallPlan(InputKind::Numbers, {Routine::Numbers, Routine::NumbersFromHigh});
    plan.shapes = {Shape::Random};
    plan.sizes = {200};
    plan.repeat = 3;
    const std::vector<Measurement> rows = RunSweep(plan, {}, {}, false).rows;
    ASSERT_EQ(rows.size(), 6U);
    std::set<std::int64_t> ordered;
    for (int repeat = 0; repeat < 3; ++repeat) {
        EXPECT_EQ(rows[static_cast<std::size_t>(repeat)].law.order.orderedPairs,
                  rows[static_cast<std::size_t>(3 + repeat)].law.order.orderedPairs)
            << "repetition " << repeat + 1 << ": the same input for both routines";
        ordered.insert(rows[static_cast<std::size_t>(repeat)].law.order.orderedPairs);
    }
    EXPECT_EQ(ordered.size(), 3U) << "three inputs";
    EXPECT_EQ(PlanInput(plan, Shape::Random, 200, 2).entries, PlanInput(plan, Shape::Random, 200, 2).entries);
    EXPECT_NE(PlanInput(plan, Shape::Random, 200, 0).entries, PlanInput(plan, Shape::Random, 200, 1).entries)
        << "the warm-up's input is none of those measured";

    plan.UseFile("lines.txt", std::make_shared<const std::vector<Text>>(std::vector<Text>{u"3", u"1", u"2"}));
    EXPECT_EQ(PlanInput(plan, Shape::AsGiven, 3, 1).entries, PlanInput(plan, Shape::AsGiven, 3, 3).entries);
}

// Made ascending and descending inputs have distinct keys, so the closed
// forms hold exactly for the routine of each kind.
TEST(Sweep, MadeOrderedInputsFollowTheClosedForms)
{
    const std::pair<InputKind, Routine> kinds[] = {{InputKind::Numbers, Routine::Numbers},
                                                   {InputKind::Words, Routine::StringsUnique},
                                                   {InputKind::Vectors, Routine::ByField},
                                                   {InputKind::Pairs, Routine::PairsUnique}};
    for (const auto& [kind, routine] : kinds) {
        SweepPlan plan = SmallPlan(kind, {routine});
        plan.shapes = {Shape::Ascending, Shape::Descending};
        plan.sizes = {3000};
        for (const Measurement& row : RunSweep(plan, {}, {}, false).rows) {
            const std::int64_t n = row.n;
            EXPECT_EQ(row.counts.steps, row.shape == Shape::Ascending ? n * (n + 1) / 2 : n) << NameOf(kind);
            EXPECT_EQ(row.counts.dropped, 0) << NameOf(kind);
        }
    }
}

TEST(Growth, FitsTheExponentOfSyntheticPowerLaws)
{
    EXPECT_NEAR(FitGrowth({{100, 3e-4}, {200, 1.2e-3}, {400, 4.8e-3}}).slope, 2.0, 1e-9);
    EXPECT_NEAR(FitGrowth({{10, 5}, {1000, 500}, {0, 1}, {50, -1}}).slope, 1.0, 1e-9) << "non-positive points left out";
    EXPECT_TRUE(std::isnan(FitGrowth({{100, 1}, {100, 2}}).slope)) << "one size fits no slope";

    std::vector<Measurement> rows;
    for (const std::int32_t n : {1000, 2000, 4000})
        for (const double noise : {0.9, 0.95, 1.05, 1.3})  // the median is the mean of the middle two
            rows.push_back({Routine::Numbers, InputKind::Numbers, Shape::Random, n, 1, noise * 1e-9 * n * n,
                            0.5 * 1e-9 * n * n, true, {n + 2, std::int64_t{n} * n / 4, n, 0, 0}, {}});
    RunResults results;
    for (const Measurement& row : rows)
        results.Add(row);
    const std::vector<GrowthSummary>& summaries = results.Summaries();
    ASSERT_EQ(summaries.size(), 1U);
    EXPECT_NEAR(summaries[0].timeFit.slope, 2.0, 1e-9);
    EXPECT_NEAR(summaries[0].stepFit.slope, 2.0, 1e-9);
    EXPECT_EQ(summaries[0].largestN, 4000);
    EXPECT_NEAR(summaries[0].floorRatio, 2.0, 1e-9);
    EXPECT_NEAR(summaries[0].secondsPerStep, 4e-9, 1e-15);
    const SizePoint& largest = summaries[0].points.back();
    EXPECT_NEAR(largest.fewestSeconds, 0.9 * 16e-3, 1e-12);
    EXPECT_NEAR(largest.mostSeconds, 1.3 * 16e-3, 1e-12);
    ASSERT_EQ(largest.outliers.size(), 1U) << "1.3 lies 4 median deviations (0.075) from the median";
    EXPECT_NEAR(largest.outliers[0], 1.3 * 16e-3, 1e-12);
    EXPECT_EQ(largest.repetitions, 4);
    EXPECT_NEAR(largest.lowerQuartile, 0.925 * 16e-3, 1e-12) << "of 0.9, 0.95, 1.05: half way from 0.9 to 0.95";
    EXPECT_NEAR(largest.upperQuartile, 1.0 * 16e-3, 1e-12) << "half way from 0.95 to 1.05; the far 1.3 is a star, not band";
}

TEST(Sweep, ChecksThePlanBeforeMeasuring)
{
    SweepPlan plan = SmallPlan(InputKind::Numbers, {Routine::Numbers});
    EXPECT_NO_THROW(CheckPlan(plan));
    for (const auto& spoil : std::vector<std::function<void(SweepPlan&)>>{
             [](SweepPlan& p) { p.sizes = {0}; }, [](SweepPlan& p) { p.sizes = {100001}; },
             [](SweepPlan& p) { p.routines.clear(); }, [](SweepPlan& p) { p.shapes = {Shape::AsGiven}; },
             [](SweepPlan& p) {
                 p.UseFile("two.txt", {u"1", u"2"});
                 p.shapes = {Shape::AsGiven};
                 p.sizes = {3};
             }}) {
        SweepPlan spoilt = plan;
        spoil(spoilt);
        EXPECT_THROW(CheckPlan(spoilt), InputError);
    }
}

TEST(Sweep, ReportsAFieldRoutineThatCannotTakeTheFile)
{
    SweepPlan plan;
    plan.routines = {Routine::ByField};
    plan.UseFile("records.txt", {u"3,1", u"", u"1,2"});
    plan.shapes = {Shape::AsGiven};
    plan.sizes = {3};
    const SweepOutcome outcome = RunSweep(plan, {}, {}, false);
    EXPECT_EQ(outcome.end, SweepEnd::Failed);
    EXPECT_NE(outcome.error.find("SortByField cannot take this input"), std::string::npos) << outcome.error;
}

// On a worker thread: progress comes before every measurement with a time
// left, and a cancel ends the run when the measurement under way ends.
TEST(SweepRunner, ReportsProgressAndStopsOnCancel)
{
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<SweepProgress> progress;
    int measured = 0;
    std::optional<SweepOutcome> outcome;

    SweepPlan plan = SmallPlan(InputKind::Numbers, {Routine::Numbers, Routine::NumbersUnique});
    plan.sizes = {100, 200, 400, 800, 1600, 3200, 6400, 12800};
    plan.repeat = 3;
    SweepRunner runner;
    runner.Start(
        plan, {},
        {[&](const Measurement&) {
             std::lock_guard lock(mutex);
             ++measured;
             changed.notify_all();
         },
         [&](const SweepProgress& p) {
             std::lock_guard lock(mutex);
             progress.push_back(p);
         }},
        [&](const SweepOutcome& o) {
            std::lock_guard lock(mutex);
            outcome = o;
            changed.notify_all();
        });
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return measured >= 40 || outcome; });
    }
    runner.Cancel();
    runner.Wait();
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->end, SweepEnd::Cancelled);
    EXPECT_EQ(static_cast<int>(outcome->rows.size()), measured);
    const int planned = 8 * static_cast<int>(MadeShapes().size()) * 2 * 3;
    EXPECT_LT(measured, planned);
    EXPECT_EQ(progress.front().total, planned);
    EXPECT_GT(progress[static_cast<std::size_t>(measured) - 1].secondsLeft, 0.0);
    ASSERT_TRUE(progress.back().current);
    EXPECT_EQ(progress.front().current->n, 100) << "the smallest size first";
    EXPECT_EQ(progress.front().current->repeat, 1);
    EXPECT_EQ(progress.front().repeats, 3);
}

// Texts alike in their first 200 units make every test compare them whole:
// at 20,000 of them one run takes half a minute. A cancel stops it within
// the entry under way, and a second run after it measures as a first would.
TEST(SweepRunner, CancelStopsTheMeasurementUnderWay)
{
    SweepPlan plan;
    plan.routines = {Routine::Strings};
    plan.shapes = {Shape::AsGiven};
    std::vector<Text> alike;
    for (int i = 20000; i > 0; --i)
        alike.push_back(Text(200, u'A') + WholeNumberText(i));
    plan.UseFile("alike.txt", alike);
    plan.sizes = {20000};
    plan.repeat = 1;
    std::promise<SweepOutcome> finished;
    SweepRunner runner;
    std::promise<void> started;
    runner.Start(plan, {}, {nullptr, [&](const SweepProgress& p) { if (p.done == 0) started.set_value(); }},
                 [&](const SweepOutcome& outcome) { finished.set_value(outcome); });
    started.get_future().wait();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));  // well into the measurement
    runner.Cancel();
    std::future<SweepOutcome> outcome = finished.get_future();
    ASSERT_EQ(outcome.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    const SweepOutcome cancelled = outcome.get();
    EXPECT_EQ(cancelled.end, SweepEnd::Cancelled);
    EXPECT_TRUE(cancelled.rows.empty());
    runner.Wait();

    alike.resize(3);
    plan.UseFile("alike.txt", alike);
    plan.sizes = {3};
    std::promise<SweepOutcome> again;
    runner.Start(plan, {}, {}, [&](const SweepOutcome& o) { again.set_value(o); });
    const SweepOutcome second = again.get_future().get();
    EXPECT_EQ(second.end, SweepEnd::Completed);
    ASSERT_EQ(second.rows.size(), 1U);
    EXPECT_TRUE(second.rows[0].identical);
}

}  // namespace
}  // namespace sentinel
