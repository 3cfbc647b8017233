// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "cost/run_progress.h"

namespace sentinel {
namespace {

// Many small jobs, then fewer large ones: the small ones' overhead must not
// be taken for the pace of the large ones, nor the reverse.
std::vector<double> SmallThenLarge()
{
    std::vector<double> estimated(600, 0.001);
    estimated.insert(estimated.end(), 60, 0.1);
    return estimated;
}

// Jobs that take one and a half times their estimate and 1 ms more (within
// the estimate's uncertainty): once jobs of two sizes are done, the time
// left is theirs exactly, and the share done is the share of the time.
TEST(RunProgress, LearnsTheScaleAndTheOverheadOfTheJobsDone)
{
    const std::vector<double> estimated = SmallThenLarge();
    RunProgress progress(estimated);
    const RunProgress::Figures before = progress.At(0, 0);
    EXPECT_NEAR(before.secondsLeft, 600 * 0.001 + 60 * 0.1, 1e-9) << "the estimate, before anything is measured";
    EXPECT_EQ(before.fraction, 0);
    double elapsed = 0;
    RunProgress::Figures figures{};
    for (std::size_t i = 0; i < estimated.size(); ++i) {
        figures = progress.At(i, elapsed);
        if (i == 610) {
            const double truth = 50 * (1.5 * 0.1 + 0.001);
            EXPECT_NEAR(figures.secondsLeft, truth, 1e-6) << "two sizes tell the scale from the overhead";
            EXPECT_NEAR(figures.fraction, elapsed / (elapsed + truth), 1e-9);
        }
        elapsed += 1.5 * estimated[i] + 0.001;
    }
    figures = progress.At(estimated.size(), elapsed);
    EXPECT_EQ(figures.secondsLeft, 0);
    EXPECT_EQ(figures.fraction, 1);
}

// However wrong the estimate, the time left shown grows by at most the
// estimate's uncertainty over the whole run; it may fall at once.
TEST(RunProgress, TheTimeLeftGrowsByNoMoreThanTheUncertainty)
{
    const std::vector<double> estimated = SmallThenLarge();
    const double total = 600 * 0.001 + 60 * 0.1;
    for (const double slower : {0.2, 1.0, 10.0}) {
        RunProgress progress(estimated);
        double elapsed = 0, grown = 0, last = progress.At(0, 0).secondsLeft;
        for (std::size_t i = 1; i <= estimated.size(); ++i) {
            const double step = slower * estimated[i - 1] + 0.01;  // a large overhead on every job
            elapsed += step;
            const double left = progress.At(i, elapsed).secondsLeft;
            grown += std::max(0.0, left - std::max(0.0, last - step));
            last = left;
        }
        EXPECT_LE(grown, RunProgress::kUncertainty * total + 1e-9) << "jobs " << slower << " times their estimate";
    }
}

}  // namespace
}  // namespace sentinel
