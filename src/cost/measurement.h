// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cost/input_error.h"
#include "runtime/runtime_error.h"
#include "cost/cost_law.h"
#include "cost/inputs.h"
#include "sorting/routines.h"
#include "sorting/scan_observers.h"
#include "sorting/scan_paths.h"

namespace sentinel {

// One run of one routine on one input, beside the floor on the same input.
struct Measurement {
    Routine routine;
    InputKind kind;
    Shape shape;
    std::int32_t n;
    int repeat;  // from 1
    double seconds;  // the routine alone, on a monotonic clock
    double floorSeconds;
    bool identical;  // the routine's result is the floor's
    ScanCounts counts;
    CostLaw law;  // the input's order and the counts it predicts
    ScanPath scan = ActiveKernels().path;  // the width the block scan ran at; generic for a variant

    // The sortedness an order sweep asked for, if the input was made for one.
    std::optional<double> Level() const;
    bool PredictionHolds() const { return law.predicted.Matches(counts); }
};

// Runs the routine and its floor on `input` twice in turn, untimed, so that
// what a measurement then times finds its code, data and memory warm (once
// left the first repetition of small sizes up to a quarter slow). Raises
// ScanCancelled as Measure does.
void WarmUp(Routine routine, const Input& input, const std::atomic<bool>* cancel = nullptr);

// Keeps memory the sorts free with the process from here on, so that a
// measurement times the sort, not memory handed back to the system and
// faulted in again (glibc trims its heap and unmaps large blocks on free by
// default). Process-wide; later calls do nothing.
void KeepFreedMemory();

// The first row whose result differs from the floor's or whose counts differ
// from the law's prediction, described in a line; nothing when all hold.
// Either would be a fault in the program, not in the input.
std::optional<std::string> FirstFault(const std::vector<Measurement>& rows);

// "SortByField cannot take this input: ...".
std::string CannotTake(Routine routine, const RuntimeError& error);

// Runs `work`; a RuntimeError it raises, because the routine cannot take
// its input, comes out as an InputError that names the routine.
template <class Work>
auto ForRoutine(Routine routine, Work work) -> decltype(work())
{
    try {
        return work();
    } catch (const RuntimeError& error) {
        throw InputError(CannotTake(routine, error));
    }
}
// Runs the routine (counted) and then its floor on collections of `input`,
// keyed by field 0 where the routine takes a field. Raises RuntimeError when
// the routine cannot take the input, e.g. a text without that field, and
// ScanCancelled when `cancel` is set while the routine runs.
Measurement Measure(Routine routine, InputKind kind, const Shape& shape, const Input& input, int repeat,
                    const std::atomic<bool>* cancel = nullptr);

}  // namespace sentinel
