// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cost/sweep.h"
#include "model/results_store.h"
#include "runtime/notice.h"

namespace sentinel {

// A plan made ready to run: checked, estimated once (the estimate paces the
// progress too), and previewed.
struct PreparedRun {
    SweepPlan plan;
    Estimates estimates;
    double seconds = 0;  // the estimate of the whole run
    std::vector<std::string> warnings;  // each routine that would drop most of the input
    std::int64_t measurements = 0;

    // A run of over a minute or about a thousand measurements, or one that
    // drops most of its input, is asked about before it starts.
    static constexpr double kAskPastSeconds = 60;
    static constexpr std::int64_t kAskPastMeasurements = 1000;
    bool AsksFirst() const
    {
        return seconds > kAskPastSeconds || measurements > kAskPastMeasurements || !warnings.empty();
    }
    // "this run makes 2400 measurements and takes about 3 min", then the
    // warnings: a line each.
    std::vector<std::string> Preview() const;
};

// The run, or why the plan cannot be run.
struct Preparation {
    std::optional<PreparedRun> run;
    Notice refusal;
};

// How the window and the command line run a plan alike: prepare it, start
// it (on a worker thread, or here), cancel it, and keep its rows in the
// store as they arrive.
class RunSession {
public:
    ~RunSession();

    // Checks the plan, estimates it and previews it. A plan that cannot be
    // measured, or that a routine cannot take, is refused with the reason.
    static Preparation Prepare(SweepPlan plan);
    // For each routine of a plan on a file that leaves keys out for lying
    // beyond or at its sentinels, a line that says how many and why; or
    // why a routine cannot take the file at all.
    static std::vector<std::string> FileDrops(const SweepPlan& plan);
    // Which run a plan's is, as its CSV says: "sentinel-cost 1.0.0, started
    // 2026-12-10T04:50:00Z: --routines ...".
    static std::string About(const SweepPlan& plan);

    // Begins a run in the store under `title`, and measures it on a worker
    // thread, whose events call `events` and then `finished` on that thread.
    // Keep the rows with Keep and end the run with Finish, on the thread
    // that reads the store.
    void Start(PreparedRun run, std::string title, SweepEvents events,
               std::function<void(const SweepOutcome&)> finished);
    void Keep(const Measurement& row) { store_.Add(row); }
    // Waits for the worker and ends the run in the store. A failure comes
    // back as a notice that says how many measurements are kept.
    Notice Finish(const SweepOutcome& outcome);
    void Cancel() noexcept { runner_.Cancel(); }
    // Cancels any run and waits for its worker, whose events then stop.
    void Stop();

    // Measures on this thread and keeps every row; nothing is refused here,
    // since Prepare has checked the plan.
    Notice RunHere(const PreparedRun& run, std::string title);

    ResultsStore& Store() noexcept { return store_; }
    const ResultsStore& Store() const noexcept { return store_; }

private:
    ResultsStore store_;
    SweepRunner runner_;
};

}  // namespace sentinel
