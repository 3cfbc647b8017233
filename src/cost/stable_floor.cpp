#include "cost/stable_floor.h"

#include "sorting/sort_family.h"
#include "sorting/sort_keys.h"

namespace sentinel {
namespace {

template <class Key, class KeyOf>
std::vector<std::int32_t> FloorOrder(Routine routine, const Collection& source, KeyOf keyOf)
{
    const auto [low, high] = SentinelsOf(routine);
    return StableFloorOrder<Key>(
        source.Count(), [&](std::int32_t i) { return Key(keyOf(source.Item(i))); }, Key(keyOf(low)),
        Key(keyOf(high)), IsStrict(routine));
}

}  // namespace

void FloorSort(Routine routine, CollectionRef& items, CollectionRef& companion, std::int16_t fieldIndex)
{
    const Collection& source = ContentsOf(items);
    std::vector<std::int32_t> order;
    if (routine == Routine::Strings || routine == Routine::StringsUnique) {
        TextKeys textKeys;
        order = FloorOrder<TextView>(routine, source, textKeys);
    } else if (TakesField(routine)) {
        order = FloorOrder<double>(routine, source,
                                   [fieldIndex](const Value& entry) { return FieldKey(entry, fieldIndex); });
    } else {
        order = FloorOrder<double>(routine, source, NumericKey);
    }
    CollectionRef sorted = Gather(source, order);
    if (IsPaired(routine))
        companion = Gather(ContentsOf(companion), order);
    items = std::move(sorted);
}

}  // namespace sentinel
