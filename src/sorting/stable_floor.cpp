// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sorting/stable_floor.h"

#include <type_traits>

#include "sorting/routine_keys.h"

namespace sentinel {

EqualKeys EqualKeysOf(Routine routine)
{
    if (IsStrict(routine))
        return EqualKeys::FirstOnly;
    return ScanOrderOf(routine) == ScanOrder::FromHigh ? EqualKeys::InputOrder : EqualKeys::ReverseInput;
}

void FloorSort(Routine routine, CollectionRef& items, CollectionRef& companion, std::int16_t fieldIndex)
{
    const Collection& source = ContentsOf(items);
    std::vector<std::int32_t> order;
    WithKeyOf(routine, fieldIndex, [&](auto keyOf, const Sentinels& sentinels) {
        using Key = std::decay_t<decltype(keyOf(sentinels.low))>;
        order = StableFloorOrder<Key>(
            source.Count(), [&](std::int32_t i) { return Key(keyOf(source.Item(i))); }, Key(keyOf(sentinels.low)),
            Key(keyOf(sentinels.high)), EqualKeysOf(routine));
    });
    CollectionRef sorted = Gather(source, order);
    if (IsPaired(routine))
        companion = Gather(ContentsOf(companion), order);
    items = std::move(sorted);
}

}  // namespace sentinel
