// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cost/cost_law.h"
#include "runtime/value.h"
#include "sorting/routines.h"
#include "sorting/scan_trace.h"

namespace sentinel {

inline constexpr std::size_t kMostStepEntries = 60;

// The entries of a typed or pasted list, one a line, as a file's are read
// (a blank line is an entry, the empty text). Raises InputError on a list of
// no entries or one of more than kMostStepEntries.
std::vector<Text> TypedEntries(const std::string& utf8);

// What to step through: one routine on a short list.
struct StepInput {
    Routine routine = Routine::Numbers;
    std::int16_t fieldIndex = 0;
    std::vector<Value> entries;
    std::vector<Value> companion;  // carried along by the paired routines
};

// The demo's 21 start-up vector texts, keyed on `fieldIndex`; for the paired
// routines the 21 start-up numbers are the keys and the texts the companion.
StepInput StartUpStepInput(Routine routine, std::int16_t fieldIndex);
// Typed or read entries, each with "line N" as its companion.
StepInput StepInputOf(Routine routine, std::int16_t fieldIndex, std::vector<Text> entries);

// Why an entry fits no gap: its key lies beyond a sentinel, equals one
// (strict routines), or is already placed (strict routines).
enum class DropReason { BelowLow, AboveHigh, AtSentinel, Repeated };
const char* DropReasonText(DropReason reason);  // "key already placed", in English

// One run of a routine, recorded, and what the list looks like after any
// number of its events.
class StepThrough {
public:
    // Raises RuntimeError when the routine cannot take the input.
    explicit StepThrough(StepInput input);

    struct Dropped {
        std::int32_t entry;
        Text reason;
    };
    // The state after the first `events` events.
    struct Frame {
        std::vector<std::int32_t> list;  // input positions; 0 and -1 stand for the sentinels
        std::int32_t entry = 0;  // the entry being placed, 0 before the first
        const TraceEvent* last = nullptr;  // the event just done
        std::vector<Dropped> dropped;
        ScanCounts counts;
        Text test;  // the last test written out, e.g. "20 < 30 < 120 → fits"
        // By input entry (from 0): the positions its scan has tested so far,
        // and whether it was dropped.
        std::vector<std::int64_t> entrySteps;
        std::vector<bool> entryDropped;
    };
    Frame At(std::size_t events) const;

    std::size_t Events() const noexcept { return trace_.events.size(); }
    // The event count at which the entry under way at `events` is placed or dropped.
    std::size_t EndOfEntry(std::size_t events) const;

    // The key of `entry` against the key of `other` (0 and -1 the
    // sentinels), three-way: -1, 0 or 1.
    int CompareKeys(std::int32_t entry, std::int32_t other) const;
    // The test of the frame's entry at gap `gap` of its list, between
    // list[gap - 1] and list[gap], written out as the frames write the
    // scan's own tests; and whether the entry fits there.
    Text TestAt(const Frame& frame, std::size_t gap) const;
    bool FitsAt(const Frame& frame, std::size_t gap) const;
    // Why `entry` is dropped, when it is.
    DropReason WhyDropped(std::int32_t entry) const;
    // Where the entry under way at `events` goes: the gap its scan finds, or
    // 0 when it is dropped.
    std::size_t FirstFit(std::size_t events) const;

    const StepInput& Input() const noexcept { return input_; }
    // The whole run's counts, as the law of the cost predicts them from the input.
    const Prediction& Predicted() const noexcept { return predicted_; }
    Text EntryText(std::int32_t entry) const;  // as listed; the sentinels' keys for 0 and -1
    Text KeyText(std::int32_t entry) const;
    const std::vector<Text>& Result() const noexcept { return result_; }  // the routine's
    const std::vector<Text>& StableResult() const noexcept { return stableResult_; }  // the standard stable sort's

private:
    StepInput input_;
    ScanTrace trace_;
    Prediction predicted_;
    std::vector<Text> result_;
    std::vector<Text> stableResult_;
};

}  // namespace sentinel
