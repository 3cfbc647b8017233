// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stepping/step_export.h"

#include "cost/text_file.h"
#include "runtime/user_text.h"
#include "stepping/code_listing.h"

namespace sentinel {
namespace {

std::string CsvField(const Text& text)
{
    std::string field = ToUtf8(text);
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (const char c : field)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

}  // namespace

std::string StepCsv(const StepThrough& run)
{
    std::string csv = std::string(kStepCsvHeader) + "\n";
    for (std::size_t events = 1; events <= run.Events(); ++events) {
        const StepThrough::Frame frame = run.At(events);
        const TraceEvent& test = *frame.last;
        if (test.kind != TraceEvent::Kind::Tested)
            continue;
        const std::size_t j = static_cast<std::size_t>(test.at);
        Text verdict = test.fits ? u"fits" : u"goes on";
        if (!test.fits && run.EndOfEntry(events) == events + 1 && run.FirstFit(events) == 0)
            verdict = u"dropped: " + FromUtf8(DropReasonText(run.WhyDropped(test.entry))).value_or(Text());
        csv += std::to_string(test.entry) + "," + CsvField(run.KeyText(test.entry)) + "," + std::to_string(j) + ","
            + CsvField(run.KeyText(frame.list[j - 1])) + "," + CsvField(run.KeyText(frame.list[j])) + ","
            + CsvField(verdict) + "," + std::to_string(LineAt(run, events) + 1) + "\n";
    }
    return csv;
}

std::string RaceCsv(const StepThrough& left, const StepThrough& right)
{
    std::string csv = "pane," + std::string(kStepCsvHeader) + "\n";
    for (const auto& [pane, run] : {std::pair{"left,", &left}, std::pair{"right,", &right}}) {
        const std::string rows = StepCsv(*run);
        for (std::size_t start = rows.find('\n') + 1; start < rows.size();) {  // past the header
            const std::size_t end = rows.find('\n', start) + 1;
            csv += pane + rows.substr(start, end - start);
            start = end;
        }
    }
    return csv;
}

FramePlan PlanFrames(const StepThrough& run, FramesPer asked)
{
    FramePlan plan;
    if (asked == FramesPer::Test && run.Events() + 1 <= kMostAnimationFrames) {
        for (std::size_t events = 0; events <= run.Events(); ++events)
            plan.events.push_back(events);
        return plan;
    }
    plan.per = FramesPer::Entry;
    plan.events.push_back(0);
    for (std::size_t end = run.EndOfEntry(0); end > plan.events.back(); end = run.EndOfEntry(end))
        plan.events.push_back(end);
    return plan;
}

std::string FramesNote(const StepThrough& run, FramesPer asked, const FramePlan& plan)
{
    if (asked == plan.per)
        return {};
    return Substituted(UserText("Animation", "a frame per test would make %1 frames, more than the %2 an animation "
                                             "may have: made a frame per entry instead (%3 frames)"),
                       {std::to_string(run.Events() + 1), std::to_string(kMostAnimationFrames),
                        std::to_string(plan.events.size())});
}

}  // namespace sentinel
