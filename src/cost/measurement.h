#pragma once

#include <cstdint>
#include <vector>

#include "cost/inputs.h"
#include "sorting/routines.h"
#include "sorting/scan_observers.h"

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
};

// Runs the routine (counted) and then its floor on collections of `input`,
// keyed by field 0 where the routine takes a field. Raises RuntimeError when
// the routine cannot take the input, e.g. a text without that field.
Measurement Measure(Routine routine, InputKind kind, Shape shape, const Input& input, int repeat);

}  // namespace sentinel
