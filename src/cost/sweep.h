// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "cost/measurement.h"
#include "cost/plan.h"
#include "cost/preview.h"

namespace sentinel {

// One measurement of a sweep: a routine on a shape at a size, its repeat-th time.
struct Job {
    Routine routine;
    Shape shape;
    std::int32_t n;
    int repeat;
};

struct SweepProgress {
    int done;  // measurements finished
    int total;
    std::optional<Job> current;  // the measurement under way; none at the end
    int repeats;  // of each routine, shape and size
    // The share of the run's time gone by, and the seconds the rest will
    // take: the estimate (see preview.h) corrected by the measurements so
    // far (see run_progress.h).
    double fraction;
    double secondsLeft;
};

struct SweepEvents {
    std::function<void(const Measurement&)> measured;
    std::function<void(const SweepProgress&)> progressed;  // before each measurement
};

enum class SweepEnd { Completed, Cancelled, Failed };

struct SweepOutcome {
    SweepEnd end = SweepEnd::Completed;
    std::string error;  // why it failed
    std::vector<Measurement> rows;
};

// Runs the plan on this thread, each routine, shape and size after one
// untimed warm-up run (see WarmUp), with freed memory kept (see
// KeepFreedMemory). `cancel` is read between measurements and
// once an entry within the routine's run, so a cancel stops the measurement
// under way too.
// `estimates`, the plan's own (EstimateEach), pace the progress.
SweepOutcome RunSweep(const SweepPlan& plan, const Estimates& estimates, const SweepEvents& events,
                      const std::atomic<bool>& cancel);

// RunSweep on a worker thread of its own. The events and `finished` are
// called on that thread. Destroying the runner cancels and waits.
class SweepRunner {
public:
    ~SweepRunner();

    void Start(SweepPlan plan, Estimates estimates, SweepEvents events,
               std::function<void(const SweepOutcome&)> finished);
    void Cancel() noexcept { cancel_ = true; }
    void Wait();

private:
    std::thread worker_;
    std::atomic<bool> cancel_{false};
};

}  // namespace sentinel
