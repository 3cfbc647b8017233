// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stepping/predict_quiz.h"

#include <initializer_list>

#include "runtime/conversions.h"
#include "runtime/user_text.h"

namespace sentinel {
namespace {

// The gaps of the frame's list whose neighbours enclose its entry.
std::size_t EnclosingGaps(const StepThrough& run, const StepThrough::Frame& frame)
{
    std::size_t gaps = 0;
    for (std::size_t gap = 1; gap < frame.list.size(); ++gap)
        gaps += run.FitsAt(frame, gap) ? 1 : 0;
    return gaps;
}


Text Count(std::size_t n)
{
    return WholeNumberText(static_cast<std::int64_t>(n));
}

Text WhyDropped(const StepThrough& run, const StepThrough::Frame& frame)
{
    return UserText16("Drops", DropReasonText(run.WhyDropped(frame.entry)));
}

// Where the entry goes, after what the student said of it.
Text Fate(const StepThrough& run, const StepThrough::Frame& frame, std::size_t firstFit)
{
    const Text key = run.KeyText(frame.entry);
    if (firstFit == PredictQuiz::kDropped)
        return Substituted(UserText16("Predict", "No gap encloses %1: dropped, %2."), {key, WhyDropped(run, frame)});
    // Scanning down from the high end, the highest gap that encloses the key is the one met first.
    const bool fromHigh = ScanOrderOf(run.Input().routine) == ScanOrder::FromHigh;
    const Text test = run.TestAt(frame, firstFit);
    Text fate = fromHigh ? Substituted(UserText16("Predict", "At the highest gap that encloses %1: %2."), {key, test})
                         : Substituted(UserText16("Predict", "At the first gap that encloses %1: %2."), {key, test});
    if (const std::size_t gaps = EnclosingGaps(run, frame); gaps > 1)
        fate += fromHigh ? Substituted(UserText16("Predict", " %1 gaps enclose %2: the highest one wins."), {Count(gaps), key})
                         : Substituted(UserText16("Predict", " %1 gaps enclose %2: the first one wins."), {Count(gaps), key});
    return fate;
}

}  // namespace

bool PredictQuiz::Asks(const StepThrough& run, std::size_t events) const
{
    const StepThrough::Frame frame = run.At(events);
    return frame.last && frame.last->kind == TraceEvent::Kind::KeyComputed && !verdicts_.contains(frame.entry);
}

const PredictQuiz::Verdict& PredictQuiz::Answer(const StepThrough& run, std::size_t events, std::size_t gap)
{
    const StepThrough::Frame frame = run.At(events);
    const std::size_t firstFit = run.FirstFit(events);
    Verdict verdict;
    verdict.right = gap == firstFit;
    if (verdict.right && gap == kDropped)
        verdict.text = Substituted(UserText16("Predict", "\u2713 Right: dropped, %1."), {WhyDropped(run, frame)});
    else if (verdict.right)
        verdict.text = Substituted(UserText16("Predict", "\u2713 Right: %1"), {Fate(run, frame, firstFit)});
    else if (gap == kDropped)
        verdict.text = Substituted(UserText16("Predict", "\u2717 Not dropped. %1"), {Fate(run, frame, firstFit)});
    else
        verdict.text = Substituted(UserText16("Predict", "\u2717 At the gap you picked: %1. %2"),
                                   {run.TestAt(frame, gap), Fate(run, frame, firstFit)});
    right_ += verdict.right ? 1 : 0;
    return verdicts_[frame.entry] = std::move(verdict);
}

const PredictQuiz::Verdict* PredictQuiz::VerdictOf(std::int32_t entry) const
{
    const auto found = verdicts_.find(entry);
    return found == verdicts_.end() ? nullptr : &found->second;
}

Text PredictQuiz::Score() const
{
    return Substituted(UserText16("Predict", "%1 of %2"), {Count(static_cast<std::size_t>(right_)), Count(verdicts_.size())});
}

}  // namespace sentinel
