// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cost/preview.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <map>

#include "cost/cost_law.h"
#include "cost/measurement.h"
#include "runtime/user_text.h"
#include "sorting/sort_family.h"
#include "sorting/stable_floor.h"

namespace sentinel {
namespace {

constexpr std::int32_t kProbeSize = 1000;
constexpr std::int32_t kLawSample = 8192;

// Seconds a routine takes here per step of its scan, and its floor per
// n log2 n, on a sample of the plan's own input.
struct Speed {
    double perStep;
    double floorPerEntryLog;
};

template <class Sort>
double BestSeconds(const Input& input, Sort sort)
{
    double best = INFINITY;
    for (int run = 0; run < 3; ++run) {
        CollectionRef items = std::make_shared<Collection>(input.entries);
        CollectionRef companion = std::make_shared<Collection>(input.companion);
        const auto start = std::chrono::steady_clock::now();
        sort(items, companion);
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

double EntryLog(double n)
{
    return n * std::log2(std::max(n, 2.0));
}

Speed Probe(Routine routine, const SweepPlan& plan)
{
    const std::int32_t n = std::min(kProbeSize, plan.sizes.back());
    const Input sample = PlanInput(plan, plan.shapes.front(), n);
    ScanCounts counts;
    const double sort = BestSeconds(sample, [&](CollectionRef& i, CollectionRef& c) {
        counts = SortCounted(routine, i, c, 0);
    });
    const double floor = BestSeconds(sample, [&](CollectionRef& i, CollectionRef& c) { FloorSort(routine, i, c, 0); });
    return {sort / double(std::max<std::int64_t>(counts.steps, 1)), floor / EntryLog(n)};
}

// The steps of the inputs the plan measures in one shape, by size; beyond
// kLawSample entries scaled from the input of that many.
std::map<std::int32_t, double> Steps(Routine routine, const SweepPlan& plan, const Shape& shape)
{
    std::map<std::int32_t, double> sampled;
    std::map<std::int32_t, double> steps;
    for (const std::int32_t n : plan.sizes) {
        const std::int32_t m = std::min(n, kLawSample);
        if (!sampled.contains(m))
            sampled[m] = double(ApplyCostLaw(routine, PlanInput(plan, shape, m).entries, 0).predicted.steps);
        steps[n] = n + (sampled[m] - m) * (double(n) * (n - 1)) / std::max(1.0, double(m) * (m - 1));
    }
    return steps;
}

}  // namespace

Estimates EstimateEach(const SweepPlan& plan)
{
    Estimates estimates;
    for (const Routine routine : plan.routines) {
        ForRoutine(routine, [&] {
            const Speed speed = Probe(routine, plan);
            for (const Shape& shape : plan.shapes)
                for (const auto& [n, steps] : Steps(routine, plan, shape))
                    estimates[{routine, shape, n}] = steps * speed.perStep + EntryLog(n) * speed.floorPerEntryLog;
        });
    }
    return estimates;
}

double TotalSeconds(const Estimates& estimates, int repeat)
{
    double seconds = 0;
    for (const auto& [measurement, each] : estimates)
        seconds += repeat * each;
    return seconds;
}

double EstimateSeconds(const SweepPlan& plan)
{
    return TotalSeconds(EstimateEach(plan), plan.repeat);
}

std::vector<std::string> DropWarnings(const SweepPlan& plan)
{
    // A file's largest size is read whole; made keys, whose shape only orders
    // them, by a sample.
    std::int32_t n = *std::max_element(plan.sizes.begin(), plan.sizes.end());
    if (plan.kind != InputKind::File)
        n = std::min(n, kLawSample);
    const Input input = PlanInput(plan, plan.shapes.front(), n);
    std::vector<std::string> warnings;
    for (const Routine routine : plan.routines)
        if (const auto line = DropWarning(routine, ForRoutine(routine, [&] { return ApplyCostLaw(routine, input.entries, 0); })))
            warnings.push_back(*line);
    return warnings;
}

std::string Duration(double seconds)
{
    if (seconds < 1)
        return UserText("Duration", "under a second");
    if (seconds < 120)
        return Substituted(UserText("Duration", "about %1 s"), {std::to_string(static_cast<int>(std::ceil(seconds)))});
    return Substituted(UserText("Duration", "about %1 min"), {std::to_string(static_cast<int>(std::ceil(seconds / 60)))});
}

}  // namespace sentinel
