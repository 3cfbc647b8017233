#include "cost/sweep.h"

#include <algorithm>
#include <chrono>
#include <map>

#include "cost/input_error.h"
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

// Predicts the seconds of the steps to come: a series already measured
// grows as n squared from its last size; one not yet started takes the mean
// seconds per n squared of all the steps so far.
class TimeLeft {
public:
    void Add(const Step& step, double seconds)
    {
        const double perSquare = seconds / (double(step.n) * step.n);
        last_[{step.routine, step.shape}] = perSquare;
        sumPerSquare_ += perSquare;
        ++count_;
    }

    double Estimate(const std::vector<Step>& steps, std::size_t from) const
    {
        if (count_ == 0)
            return 0;
        double seconds = 0;
        for (std::size_t i = from; i < steps.size(); ++i) {
            const auto found = last_.find({steps[i].routine, steps[i].shape});
            const double perSquare = found != last_.end() ? found->second : sumPerSquare_ / count_;
            seconds += perSquare * double(steps[i].n) * steps[i].n;
        }
        return seconds;
    }

private:
    std::map<std::pair<Routine, Shape>, double> last_;
    double sumPerSquare_ = 0;
    int count_ = 0;
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

bool SweepPlan::IsOrderSweep() const
{
    return !shapes.empty()
        && std::all_of(shapes.begin(), shapes.end(), [](const Shape& shape) { return shape.kind == ShapeKind::Sorted; });
}

Routine DefaultRoutine(InputKind kind)
{
    switch (kind) {
    case InputKind::Words: return Routine::Strings;
    case InputKind::Vectors: return Routine::ByField;
    case InputKind::Pairs: return Routine::Pairs;
    case InputKind::File: return Routine::Strings;
    case InputKind::Numbers: break;
    }
    return Routine::Numbers;
}

void CheckPlan(const SweepPlan& plan)
{
    if (plan.routines.empty())
        throw InputError("choose at least one routine");
    if (plan.shapes.empty())
        throw InputError("choose at least one shape");
    if (plan.sizes.empty())
        throw InputError("choose at least one size");
    if (plan.repeat < 1 || plan.repeat > kMostRepeats)
        throw InputError("repetitions must be 1 to " + std::to_string(kMostRepeats));
    const bool file = plan.kind == InputKind::File;
    for (const Shape shape : plan.shapes) {
        if (file != (shape == Shape::AsGiven))
            throw InputError(file ? "a file is measured as given: its shape is \"given\""
                                  : "the shape \"given\" is for a file (--input)");
    }
    for (const std::int32_t n : plan.sizes) {
        if (n < 1 || n > kLargestSize)
            throw InputError("size " + std::to_string(n) + " is outside 1 to " + std::to_string(kLargestSize));
        if (file && static_cast<std::size_t>(n) > plan.fileEntries.size())
            throw InputError("size " + std::to_string(n) + " is more than the file's "
                             + std::to_string(plan.fileEntries.size()) + " entries");
    }
}

SweepOutcome RunSweep(const SweepPlan& plan, const SweepEvents& events, const std::atomic<bool>& cancel)
{
    KeepFreedMemory();
    SweepOutcome outcome;
    const std::vector<Step> steps = Steps(plan);
    std::map<std::pair<Shape, std::int32_t>, Input> inputs;
    TimeLeft timeLeft;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (cancel) {
            outcome.end = SweepEnd::Cancelled;
            return outcome;
        }
        const Step& step = steps[i];
        if (events.progressed)
            events.progressed({static_cast<int>(i), static_cast<int>(steps.size()), Describe(step, plan.repeat),
                               timeLeft.Estimate(steps, i)});
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
        const Measurement& row = outcome.rows.back();
        timeLeft.Add(step, row.seconds + row.floorSeconds);
        if (events.measured)
            events.measured(row);
    }
    if (events.progressed)
        events.progressed({static_cast<int>(steps.size()), static_cast<int>(steps.size()), {}, 0});
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
