// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cost/measurement.h"

#include <malloc.h>

#include <chrono>
#include <limits>
#include <mutex>

#include "sorting/stable_floor.h"
#include "sorting/sort_family.h"

namespace sentinel {
namespace {

// The floor with the counted run's signature, for WarmUp.
ScanCounts FloorSortCounted(Routine routine, CollectionRef& items, CollectionRef& companion, std::int16_t fieldIndex,
                            const std::atomic<bool>*)
{
    FloorSort(routine, items, companion, fieldIndex);
    return {};
}

struct Result {
    CollectionRef items;
    CollectionRef companion;
    double seconds;
};

template <class Sort>
Result Timed(const CollectionRef& items, const CollectionRef& companion, Sort sort)
{
    Result result{items, companion, 0};
    const auto start = std::chrono::steady_clock::now();
    sort(result.items, result.companion);
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

bool SameEntries(const CollectionRef& a, const CollectionRef& b)
{
    const Collection& left = ContentsOf(a);
    const Collection& right = ContentsOf(b);
    if (left.Count() != right.Count())
        return false;
    for (std::int32_t i = 1; i <= left.Count(); ++i)
        if (!(left.Item(i) == right.Item(i)))
            return false;
    return true;
}

}  // namespace

Measurement Measure(Routine routine, InputKind kind, const Shape& shape, const Input& input, int repeat,
                    const std::atomic<bool>* cancel)
{
    constexpr std::int16_t kFirstField = 0;
    const CollectionRef items = std::make_shared<Collection>(input.entries);
    const CollectionRef companion = std::make_shared<Collection>(input.companion);
    ScanCounts counts;
    const Result sentinel = Timed(items, companion, [&](CollectionRef& i, CollectionRef& c) {
        counts = SortCounted(routine, i, c, kFirstField, cancel);
    });
    const Result floor = Timed(items, companion, [&](CollectionRef& i, CollectionRef& c) {
        FloorSort(routine, i, c, kFirstField);
    });
    const bool identical = SameEntries(sentinel.items, floor.items) && SameEntries(sentinel.companion, floor.companion);
    return {routine,
            kind,
            shape,
            static_cast<std::int32_t>(input.entries.size()),
            repeat,
            sentinel.seconds,
            floor.seconds,
            identical,
            counts,
            ApplyCostLaw(routine, input.entries, kFirstField),
            // The variants test one gap at a time, on no vector path.
            ScanOrderOf(routine) == ScanOrder::FromLow ? ActiveKernels().path : ScanPath::Generic};
}

void WarmUp(Routine routine, const Input& input, const std::atomic<bool>* cancel)
{
    const CollectionRef items = std::make_shared<Collection>(input.entries);
    const CollectionRef companion = std::make_shared<Collection>(input.companion);
    constexpr std::int16_t kFirstField = 0;
    for (const auto& sort : {SortCounted, FloorSortCounted, SortCounted, FloorSortCounted}) {
        CollectionRef i = items;
        CollectionRef c = companion;
        sort(routine, i, c, kFirstField, cancel);
    }
}

void KeepFreedMemory()
{
#ifdef __GLIBC__
    static std::once_flag once;
    std::call_once(once, [] {
        mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);  // the most glibc takes: every block of a sort stays on the heap
        mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
    });
#endif
}

std::optional<double> Measurement::Level() const
{
    if (!IsSortedness(shape))
        return std::nullopt;
    return shape.parameter;
}

std::optional<std::string> FirstFault(const std::vector<Measurement>& rows)
{
    for (const Measurement& row : rows) {
        const std::string name = std::string(NameOf(row.routine)) + ", " + NameOf(row.shape) + ", n = "
            + std::to_string(row.n) + ", run " + std::to_string(row.repeat);
        if (!row.identical)
            return name + ": the result differs from the floor's";
        if (!row.PredictionHolds())
            return name + ": the counted steps " + std::to_string(row.counts.steps) + " and moves "
                + std::to_string(row.counts.moves) + " differ from the predicted "
                + std::to_string(row.law.predicted.steps) + " and " + std::to_string(row.law.predicted.moves);
    }
    return std::nullopt;
}

std::string CannotTake(Routine routine, const RuntimeError& error)
{
    return std::string(NameOf(routine)) + " cannot take this input: " + error.Description();
}

}  // namespace sentinel
