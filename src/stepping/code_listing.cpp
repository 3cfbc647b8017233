// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stepping/code_listing.h"

#include <algorithm>

#include "runtime/conversions.h"
#include "runtime/user_text.h"
#include "sorting/routine_keys.h"

namespace sentinel {
namespace {

Text KeyLine(Routine routine)
{
    switch (Describe(routine).key) {
    case KeyKind::Text: return UserText16("Code", "k \u2190 e, compared by UTF-16 code unit");
    case KeyKind::Field: return UserText16("Code", "k \u2190 the leading number of field f of e");
    case KeyKind::Number: break;
    }
    return IsPaired(routine) ? UserText16("Code", "k \u2190 the leading number of e;  its companion goes along")
                             : UserText16("Code", "k \u2190 the leading number of e");
}

Text SentinelsLine(Routine routine)
{
    const Sentinels& sentinels = SentinelsOf(TakesText(routine) ? KeyKind::Text : KeyKind::Number);
    return u"list \u2190 [" + TextOf(sentinels.low) + u", " + TextOf(sentinels.high) + u"]";
}

// The scan's lines, between the key and the drop.
void AddScan(Routine routine, std::vector<CodeLine>& code)
{
    const bool strict = IsStrict(routine);
    const Text test = strict ? UserText16("Code", "if list[j \u2212 1] < k < list[j]:")
                             : UserText16("Code", "if list[j \u2212 1] \u2264 k \u2264 list[j]:");
    const Text insert = UserText16("Code", "insert e at gap j;  go on to the next entry");
    switch (ScanOrderOf(routine)) {
    case ScanOrder::FromLow:
        code.push_back({1, UserText16("Code", "for j \u2190 1 to m + 1:    \u25B9 from the low end"), CodeStep::ScanOn});
        break;
    case ScanOrder::FromHigh:
        code.push_back({1, UserText16("Code", "for j \u2190 m + 1 down to 1:    \u25B9 from the high end"), CodeStep::ScanOn});
        break;
    case ScanOrder::Halving:
        code.push_back({1, u"lo \u2190 1;  hi \u2190 m + 1", CodeStep::Plain});
        code.push_back({1, UserText16("Code", "while lo \u2264 hi:  j \u2190 \u230A(lo + hi) / 2\u230B"), CodeStep::Plain});
        code.push_back({2, UserText16("Code", "if k > list[j]:  lo \u2190 j + 1"), CodeStep::GoRight});
        code.push_back({2, UserText16("Code", "else if k < list[j \u2212 1] or (k = list[j \u2212 1] and j > 1):"), CodeStep::GoLeft});
        code.push_back({3, UserText16("Code", "hi \u2190 j \u2212 1    \u25B9 a gap before j may fit"), CodeStep::Plain});
        code.push_back({2, UserText16("Code", "else:    \u25B9 the first gap that fits"), CodeStep::Test});
        code.push_back({3, insert, CodeStep::Insert});
        return;
    }
    code.push_back({2, test, CodeStep::Test});
    code.push_back({3, insert, CodeStep::Insert});
}

CodeStep StepOf(const StepThrough& run, const TraceEvent& event)
{
    switch (event.kind) {
    case TraceEvent::Kind::KeyComputed: return CodeStep::Key;
    case TraceEvent::Kind::Placed: return CodeStep::Insert;
    case TraceEvent::Kind::Dropped:
        return run.WhyDropped(event.entry) == DropReason::Repeated ? CodeStep::DropRepeated : CodeStep::DropBeyond;
    case TraceEvent::Kind::Tested: break;
    }
    if (ScanOrderOf(run.Input().routine) != ScanOrder::Halving)
        return event.fits ? CodeStep::Test : CodeStep::ScanOn;
    if (event.keyToHigh > 0)
        return CodeStep::GoRight;
    if (event.keyToLow < 0 || (event.keyToLow == 0 && event.at > 1))
        return CodeStep::GoLeft;
    return CodeStep::Test;
}

Text Number(std::int64_t n)
{
    return WholeNumberText(n);
}

}  // namespace

std::vector<CodeLine> CodeOf(Routine routine)
{
    std::vector<CodeLine> code = {
        {0, UserText16("Code", "\u25B9 gap j: list[j \u2212 1] to list[j];  m: entries placed"), CodeStep::Comment},
        {0, SentinelsLine(routine), CodeStep::Sentinels},
        {0, UserText16("Code", "for each entry e, in input order:"), CodeStep::Plain},
        {1, KeyLine(routine), CodeStep::Key},
    };
    AddScan(routine, code);
    if (IsStrict(routine)) {
        code.push_back({1, UserText16("Code", "drop e: k is already placed"), CodeStep::DropRepeated});
        code.push_back({1, UserText16("Code", "drop e: k is at or beyond a sentinel"), CodeStep::DropBeyond});
    } else {
        code.push_back({1, UserText16("Code", "drop e: k lies beyond a sentinel"), CodeStep::DropBeyond});
    }
    code.push_back({0, UserText16("Code", "take the sentinels out:  result \u2190 list[1 \u2026 m]"), CodeStep::Done});
    return code;
}

std::size_t LineAt(const StepThrough& run, std::size_t events)
{
    const std::vector<CodeLine> code = CodeOf(run.Input().routine);
    CodeStep step = CodeStep::Sentinels;
    if (run.Events() == 0 || events >= run.Events())
        step = CodeStep::Done;
    else if (events > 0)
        step = StepOf(run, *run.At(events).last);
    const auto found = std::find_if(code.begin(), code.end(), [step](const CodeLine& line) { return line.step == step; });
    return static_cast<std::size_t>(found - code.begin());
}

Text ValuesAt(const StepThrough& run, std::size_t events)
{
    const StepThrough::Frame frame = run.At(events);
    Text values;
    if (frame.entry > 0) {
        values = Substituted(UserText16("Code", "entry %1 of %2: %3 \u00B7 k = %4 \u00B7 "),
                             {Number(frame.entry), Number(static_cast<std::int64_t>(run.Input().entries.size())),
                              run.EntryText(frame.entry), run.KeyText(frame.entry)});
    }
    if (frame.last && frame.last->kind == TraceEvent::Kind::Tested) {
        const auto j = static_cast<std::size_t>(frame.last->at);
        values += Substituted(UserText16("Code", "gap %1: list[%2] = %3, list[%1] = %4 \u00B7 "),
                              {Number(frame.last->at), Number(frame.last->at - 1), run.KeyText(frame.list[j - 1]),
                               run.KeyText(frame.list[j])});
    }
    return values + Substituted(UserText16("Code", "m = %1 placed \u00B7 steps %2 \u00B7 moves %3"),
                                {Number(frame.counts.placed), Number(frame.counts.steps), Number(frame.counts.moves)});
}

}  // namespace sentinel
