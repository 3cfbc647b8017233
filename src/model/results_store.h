// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cost/cost_model.h"
#include "cost/growth.h"
#include "cost/sweep.h"

namespace sentinel {

// One run of a plan: its rows as they arrive and what they add up to. Each
// aggregate is computed when a row of its group arrives, once; every reader
// (the table, the charts, the budget, the CSV, the text report) reads it.
class RunResults {
public:
    explicit RunResults(std::string title = {}, std::string about = {}, std::vector<std::int32_t> planned = {})
        : title_(std::move(title)), about_(std::move(about)), planned_(std::move(planned))
    {
    }

    void Add(const Measurement& row);
    void End(SweepEnd end) noexcept { end_ = end; }

    const std::string& Title() const noexcept { return title_; }
    // Which run this is: the program, when it started, and its plan.
    const std::string& About() const noexcept { return about_; }
    // The sizes the run's plan measures, those still to come included.
    const std::vector<std::int32_t>& PlannedSizes() const noexcept { return planned_; }
    // Nothing while the run is under way.
    std::optional<SweepEnd> End() const noexcept { return end_; }
    const std::vector<Measurement>& Rows() const noexcept { return rows_; }

    // The repetitions the row belongs to (its routine, shape and n), and
    // their medians and spread.
    const Repetitions& RepetitionsOf(const Measurement& row) const;
    const SizePoint& PointOf(const Measurement& row) const;
    // Whether the row's time lies far from its repetitions' (IsOutlier).
    bool IsOutlier(const Measurement& row) const;

    // One per routine and shape, in the order they first arrived.
    const std::vector<GrowthSummary>& Summaries() const noexcept { return summaries_; }
    // One per routine, in the order they first arrived.
    const std::vector<CostModel>& Models() const noexcept { return models_; }
    // The rows at the largest n whose inputs have a sortedness, one point per
    // routine and shape; that n, or 0 when there is none.
    const std::vector<OrderPoint>& Order() const noexcept { return order_; }
    std::int32_t OrderSize() const noexcept { return orderSize_; }

private:
    using Series = std::pair<Routine, Shape>;
    struct Group {
        Repetitions repetitions;
        SizePoint point;
    };

    void Summarize(const Series& series);
    void FitModel(Routine routine);
    void AddToOrder(const Measurement& row);

    std::string title_;
    std::string about_;
    std::vector<std::int32_t> planned_;
    std::optional<SweepEnd> end_;
    std::vector<Measurement> rows_;
    std::map<Series, std::map<std::int32_t, Group>> groups_;
    std::map<Series, std::size_t> summaryAt_;
    std::vector<GrowthSummary> summaries_;
    std::map<Routine, CostFit> fits_;
    std::map<Routine, std::size_t> modelAt_;
    std::vector<CostModel> models_;
    std::vector<OrderPoint> order_;
    std::map<Series, std::pair<std::size_t, std::vector<double>>> orderSeconds_;  // each point's, by its series
    std::int32_t orderSize_ = 0;
};

// The runs of a session, the newest last. A run begun does not replace the
// one shown until its first row arrives; a run that ends with none is
// dropped, and the one shown stays. One run is shown, and another may be
// laid over it.
class ResultsStore {
public:
    // Past this many runs the oldest goes.
    static constexpr std::size_t kMostRuns = 20;

    // Ends any run under way as cancelled.
    void Begin(std::string title, std::string about = {}, std::vector<std::int32_t> planned = {});
    // To the run under way; its first row keeps it and shows it.
    void Add(const Measurement& row);
    void End(SweepEnd end);

    const std::vector<std::unique_ptr<RunResults>>& Runs() const noexcept { return runs_; }
    // Begun, and not yet ended.
    bool UnderWay() const noexcept { return pending_ || underWay_; }
    // The run shown, and the one laid over it; either may be none.
    const RunResults* Shown() const noexcept { return Run(shown_); }
    const RunResults* Overlaid() const noexcept { return Run(overlaid_); }
    std::optional<std::size_t> ShownIndex() const noexcept { return shown_; }
    std::optional<std::size_t> OverlaidIndex() const noexcept { return overlaid_; }
    // Out of range leaves the choice as it was; an overlay equal to the run
    // shown, or none, lays nothing over it.
    void Show(std::size_t run);
    void Overlay(std::optional<std::size_t> run);

private:
    const RunResults* Run(std::optional<std::size_t> index) const noexcept
    {
        return index && *index < runs_.size() ? runs_[*index].get() : nullptr;
    }
    std::vector<std::unique_ptr<RunResults>> runs_;
    std::unique_ptr<RunResults> pending_;  // begun, with no row yet
    std::optional<std::size_t> underWay_;  // kept, and not yet ended
    std::optional<std::size_t> shown_;
    std::optional<std::size_t> overlaid_;
};

}  // namespace sentinel
