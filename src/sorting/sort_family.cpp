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

template <Placement placement, class KeyOf>
void SortByKey(CollectionRef& items, KeyOf keyOf, const Value& low, const Value& high)
{
    const Collection& source = ContentsOf(items);
    const auto order = SentinelInsertionOrder<placement>(
        source.Count(), [&](std::int32_t i) { return keyOf(source.Item(i)); },
        [&] { return std::pair{keyOf(low), keyOf(high)}; });
    items = Gather(source, order);
}

template <Placement placement>
void SortPairs(CollectionRef& keys, CollectionRef& companion)
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
        [] { return std::pair{NumericKey(kLowNumber), NumericKey(kHighNumber)}; });
    CollectionRef sortedKeys = Gather(keySource, order);
    CollectionRef sortedCompanion = Gather(companionSource, order);
    keys = std::move(sortedKeys);
    companion = std::move(sortedCompanion);
}

}  // namespace

void SortNumbers(CollectionRef& items)
{
    SortByKey<Placement::Inclusive>(items, NumericKey, kLowNumber, kHighNumber);
}

void SortNumbersUnique(CollectionRef& items)
{
    SortByKey<Placement::Strict>(items, NumericKey, kLowNumber, kHighNumber);
}

void SortStrings(CollectionRef& items)
{
    SortByKey<Placement::Inclusive>(items, TextKeys{}, kLowText, kHighText);
}

void SortStringsUnique(CollectionRef& items)
{
    SortByKey<Placement::Strict>(items, TextKeys{}, kLowText, kHighText);
}

void SortByField(CollectionRef& items, std::int16_t fieldIndex)
{
    const auto fieldKey = [fieldIndex](const Value& entry) { return FieldKey(entry, fieldIndex); };
    SortByKey<Placement::Inclusive>(items, fieldKey, kLowRecord, kHighRecord);
}

void SortByFieldUnique(CollectionRef& items, std::int16_t fieldIndex)
{
    const auto fieldKey = [fieldIndex](const Value& entry) { return FieldKey(entry, fieldIndex); };
    SortByKey<Placement::Strict>(items, fieldKey, kLowRecord, kHighRecord);
}

void SortPairsByNumber(CollectionRef& keys, CollectionRef& companion)
{
    SortPairs<Placement::Inclusive>(keys, companion);
}

void SortPairsByNumberUnique(CollectionRef& keys, CollectionRef& companion)
{
    SortPairs<Placement::Strict>(keys, companion);
}

}  // namespace sentinel
