// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/results_store.h"

#include <algorithm>

#include "cost/statistics.h"

namespace sentinel {

void RunResults::Add(const Measurement& row)
{
    rows_.push_back(row);
    const Series series{row.routine, row.shape};
    Group& group = groups_[series][row.n];
    group.repetitions.seconds.push_back(row.seconds);
    group.repetitions.floorSeconds.push_back(row.floorSeconds);
    group.repetitions.steps = row.counts.steps;
    group.point = sentinel::PointOf(row.n, group.repetitions);
    Summarize(series);
    FitModel(row.routine);
    AddToOrder(row);
}

// The order points are the rows at the largest n with a sortedness: a
// larger n starts them afresh.
void RunResults::AddToOrder(const Measurement& row)
{
    if (!row.law.order.sortedness || row.n < orderSize_)
        return;
    if (row.n > orderSize_) {
        orderSize_ = row.n;
        order_.clear();
        orderSeconds_.clear();
    }
    const Series series{row.routine, row.shape};
    const auto [at, added] = orderSeconds_.try_emplace(series, order_.size(), std::vector<double>());
    if (added)
        order_.push_back({row.routine, row.shape, *row.law.order.sortedness, row.counts.steps, row.counts.moves,
                          row.counts.shifted, 0});
    auto& [point, seconds] = at->second;
    seconds.push_back(row.seconds);
    order_[point].seconds = Median(seconds);
}

void RunResults::Summarize(const Series& series)
{
    std::vector<SizePoint> points;
    for (const auto& [n, group] : groups_.at(series))
        points.push_back(group.point);
    GrowthSummary summary = SummaryOf(series.first, series.second, std::move(points));
    const auto [at, added] = summaryAt_.try_emplace(series, summaries_.size());
    if (added)
        summaries_.push_back(std::move(summary));
    else
        summaries_[at->second] = std::move(summary);
}

void RunResults::FitModel(Routine routine)
{
    CostFit& fit = fits_[routine];
    fit.Add(rows_.back());
    CostModel model = fit.Model(routine);
    const auto [at, added] = modelAt_.try_emplace(routine, models_.size());
    if (added)
        models_.push_back(model);
    else
        models_[at->second] = model;
}

const Repetitions& RunResults::RepetitionsOf(const Measurement& row) const
{
    return groups_.at({row.routine, row.shape}).at(row.n).repetitions;
}

const SizePoint& RunResults::PointOf(const Measurement& row) const
{
    return groups_.at({row.routine, row.shape}).at(row.n).point;
}

bool RunResults::IsOutlier(const Measurement& row) const
{
    const std::vector<double>& outliers = PointOf(row).outliers;  // found once, as the row arrived
    return std::find(outliers.begin(), outliers.end(), row.seconds) != outliers.end();
}

void ResultsStore::Begin(std::string title, std::string about, std::vector<std::int32_t> planned)
{
    End(SweepEnd::Cancelled);
    pending_ = std::make_unique<RunResults>(std::move(title), std::move(about), std::move(planned));
}

void ResultsStore::Add(const Measurement& row)
{
    if (pending_) {
        runs_.push_back(std::move(pending_));
        if (runs_.size() > kMostRuns)
            runs_.erase(runs_.begin());
        underWay_ = shown_ = runs_.size() - 1;
        overlaid_.reset();
    }
    if (underWay_)
        runs_[*underWay_]->Add(row);
}

void ResultsStore::End(SweepEnd end)
{
    pending_.reset();  // measured nothing: the run shown stays
    if (underWay_)
        runs_[*underWay_]->End(end);
    underWay_.reset();
}

void ResultsStore::Show(std::size_t run)
{
    if (run >= runs_.size())
        return;
    shown_ = run;
    if (overlaid_ == shown_)
        overlaid_.reset();
}

void ResultsStore::Overlay(std::optional<std::size_t> run)
{
    if (run && *run >= runs_.size())
        return;
    overlaid_ = run == shown_ ? std::nullopt : run;
}

}  // namespace sentinel
