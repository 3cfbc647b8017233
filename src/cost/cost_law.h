// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "runtime/value.h"
#include "sorting/routines.h"
#include "sorting/scan_observers.h"

namespace sentinel {

// The law of the cost. For an inclusive routine with every key within the
// sentinels, an entry's scan stops at the first gap after every placed entry
// whose key is smaller, so the entry costs
//   1 + (earlier entries with a smaller key) steps, and
//   1 + (earlier entries with a key not smaller) moves.
// Summed: steps = n + A and moves = n + U, where A, the ordered pairs, is the
// number of pairs i < j with key(i) < key(j) and U = n(n-1)/2 - A the
// unordered pairs (ties count there); steps + moves = n(n+3)/2 whatever the
// order. The order only splits the same work between scanning and shifting.
// Besides: an inclusive routine drops a key beyond a sentinel after m + 1
// steps (m entries placed so far) and no move. A strict routine places a new
// key for 1 + (placed keys smaller) steps and 1 + (placed keys larger) moves,
// and every drop (a key already placed, equal to a sentinel or beyond one)
// costs m + 1 steps and no move. The keys computed are n + 2, or 0 for none.
//
// The variants. Scanning from the high end, an entry goes after the equal
// keys placed (input order for ties) and costs 1 + (earlier entries with a
// larger key) steps and as many moves: steps = moves = n + D, D the pairs
// i < j with key(i) > key(j), the mirror of the low end's n + A. A drop
// costs m + 1 steps, as there. Halving the m + 1 gaps of a list of m
// entries finds the low end's gap, so its moves are the low end's, after at
// most floor(log2(m + 1)) + 1 tested gaps; the law bounds its steps.

// How ordered an input's keys are, from the keys alone.
struct OrderMeasures {
    std::int64_t orderedPairs = 0;  // A
    std::int64_t unorderedPairs = 0;  // U
    // A / (n(n-1)/2): 0 for descending or all-equal keys, 1 for ascending
    // distinct keys; none below n = 2.
    std::optional<double> sortedness;
};

// What the law predicts for one run of a routine.
struct Prediction {
    std::int64_t keys = 0;
    std::int64_t steps = 0;
    std::int64_t placed = 0;
    std::int64_t dropped = 0;
    std::int64_t moves = 0;
    bool stepsAtMost = false;  // `steps` is a bound, not the count (halving)

    bool Matches(const ScanCounts& counts) const
    {
        const bool stepsMatch = stepsAtMost ? counts.steps <= steps : counts.steps == steps;
        return keys == counts.keys && stepsMatch && placed == counts.placed && dropped == counts.dropped
            && moves == counts.moves;
    }
};

// Why the entries the law predicts dropped are dropped.
struct Drops {
    std::int64_t belowLow = 0;
    std::int64_t aboveHigh = 0;
    std::int64_t atSentinel = 0;  // strict routines: equal to a sentinel
    std::int64_t repeated = 0;  // strict routines: the key already placed
};

struct CostLaw {
    OrderMeasures order;
    Prediction predicted;
    Drops drops;
};

// The order of the entries' keys, as the routine reads them, and what the
// law predicts for the routine on them; O(n log n), without running the
// scan. `fieldIndex` serves the field routines. Raises RuntimeError where
// the routine would (a missing field).
CostLaw ApplyCostLaw(Routine routine, const std::vector<Value>& entries, std::int16_t fieldIndex);

// A line for the user when more than half of the entries would be dropped
// for being beyond or at a sentinel, e.g. "all 50 keys lie above the high
// sentinel ZZZZZZZZZZZZZ; SortStrings keeps only keys from 0 to
// ZZZZZZZZZZZZZ"; nothing otherwise. Repeats under a strict routine are
// what it is for, and never warned of.
std::optional<std::string> DropWarning(Routine routine, const CostLaw& law);
// The same line whenever any key lies beyond or at a sentinel.
std::optional<std::string> DropNote(Routine routine, const CostLaw& law);

// The sortedness a count of ordered pairs among n keys stands for.
std::optional<double> SortednessOf(std::int64_t orderedPairs, std::int64_t n);

}  // namespace sentinel
