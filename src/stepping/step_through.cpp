// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stepping/step_through.h"

#include "cost/input_error.h"
#include "cost/inputs.h"
#include "runtime/conversions.h"
#include "runtime/user_text.h"
#include "sorting/first_fit.h"
#include "sorting/stable_floor.h"
#include "cost/text_file.h"
#include "sorting/sort_family.h"

namespace sentinel {
namespace {

std::vector<Text> TextsOf(const CollectionRef& collection)
{
    std::vector<Text> texts;
    for (std::int32_t i = 1; i <= ContentsOf(collection).Count(); ++i)
        texts.push_back(TextOf(collection->Item(i)));
    return texts;
}

TextView Relation(int order)
{
    return order < 0 ? u" < " : order > 0 ? u" > " : u" = ";
}

// A test written out: "20 < 30 < 120 → fits".
Text WrittenTest(const Text& low, const Text& key, const Text& high, int keyToLow, int keyToHigh, bool fits)
{
    return low + Text(Relation(-keyToLow)) + key + Text(Relation(keyToHigh)) + high
        + u" \u2192 " + (fits ? UserText16("Steps", "fits") : UserText16("Steps", "goes on"));
}

}  // namespace

std::vector<Text> TypedEntries(const std::string& utf8)
{
    const std::vector<Text> entries = SplitEntries(utf8, UserText("Steps", "the typed list"));
    if (entries.size() > kMostStepEntries)
        throw InputError(Substituted(UserText("Steps", "the list has %1 entries; at most %2 can be stepped through"),
                                     {std::to_string(entries.size()), std::to_string(kMostStepEntries)}));
    return entries;
}

StepInput StartUpStepInput(Routine routine, std::int16_t fieldIndex)
{
    Input startUp = StartUpInput();
    StepInput input{routine, fieldIndex, std::move(startUp.entries), std::move(startUp.companion)};
    if (IsPaired(routine))
        std::swap(input.entries, input.companion);  // the numbers are the keys
    return input;
}

StepInput StepInputOf(Routine routine, std::int16_t fieldIndex, std::vector<Text> entries)
{
    StepInput input{routine, fieldIndex, {}, {}};
    for (Text& entry : entries) {
        input.companion.emplace_back(
            Substituted(UserText16("Steps", "line %1"), {WholeNumberText(static_cast<std::int64_t>(input.entries.size()) + 1)}));
        input.entries.emplace_back(std::move(entry));
    }
    return input;
}

StepThrough::StepThrough(StepInput input) : input_(std::move(input))
{
    CollectionRef items = std::make_shared<Collection>(input_.entries);
    CollectionRef companion = std::make_shared<Collection>(input_.companion);
    CollectionRef stableItems = items;
    CollectionRef stableCompanion = companion;
    trace_ = SortTraced(input_.routine, items, companion, input_.fieldIndex);
    predicted_ = ApplyCostLaw(input_.routine, input_.entries, input_.fieldIndex).predicted;
    FloorSort(input_.routine, stableItems, stableCompanion, input_.fieldIndex);
    result_ = TextsOf(items);
    stableResult_ = TextsOf(stableItems);
}

StepThrough::Frame StepThrough::At(std::size_t events) const
{
    Frame frame;
    frame.list = {0, -1};
    frame.entrySteps.assign(input_.entries.size(), 0);
    frame.entryDropped.assign(input_.entries.size(), false);
    for (std::size_t k = 0; k < std::min(events, Events()); ++k) {
        const TraceEvent& event = trace_.events[k];
        frame.last = &event;
        frame.entry = event.entry;
        switch (event.kind) {
        case TraceEvent::Kind::KeyComputed:
            ++frame.counts.keys;
            frame.test.clear();
            break;
        case TraceEvent::Kind::Tested: {
            ++frame.counts.steps;
            ++frame.entrySteps[static_cast<std::size_t>(event.entry - 1)];
            const std::size_t j = static_cast<std::size_t>(event.at);
            frame.test = WrittenTest(KeyText(frame.list[j - 1]), KeyText(event.entry), KeyText(frame.list[j]),
                                     event.keyToLow, event.keyToHigh, event.fits);
            break;
        }
        case TraceEvent::Kind::Placed: {
            const auto after = static_cast<std::size_t>(event.at);
            ++frame.counts.placed;
            frame.counts.moves += static_cast<std::int64_t>(EntriesMoved(after, frame.list.size()));
            frame.counts.shifted += event.shifted;
            frame.list.insert(frame.list.begin() + event.at, event.entry);
            break;
        }
        case TraceEvent::Kind::Dropped:
            ++frame.counts.dropped;
            frame.entryDropped[static_cast<std::size_t>(event.entry - 1)] = true;
            frame.dropped.push_back({event.entry, UserText16("Drops", DropReasonText(WhyDropped(event.entry)))});
            break;
        }
    }
    if (frame.counts.keys > 0)
        frame.counts.keys += 2;  // the sentinels' keys come first
    return frame;
}

std::size_t StepThrough::EndOfEntry(std::size_t events) const
{
    for (std::size_t k = events; k < Events(); ++k) {
        const auto kind = trace_.events[k].kind;
        if (kind == TraceEvent::Kind::Placed || kind == TraceEvent::Kind::Dropped)
            return k + 1;
    }
    return Events();
}

int StepThrough::CompareKeys(std::int32_t entry, std::int32_t other) const
{
    const auto rank = [this](std::int32_t e) {
        return trace_.ranks[e < 0 ? trace_.ranks.size() - 1 : static_cast<std::size_t>(e)];
    };
    return rank(entry) < rank(other) ? -1 : rank(entry) > rank(other) ? 1 : 0;
}

bool StepThrough::FitsAt(const Frame& frame, std::size_t gap) const
{
    const int keyToLow = CompareKeys(frame.entry, frame.list[gap - 1]);
    const int keyToHigh = CompareKeys(frame.entry, frame.list[gap]);
    return IsStrict(input_.routine) ? FitsBetween<Placement::Strict>(keyToLow, keyToHigh)
                                    : FitsBetween<Placement::Inclusive>(keyToLow, keyToHigh);
}

Text StepThrough::TestAt(const Frame& frame, std::size_t gap) const
{
    const std::int32_t low = frame.list[gap - 1];
    const std::int32_t high = frame.list[gap];
    return WrittenTest(KeyText(low), KeyText(frame.entry), KeyText(high), CompareKeys(frame.entry, low),
                       CompareKeys(frame.entry, high), FitsAt(frame, gap));
}

DropReason StepThrough::WhyDropped(std::int32_t entry) const
{
    const int toLow = CompareKeys(entry, 0);
    const int toHigh = CompareKeys(entry, -1);
    if (toLow < 0)
        return DropReason::BelowLow;
    if (toHigh > 0)
        return DropReason::AboveHigh;
    if (toLow == 0 || toHigh == 0)
        return DropReason::AtSentinel;
    return DropReason::Repeated;
}

const char* DropReasonText(DropReason reason)
{
    switch (reason) {
    case DropReason::BelowLow: return Translatable("Drops", "below the low sentinel");
    case DropReason::AboveHigh: return Translatable("Drops", "above the high sentinel");
    case DropReason::AtSentinel: return Translatable("Drops", "equal to a sentinel");
    case DropReason::Repeated: return Translatable("Drops", "key already placed");
    }
    return "";
}

std::size_t StepThrough::FirstFit(std::size_t events) const
{
    const TraceEvent& end = trace_.events[EndOfEntry(events) - 1];
    return end.kind == TraceEvent::Kind::Placed ? static_cast<std::size_t>(end.at) : 0;
}

Text StepThrough::EntryText(std::int32_t entry) const
{
    if (entry <= 0)
        return entry == 0 ? UserText16("Steps", "low sentinel") : UserText16("Steps", "high sentinel");
    return TextOf(input_.entries[static_cast<std::size_t>(entry - 1)]);
}

Text StepThrough::KeyText(std::int32_t entry) const
{
    if (entry <= 0)
        return entry == 0 ? trace_.lowKey : trace_.highKey;
    return trace_.keys[static_cast<std::size_t>(entry - 1)];
}

}  // namespace sentinel
