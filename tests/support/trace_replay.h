// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Readings of a recorded trace that the tests check against the routines'
// own results and counters.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "sorting/scan_trace.h"

namespace sentinel {

// Replays the trace's insertions: list[k] is the input position at list
// index k (the sentinels are 0 and -1); `onPlaced` is told where each entry
// goes and the list's size before it does.
template <class OnPlaced>
std::vector<std::int32_t> Replay(const ScanTrace& trace, OnPlaced onPlaced)
{
    std::vector<std::int32_t> list = {0, -1};
    for (const TraceEvent& event : trace.events) {
        if (event.kind == TraceEvent::Kind::Placed) {
            onPlaced(static_cast<std::size_t>(event.at), list.size());
            list.insert(list.begin() + event.at, event.entry);
        }
    }
    return {list.begin() + 1, list.end() - 1};
}

// The input positions of the placed entries in result order.
inline std::vector<std::int32_t> ReplayOrder(const ScanTrace& trace)
{
    return Replay(trace, [](std::size_t, std::size_t) {});
}

// The counts that the trace's events add up to.
inline ScanCounts TraceTotals(const ScanTrace& trace)
{
    ScanCounts totals;
    totals.keys = trace.events.empty() ? 0 : 2;
    for (const TraceEvent& event : trace.events) {
        totals.keys += event.kind == TraceEvent::Kind::KeyComputed;
        totals.steps += event.kind == TraceEvent::Kind::Tested;
        totals.dropped += event.kind == TraceEvent::Kind::Dropped;
        totals.shifted += event.shifted;
    }
    Replay(trace, [&](std::size_t after, std::size_t listSize) {
        ++totals.placed;
        totals.moves += static_cast<std::int64_t>(listSize - after);
    });
    return totals;
}

}  // namespace sentinel
