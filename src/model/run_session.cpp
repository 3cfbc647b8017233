// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/run_session.h"

#include <chrono>
#include <ctime>

#include "cost/cost_law.h"
#include "cost/input_error.h"
#include "cost/inputs.h"
#include "model/plan_text.h"
#include "runtime/project_version.h"
#include "runtime/user_text.h"

namespace sentinel {

std::vector<std::string> PreparedRun::Preview() const
{
    std::vector<std::string> lines = {Substituted(UserText("Run", "this run makes %1 measurements and takes %2"),
                                                  {std::to_string(measurements), Duration(seconds)})};
    lines.insert(lines.end(), warnings.begin(), warnings.end());
    return lines;
}

RunSession::~RunSession()
{
    Stop();
}

void RunSession::Stop()
{
    runner_.Cancel();
    runner_.Wait();
}

Preparation RunSession::Prepare(SweepPlan plan)
{
    try {
        CheckPlan(plan);
        PreparedRun run{std::move(plan), {}, 0, {}, 0};
        run.measurements = static_cast<std::int64_t>(run.plan.routines.size() * run.plan.shapes.size()
                                                      * run.plan.sizes.size()) * run.plan.repeat;
        run.estimates = EstimateEach(run.plan);
        run.seconds = TotalSeconds(run.estimates, run.plan.repeat);
        run.warnings = DropWarnings(run.plan);
        return {std::move(run), {}};
    } catch (const InputError& error) {
        return {std::nullopt, {error.what(), UserText("Run", "nothing was measured")}};
    }
}

std::vector<std::string> RunSession::FileDrops(const SweepPlan& plan)
{
    std::vector<std::string> notes;
    const std::vector<Value> entries =
        FirstEntries(plan.FileEntries(), static_cast<std::int32_t>(plan.FileEntries().size())).entries;
    try {
        for (const Routine routine : plan.routines) {
            const CostLaw law = ForRoutine(routine, [&] { return ApplyCostLaw(routine, entries, 0); });
            if (const auto note = DropNote(routine, law))
                notes.push_back(*note);
        }
    } catch (const InputError& error) {
        notes.push_back(error.what());
    }
    return notes;
}

std::string RunSession::About(const SweepPlan& plan)
{
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm utc{};
    gmtime_r(&now, &utc);
    char started[32];
    std::strftime(started, sizeof started, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return std::string("sentinel-cost ") + kProjectVersion + ", started " + started + ": " + PlanArguments(plan);
}

void RunSession::Start(PreparedRun run, std::string title, SweepEvents events,
                       std::function<void(const SweepOutcome&)> finished)
{
    store_.Begin(std::move(title), About(run.plan), run.plan.sizes);
    runner_.Start(std::move(run.plan), std::move(run.estimates), std::move(events), std::move(finished));
}

Notice RunSession::Finish(const SweepOutcome& outcome)
{
    runner_.Wait();
    const auto& runs = store_.Runs();
    const RunResults* ended = !runs.empty() && !runs.back()->End() ? runs.back().get() : nullptr;
    store_.End(outcome.end);
    if (outcome.end != SweepEnd::Failed)
        return {};
    const std::size_t kept = ended ? ended->Rows().size() : 0;
    return {outcome.error, Substituted(UserText("Run", "the %1 measurements before it are kept"), {std::to_string(kept)})};
}

Notice RunSession::RunHere(const PreparedRun& run, std::string title)
{
    store_.Begin(std::move(title), About(run.plan), run.plan.sizes);
    const SweepOutcome outcome = RunSweep(run.plan, run.estimates, {[this](const Measurement& row) { Keep(row); }, {}}, false);
    return Finish(outcome);
}

}  // namespace sentinel
