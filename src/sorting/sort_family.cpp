// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sorting/sort_family.h"

#include <type_traits>

#include <utility>
#include <vector>

#include "sorting/sentinel_insertion.h"
#include "sorting/routine_keys.h"

namespace sentinel {
namespace {

// Sentinel insertion with a routine's key, sentinels and test. The
// paired routines pass their companion, which is carried along position for
// position; the others pass none.
template <Placement placement, ScanOrder order, class KeyOf, class Observer>
void SortByKey(CollectionRef& items, CollectionRef* companion, KeyOf& keyOf, const Sentinels& sentinels,
               Observer& observer)
{
    const Collection& source = ContentsOf(items);
    const Collection* carried = companion ? &ContentsOf(*companion) : nullptr;
    const auto placed = SentinelInsertionOrder<placement, order>(
        source.Count(),
        [&](std::int32_t i) {
            auto key = keyOf(source.Item(i));
            if (carried)
                (void)carried->Item(i);  // a missing companion fails here, placed or not
            return key;
        },
        [&] { return std::pair{keyOf(sentinels.low), keyOf(sentinels.high)}; }, observer);
    CollectionRef sorted = Gather(source, placed);
    if (companion)
        *companion = Gather(*carried, placed);
    items = std::move(sorted);
}

// Any routine of the family, as its description says.
template <class Observer>
void RunRoutine(Routine routine, CollectionRef& items, CollectionRef& companion, std::int16_t fieldIndex,
                Observer& observer)
{
    CollectionRef* carried = IsPaired(routine) ? &companion : nullptr;
    WithKeyOf(routine, fieldIndex, [&](auto keyOf, const Sentinels& sentinels) {
        constexpr bool kNumberKeys = std::is_same_v<decltype(keyOf(sentinels.low)), double>;
        if constexpr (kNumberKeys) {
            // The variants: SortNumbers scanned other ways.
            switch (ScanOrderOf(routine)) {
            case ScanOrder::FromHigh:
                return SortByKey<Placement::Inclusive, ScanOrder::FromHigh>(items, carried, keyOf, sentinels, observer);
            case ScanOrder::Halving:
                return SortByKey<Placement::Inclusive, ScanOrder::Halving>(items, carried, keyOf, sentinels, observer);
            case ScanOrder::FromLow: break;
            }
        }
        if (IsStrict(routine))
            SortByKey<Placement::Strict, ScanOrder::FromLow>(items, carried, keyOf, sentinels, observer);
        else
            SortByKey<Placement::Inclusive, ScanOrder::FromLow>(items, carried, keyOf, sentinels, observer);
    });
}

void RunUncounted(Routine routine, CollectionRef& items, CollectionRef& companion, std::int16_t fieldIndex = 0)
{
    NoScanCounting none;
    RunRoutine(routine, items, companion, fieldIndex, none);
}

void RunUncounted(Routine routine, CollectionRef& items)
{
    CollectionRef noCompanion;
    RunUncounted(routine, items, noCompanion);
}

}  // namespace

void SortNumbers(CollectionRef& items)
{
    RunUncounted(Routine::Numbers, items);
}

void SortNumbersUnique(CollectionRef& items)
{
    RunUncounted(Routine::NumbersUnique, items);
}

void SortStrings(CollectionRef& items)
{
    RunUncounted(Routine::Strings, items);
}

void SortStringsUnique(CollectionRef& items)
{
    RunUncounted(Routine::StringsUnique, items);
}

void SortByField(CollectionRef& items, std::int16_t fieldIndex)
{
    CollectionRef noCompanion;
    RunUncounted(Routine::ByField, items, noCompanion, fieldIndex);
}

void SortByFieldUnique(CollectionRef& items, std::int16_t fieldIndex)
{
    CollectionRef noCompanion;
    RunUncounted(Routine::ByFieldUnique, items, noCompanion, fieldIndex);
}

void SortPairsByNumber(CollectionRef& keys, CollectionRef& companion)
{
    RunUncounted(Routine::Pairs, keys, companion);
}

void SortPairsByNumberUnique(CollectionRef& keys, CollectionRef& companion)
{
    RunUncounted(Routine::PairsUnique, keys, companion);
}

ScanCounts SortCounted(Routine routine, CollectionRef& items, CollectionRef& companion, std::int16_t fieldIndex,
                       const std::atomic<bool>* cancel)
{
    ScanCounter counter;
    counter.cancel = cancel;
    RunRoutine(routine, items, companion, fieldIndex, counter);
    return counter.counts;
}

ScanTrace SortTraced(Routine routine, CollectionRef& items, CollectionRef& companion, std::int16_t fieldIndex)
{
    ScanTracer tracer(ScanOrderOf(routine), IsStrict(routine));
    RunRoutine(routine, items, companion, fieldIndex, tracer);
    return tracer.Take();
}

}  // namespace sentinel
