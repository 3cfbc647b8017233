#include "sorting/sort_family.h"

#include <utility>
#include <vector>

#include "sorting/sentinel_insertion.h"
#include "sorting/sort_keys.h"

namespace sentinel {
namespace {

// Minus and plus 99,999,999,999,999: beyond every number the program makes,
// and exact in a double.
const Value kLowNumber{Text(u"-99999999999999")};
const Value kHighNumber{Text(u"99999999999999")};
// "0" sorts above the blank and the minus sign, 13 letters Z above every
// shorter run of capitals.
const Value kLowText{Text(u"0")};
const Value kHighText{Text(u"ZZZZZZZZZZZZZ")};
// The number sentinels in each of three fields.
const Value kLowRecord{Text(u"-99999999999999,-99999999999999,-99999999999999")};
const Value kHighRecord{Text(u"99999999999999,99999999999999,99999999999999")};

template <Placement placement, class KeyOf, class Observer>
void SortByKey(CollectionRef& items, KeyOf keyOf, const Value& low, const Value& high, Observer& observer)
{
    const Collection& source = ContentsOf(items);
    const auto order = SentinelInsertionOrder<placement>(
        source.Count(), [&](std::int32_t i) { return keyOf(source.Item(i)); },
        [&] { return std::pair{keyOf(low), keyOf(high)}; }, observer);
    items = Gather(source, order);
}

template <Placement placement, class Observer>
void SortPairs(CollectionRef& keys, CollectionRef& companion, Observer& observer)
{
    const Collection& keySource = ContentsOf(keys);
    const Collection& companionSource = ContentsOf(companion);
    const auto order = SentinelInsertionOrder<placement>(
        keySource.Count(),
        [&](std::int32_t i) {
            const double key = NumericKey(keySource.Item(i));
            (void)companionSource.Item(i);  // a missing companion fails here, placed or not
            return key;
        },
        [] { return std::pair{NumericKey(kLowNumber), NumericKey(kHighNumber)}; }, observer);
    CollectionRef sortedKeys = Gather(keySource, order);
    CollectionRef sortedCompanion = Gather(companionSource, order);
    keys = std::move(sortedKeys);
    companion = std::move(sortedCompanion);
}

// Each routine of the family as one key, one pair of sentinels and one test.
template <class Observer>
void RunRoutine(Routine routine, CollectionRef& items, CollectionRef& companion, std::int16_t fieldIndex,
                Observer& observer)
{
    constexpr auto inclusive = Placement::Inclusive;
    constexpr auto strict = Placement::Strict;
    const auto fieldKey = [fieldIndex](const Value& entry) { return FieldKey(entry, fieldIndex); };
    switch (routine) {
    case Routine::Numbers: return SortByKey<inclusive>(items, NumericKey, kLowNumber, kHighNumber, observer);
    case Routine::NumbersUnique: return SortByKey<strict>(items, NumericKey, kLowNumber, kHighNumber, observer);
    case Routine::Strings: return SortByKey<inclusive>(items, TextKeys{}, kLowText, kHighText, observer);
    case Routine::StringsUnique: return SortByKey<strict>(items, TextKeys{}, kLowText, kHighText, observer);
    case Routine::ByField: return SortByKey<inclusive>(items, fieldKey, kLowRecord, kHighRecord, observer);
    case Routine::ByFieldUnique: return SortByKey<strict>(items, fieldKey, kLowRecord, kHighRecord, observer);
    case Routine::Pairs: return SortPairs<inclusive>(items, companion, observer);
    case Routine::PairsUnique: return SortPairs<strict>(items, companion, observer);
    }
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

std::pair<Value, Value> SentinelsOf(Routine routine)
{
    if (routine == Routine::Strings || routine == Routine::StringsUnique)
        return {kLowText, kHighText};
    if (TakesField(routine))
        return {kLowRecord, kHighRecord};
    return {kLowNumber, kHighNumber};
}

ScanCounts SortCounted(Routine routine, CollectionRef& items, CollectionRef& companion, std::int16_t fieldIndex)
{
    ScanCounter counter;
    RunRoutine(routine, items, companion, fieldIndex, counter);
    return counter.counts;
}

ScanTrace SortTraced(Routine routine, CollectionRef& items, CollectionRef& companion, std::int16_t fieldIndex)
{
    ScanTracer tracer;
    RunRoutine(routine, items, companion, fieldIndex, tracer);
    return tracer.Take();
}

}  // namespace sentinel
