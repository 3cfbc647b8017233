// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cost/run_progress.h"

#include <algorithm>

namespace sentinel {

RunProgress::RunProgress(std::vector<double> estimated)
    : estimated_(std::move(estimated)), estimatedAfter_(estimated_.size() + 1, 0)
{
    for (std::size_t i = estimated_.size(); i-- > 0;)
        estimatedAfter_[i] = estimatedAfter_[i + 1] + estimated_[i];
    shownLeft_ = estimatedAfter_.front();
    allowance_ = kUncertainty * shownLeft_;
}

void RunProgress::Finished(double estimated, double seconds)
{
    smallest_ = count_ == 0 ? estimated : std::min(smallest_, estimated);
    largest_ = std::max(largest_, estimated);
    count_ += 1;
    sumEstimated_ += estimated;
    sumSeconds_ += seconds;
    sumSquares_ += estimated * estimated;
    sumProducts_ += estimated * seconds;
}

// The seconds of the jobs from `from` on, by the fit to the jobs done.
double RunProgress::Left(std::size_t from) const
{
    const double jobs = static_cast<double>(estimated_.size() - from);
    const double rest = estimatedAfter_[from];
    if (count_ == 0)
        return rest;
    double scale = 1;
    double overhead = std::max(0.0, (sumSeconds_ - sumEstimated_) / count_);
    const double spread = sumSquares_ - sumEstimated_ * sumEstimated_ / count_;
    if (largest_ >= 1.5 * smallest_ && spread > 0) {  // sizes apart enough to tell scale from overhead
        scale = (sumProducts_ - sumEstimated_ * sumSeconds_ / count_) / spread;
        overhead = (sumSeconds_ - scale * sumEstimated_) / count_;
        if (scale < 0 || overhead < 0) {  // one of them alone explains the jobs
            scale = overhead < 0 ? sumSeconds_ / sumEstimated_ : 0;
            overhead = overhead < 0 ? 0 : sumSeconds_ / count_;
        }
    }
    return scale * rest + overhead * jobs;
}

RunProgress::Figures RunProgress::At(std::size_t i, double elapsed)
{
    i = std::min(i, estimated_.size());
    // The jobs done since the last call share its time by their estimates.
    const double batch = next_ < i ? estimatedAfter_[next_] - estimatedAfter_[i] : 0;
    for (const std::size_t first = next_; next_ < i; ++next_) {
        const double share = batch > 0 ? estimated_[next_] / batch : 1.0 / static_cast<double>(i - first);
        Finished(estimated_[next_], share * (elapsed - lastElapsed_));
    }
    const double fitted = Left(i);
    const double decayed = std::max(0.0, shownLeft_ - (elapsed - lastElapsed_));
    const double growth = std::min(std::max(0.0, fitted - decayed), allowance_);
    allowance_ -= growth;
    shownLeft_ = std::min(fitted, decayed + growth);
    lastElapsed_ = elapsed;
    const double total = elapsed + shownLeft_;
    return {total > 0 ? elapsed / total : (i == estimated_.size() ? 1 : 0), shownLeft_};
}

}  // namespace sentinel
