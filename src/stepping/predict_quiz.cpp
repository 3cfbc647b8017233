// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stepping/predict_quiz.h"

#include <initializer_list>

#include "runtime/conversions.h"

namespace sentinel {
namespace {

constexpr TextView kRight = u"\u2713 Right: ";
constexpr TextView kWrong = u"\u2717 ";

// The gaps of the frame's list whose neighbours enclose its entry.
std::size_t EnclosingGaps(const StepThrough& run, const StepThrough::Frame& frame)
{
    std::size_t gaps = 0;
    for (std::size_t gap = 1; gap < frame.list.size(); ++gap)
        gaps += run.FitsAt(frame, gap) ? 1 : 0;
    return gaps;
}

Text Joined(std::initializer_list<TextView> parts)
{
    Text joined;
    for (const TextView part : parts)
        joined += part;
    return joined;
}

Text Count(std::size_t n)
{
    return WholeNumberText(static_cast<std::int64_t>(n));
}

TextView WhyDropped(const StepThrough& run, const StepThrough::Frame& frame)
{
    return DropReasonText(run.WhyDropped(frame.entry));
}

// Where the entry goes, after what the student said of it.
Text Fate(const StepThrough& run, const StepThrough::Frame& frame, std::size_t firstFit)
{
    const Text key = run.KeyText(frame.entry);
    if (firstFit == PredictQuiz::kDropped)
        return Joined({u"No gap encloses ", key, u": dropped, ", WhyDropped(run, frame), u"."});
    // Scanning down from the high end, the highest gap that encloses the key is the one met first.
    const bool fromHigh = ScanOrderOf(run.Input().routine) == ScanOrder::FromHigh;
    Text fate = Joined({fromHigh ? u"At the highest gap that encloses " : u"At the first gap that encloses ", key, u": ",
                        run.TestAt(frame, firstFit), u"."});
    if (const std::size_t gaps = EnclosingGaps(run, frame); gaps > 1)
        fate += Joined({u" ", Count(gaps), u" gaps enclose ", key, fromHigh ? u": the highest one wins." : u": the first one wins."});
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
        verdict.text = Joined({kRight, u"dropped, ", WhyDropped(run, frame), u"."});
    else if (verdict.right)
        verdict.text = Joined({kRight, Fate(run, frame, firstFit)});
    else if (gap == kDropped)
        verdict.text = Joined({kWrong, u"Not dropped. ", Fate(run, frame, firstFit)});
    else
        verdict.text = Joined({kWrong, u"At the gap you picked: ", run.TestAt(frame, gap), u". ",
                               Fate(run, frame, firstFit)});
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
    return Joined({Count(static_cast<std::size_t>(right_)), u" of ", Count(verdicts_.size())});
}

}  // namespace sentinel
