#include "cost/sweep.h"

#include <algorithm>
#include <chrono>
#include <map>

#include "cost/input_error.h"
#include "cost/preview.h"
#include "runtime/runtime_error.h"

namespace sentinel {
namespace {

struct Step {
    Routine routine;
    Shape shape;
    std::int32_t n;
    int repeat;
};

// Smallest sizes first, so the charts fill from the left and a cancel keeps
// whole series of small sizes.
std::vector<Step> Steps(const SweepPlan& plan)
{
    std::vector<Step> steps;
    for (const std::int32_t n : plan.sizes)
        for (const Shape shape : plan.shapes)
            for (const Routine routine : plan.routines)
                for (int repeat = 1; repeat <= plan.repeat; ++repeat)
                    steps.push_back({routine, shape, n, repeat});
    return steps;
}

// The estimated work of each step, from the estimate of the plan, or n
// squared where there is none (an input a routine cannot take); and the
// progress through it.
class Progress {
public:
    Progress(const SweepPlan& plan, const std::vector<Step>& steps) : start_(std::chrono::steady_clock::now())
    {
        Estimates estimates;
        try {
            estimates = EstimateEach(plan);
        } catch (const RuntimeError&) {
        }
        for (const Step& step : steps) {
            const auto found = estimates.find({step.routine, step.shape, step.n});
            work_.push_back(found != estimates.end() ? found->second : double(step.n) * step.n * 1e-9);
            total_ += work_.back();
        }
    }

    // Before step i: the share of the work done, and the seconds left at the
    // pace measured so far.
    SweepProgress At(std::size_t i, std::string current)
    {
        const double spent = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
        const double pace = done_ > 0 ? spent / done_ : 1;
        SweepProgress progress{static_cast<int>(i), static_cast<int>(work_.size()), std::move(current),
                               total_ > 0 ? done_ / total_ : 1, (total_ - done_) * pace};
        if (i < work_.size())
            done_ += work_[i];
        return progress;
    }

private:
    std::chrono::steady_clock::time_point start_;
    std::vector<double> work_;
    double total_ = 0;
    double done_ = 0;
};

std::string Describe(const Step& step, int repeats)
{
    return std::string(NameOf(step.routine)) + ", " + std::string(NameOf(step.shape)) + ", n = "
        + std::to_string(step.n) + ", run " + std::to_string(step.repeat) + " of " + std::to_string(repeats);
}

}  // namespace

Input PlanInput(const SweepPlan& plan, const Shape& shape, std::int32_t n)
{
    return plan.kind == InputKind::File ? FirstEntries(plan.fileEntries, n)
                                        : MakeInput(plan.kind, shape, n, plan.seed + static_cast<std::uint64_t>(n));
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

SweepOutcome RunSweep(const SweepPlan& plan, const SweepEvents& events, const std::atomic<bool>& cancel)
{
    KeepFreedMemory();
    SweepOutcome outcome;
    const std::vector<Step> steps = Steps(plan);
    std::map<std::pair<Shape, std::int32_t>, Input> inputs;
    Progress progress(plan, steps);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (cancel) {
            outcome.end = SweepEnd::Cancelled;
            return outcome;
        }
        const Step& step = steps[i];
        if (events.progressed)
            events.progressed(progress.At(i, Describe(step, plan.repeat)));
        if (i > 0 && steps[i - 1].n != step.n)
            inputs.clear();  // every shape of the smaller size is done
        auto [at, made] = inputs.try_emplace({step.shape, step.n});
        if (made)
            at->second = PlanInput(plan, step.shape, step.n);
        try {
            if (step.repeat == 1)
                WarmUp(step.routine, at->second, &cancel);
            outcome.rows.push_back(Measure(step.routine, plan.kind, step.shape, at->second, step.repeat, &cancel));
        } catch (const ScanCancelled&) {
            outcome.end = SweepEnd::Cancelled;
            return outcome;
        } catch (const RuntimeError& error) {
            outcome.end = SweepEnd::Failed;
            outcome.error = std::string(NameOf(step.routine)) + " cannot take this input: " + error.Description();
            return outcome;
        }
        if (events.measured)
            events.measured(outcome.rows.back());
    }
    if (events.progressed)
        events.progressed(progress.At(steps.size(), {}));
    return outcome;
}

SweepRunner::~SweepRunner()
{
    Cancel();
    Wait();
}

void SweepRunner::Start(SweepPlan plan, SweepEvents events, std::function<void(const SweepOutcome&)> finished)
{
    Wait();
    cancel_ = false;
    worker_ = std::thread([this, plan = std::move(plan), events = std::move(events),
                           finished = std::move(finished)] { finished(RunSweep(plan, events, cancel_)); });
}

void SweepRunner::Wait()
{
    if (worker_.joinable())
        worker_.join();
}

}  // namespace sentinel
