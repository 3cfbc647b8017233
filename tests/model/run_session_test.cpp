// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

#include "model/run_session.h"

namespace sentinel {
namespace {

SweepPlan SmallPlan()
{
    SweepPlan plan = DefaultPlan();
    plan.sizes = {20, 40};
    plan.repeat = 2;
    return plan;
}

// A plan that cannot be measured, or whose input a routine cannot take, is
// refused before anything runs, with its reason and what is kept.
TEST(RunSession, RefusesWhatCannotRunBeforeItStarts)
{
    SweepPlan none = SmallPlan();
    none.routines.clear();
    Preparation prepared = RunSession::Prepare(none);
    EXPECT_FALSE(prepared.run);
    EXPECT_EQ(prepared.refusal.Text(), "choose at least one routine; nothing was measured");

    SweepPlan records = SmallPlan();
    records.routines = {Routine::Numbers, Routine::ByField};
    records.UseFile("records.txt", {u"3,1", u"", u"1,2"});
    records.shapes = {Shape::AsGiven};
    records.sizes = {3};
    prepared = RunSession::Prepare(records);
    ASSERT_FALSE(prepared.run);
    EXPECT_EQ(prepared.refusal.reason.rfind("SortByField cannot take this input", 0), 0U) << prepared.refusal.reason;
}

// Prepared once: the estimate, the preview and whether to ask first.
TEST(RunSession, PreparesOnceAndAsksOnlyOfALongRun)
{
    const Preparation prepared = RunSession::Prepare(SmallPlan());
    ASSERT_TRUE(prepared.run);
    const PreparedRun& run = *prepared.run;
    EXPECT_EQ(run.estimates.size(), 1U * 3 * 2) << "a routine, three shapes, two sizes";
    EXPECT_GT(run.seconds, 0);
    EXPECT_FALSE(run.AsksFirst());
    EXPECT_EQ(run.measurements, 12);
    EXPECT_EQ(run.Preview(), std::vector<std::string>{"this run makes 12 measurements and takes under a second"});
    PreparedRun longer = run;
    longer.seconds = 61;
    EXPECT_TRUE(longer.AsksFirst());
    longer.seconds = 60;
    EXPECT_FALSE(longer.AsksFirst()) << "a minute, exactly";
    longer.measurements = 1001;
    EXPECT_TRUE(longer.AsksFirst());
    longer.measurements = 1000;
    EXPECT_FALSE(longer.AsksFirst()) << "a thousand, exactly";
    longer.warnings = {"SortNumbersUnique drops most of it"};
    EXPECT_TRUE(longer.AsksFirst());
}

// Here or on a worker, every row is kept in the store under the run's title.
TEST(RunSession, KeepsEveryRowHereAndFromTheWorker)
{
    const Preparation prepared = RunSession::Prepare(SmallPlan());
    ASSERT_TRUE(prepared.run);
    RunSession here;
    EXPECT_TRUE(here.RunHere(*prepared.run, "here").Empty());
    ASSERT_TRUE(here.Store().Shown());
    EXPECT_EQ(here.Store().Shown()->Title(), "here");
    EXPECT_EQ(here.Store().Shown()->Rows().size(), 3U * 2 * 2);
    EXPECT_EQ(here.Store().Shown()->End(), SweepEnd::Completed);

    RunSession worker;
    std::mutex mutex;
    std::condition_variable ended;
    std::vector<Measurement> rows;
    std::optional<SweepOutcome> outcome;
    worker.Start(*prepared.run, "worker",
                 {[&](const Measurement& row) {
                      const std::lock_guard lock(mutex);
                      rows.push_back(row);
                  },
                  {}},
                 [&](const SweepOutcome& finished) {
                     const std::lock_guard lock(mutex);
                     outcome = finished;
                     ended.notify_one();
                 });
    std::unique_lock lock(mutex);
    ended.wait(lock, [&] { return outcome.has_value(); });
    for (const Measurement& row : rows)
        worker.Keep(row);
    EXPECT_TRUE(worker.Finish(*outcome).Empty());
    EXPECT_EQ(worker.Store().Shown()->Rows().size(), 12U);
}

// A failure says what failed and how many measurements are kept.
TEST(RunSession, AFailureSaysWhatIsKept)
{
    RunSession session;
    const Preparation prepared = RunSession::Prepare(SmallPlan());
    ASSERT_TRUE(prepared.run);
    session.Start(*prepared.run, "failing", {}, [](const SweepOutcome&) {});
    session.Stop();
    session.Keep(Measurement{});
    const Notice failure = session.Finish({SweepEnd::Failed, "SortByField cannot take this input: no field 0", {}});
    EXPECT_EQ(failure.Text(), "SortByField cannot take this input: no field 0; the 1 measurements before it are kept");
    EXPECT_EQ(session.Store().Shown()->End(), SweepEnd::Failed);
}

// What a file's routines leave out for lying beyond their sentinels is
// said, how many and why; a routine that cannot take the file says so.
TEST(RunSession, SaysWhatAFilesRoutinesLeaveOut)
{
    SweepPlan plan;
    plan.routines = {Routine::Strings, Routine::Numbers};
    plan.UseFile("words.txt", {u"pear", u"APPLE", u"fig"});
    EXPECT_EQ(RunSession::FileDrops(plan),
              std::vector<std::string>{"2 of 3 keys lie above the high sentinel ZZZZZZZZZZZZZ; SortStrings keeps only "
                                       "keys from 0 to ZZZZZZZZZZZZZ"})
        << "SortNumbers keys every word as 0, within its sentinels";
    plan.routines = {Routine::ByField};
    plan.UseFile("records.txt", {u"3,1", u"", u"1,2"});
    const std::vector<std::string> refused = RunSession::FileDrops(plan);
    ASSERT_EQ(refused.size(), 1U);
    EXPECT_EQ(refused[0].rfind("SortByField cannot take this input", 0), 0U) << refused[0];
}

}  // namespace
}  // namespace sentinel
