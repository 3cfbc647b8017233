// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cost/sweep.h"

#include <algorithm>
#include <chrono>

#include "cost/input_error.h"
#include "cost/preview.h"
#include "cost/run_progress.h"
#include "runtime/runtime_error.h"

namespace sentinel {
namespace {

// One measurement to make: a routine on an input, one repetition.
// Smallest sizes first, so the charts fill from the left and a cancel keeps
// whole series of small sizes.
std::vector<Job> Jobs(const SweepPlan& plan)
{
    std::vector<Job> jobs;
    for (const std::int32_t n : plan.sizes)
        for (const Shape shape : plan.shapes)
            for (const Routine routine : plan.routines)
                for (int repeat = 1; repeat <= plan.repeat; ++repeat)
                    jobs.push_back({routine, shape, n, repeat});
    return jobs;
}

// The progress through the jobs, paced by the estimate of each, or n
// squared where there is none (an input a routine cannot take).
class Progress {
public:
    Progress(const Estimates& estimates, const std::vector<Job>& jobs)
        : start_(std::chrono::steady_clock::now()), figures_(EstimatedSeconds(estimates, jobs)), total_(jobs.size())
    {
    }

    // Before job i.
    SweepProgress At(std::size_t i, std::optional<Job> current, int repeats)
    {
        const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
        const RunProgress::Figures figures = figures_.At(i, elapsed);
        return {static_cast<int>(i), static_cast<int>(total_), current, repeats, figures.fraction, figures.secondsLeft};
    }

private:
    static std::vector<double> EstimatedSeconds(const Estimates& estimates, const std::vector<Job>& jobs)
    {
        std::vector<double> seconds;
        for (const Job& job : jobs) {
            const auto found = estimates.find({job.routine, job.shape, job.n});
            seconds.push_back(found != estimates.end() ? found->second : double(job.n) * job.n * 1e-9);
        }
        return seconds;
    }

    std::chrono::steady_clock::time_point start_;
    RunProgress figures_;
    std::size_t total_;
};

}  // namespace

Input PlanInput(const SweepPlan& plan, const Shape& shape, std::int32_t n, int repetition)
{
    const std::uint64_t seed = plan.seed + static_cast<std::uint64_t>(n) + (static_cast<std::uint64_t>(repetition - 1) << 32);
    return plan.kind == InputKind::File ? FirstEntries(plan.FileEntries(), n) : MakeInput(plan.kind, shape, n, seed);
}

std::vector<std::int32_t> DoublingSizes(std::int32_t from, std::int32_t to)
{
    std::vector<std::int32_t> sizes;
    for (std::int64_t n = std::max(from, 1); n < to; n *= 2)
        sizes.push_back(static_cast<std::int32_t>(n));
    sizes.push_back(to);
    return sizes;
}

std::vector<std::int32_t> DefaultSizes()
{
    return DoublingSizes(kDefaultSmallest, kDefaultLargest);
}

SweepOutcome RunSweep(const SweepPlan& plan, const Estimates& estimates, const SweepEvents& events,
                      const std::atomic<bool>& cancel)
{
    KeepFreedMemory();
    SweepOutcome outcome;
    const std::vector<Job> jobs = Jobs(plan);
    Progress progress(estimates, jobs);
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        if (cancel) {
            outcome.end = SweepEnd::Cancelled;
            return outcome;
        }
        const Job& job = jobs[i];
        if (events.progressed)
            events.progressed(progress.At(i, job, plan.repeat));
        try {
            // Each routine measures the same inputs, made again for it: keeping
            // every repetition's for the next routine would hold them all.
            if (job.repeat == 1)
                WarmUp(job.routine, PlanInput(plan, job.shape, job.n, 0), &cancel);
            const Input input = PlanInput(plan, job.shape, job.n, job.repeat);
            outcome.rows.push_back(Measure(job.routine, plan.kind, job.shape, input, job.repeat, &cancel));
        } catch (const ScanCancelled&) {
            outcome.end = SweepEnd::Cancelled;
            return outcome;
        } catch (const RuntimeError& error) {
            outcome.end = SweepEnd::Failed;
            outcome.error = CannotTake(job.routine, error);
            return outcome;
        }
        if (events.measured)
            events.measured(outcome.rows.back());
    }
    if (events.progressed)
        events.progressed(progress.At(jobs.size(), std::nullopt, plan.repeat));
    return outcome;
}

SweepRunner::~SweepRunner()
{
    Cancel();
    Wait();
}

void SweepRunner::Start(SweepPlan plan, Estimates estimates, SweepEvents events,
                        std::function<void(const SweepOutcome&)> finished)
{
    Wait();
    cancel_ = false;
    worker_ = std::thread([this, plan = std::move(plan), estimates = std::move(estimates), events = std::move(events),
                           finished = std::move(finished)] { finished(RunSweep(plan, estimates, events, cancel_)); });
}

void SweepRunner::Wait()
{
    if (worker_.joinable())
        worker_.join();
}

}  // namespace sentinel
