// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <vector>

namespace sentinel {

// How far a run has come and how long the rest will take. Each job (one
// measurement) has its estimated seconds; as jobs finish, their real
// seconds correct the estimate of the rest as seconds = a · estimate + b, a
// scale and a per-job overhead fitted to the jobs done (the scale stays 1
// until jobs of different sizes tell it apart from the overhead). The time
// left shown grows, over the whole run, by at most the estimate's
// uncertainty, and the share done is the share of the time so far.
class RunProgress {
public:
    // How far the estimate before a run may lie from its time: a factor of
    // two either way, as a probe of a few milliseconds can tell.
    static constexpr double kUncertainty = 1.0;

    struct Figures {
        double fraction;  // 0 to 1
        double secondsLeft;
    };

    explicit RunProgress(std::vector<double> estimated);

    // Job `i` starts `elapsed` seconds into the run, every job before it done.
    Figures At(std::size_t i, double elapsed);

private:
    void Finished(double estimated, double seconds);
    double Left(std::size_t from) const;

    std::vector<double> estimated_;
    std::vector<double> estimatedAfter_;  // the jobs' estimates from each on, summed
    // The jobs done: how many, and their sums for the fit.
    double count_ = 0, sumEstimated_ = 0, sumSeconds_ = 0, sumSquares_ = 0, sumProducts_ = 0;
    double smallest_ = 0, largest_ = 0;
    std::size_t next_ = 0;
    double lastElapsed_ = 0;
    double shownLeft_ = 0;
    double allowance_ = 0;  // what the time left may still grow by
};

}  // namespace sentinel
