// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "runtime/collection.h"
#include "sorting/routines.h"

namespace sentinel {

// How a routine orders equal keys: the scan from the low end puts an entry
// before the equal keys already placed, the scan from the high end after
// them, and a strict routine keeps only the first.
enum class EqualKeys { ReverseInput, InputOrder, FirstOnly };

EqualKeys EqualKeysOf(Routine routine);

// What sentinel insertion yields, by a standard stable sort: the floor that
// its cost is measured against. Inclusive: the entries whose key lies within
// [low, high], equal keys in reverse input order, or in input order. Strict:
// the first entry of each key strictly inside (low, high). keyOf(i) gives the
// key of input entry i (from 1); returns the positions of the kept entries in
// result order.
template <class Key, class KeyOf>
std::vector<std::int32_t> StableFloorOrder(std::int32_t count, KeyOf keyOf, const Key& low, const Key& high,
                                           EqualKeys equal)
{
    const bool strict = equal == EqualKeys::FirstOnly;
    std::vector<std::pair<Key, std::int32_t>> kept;
    kept.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 1; i <= count; ++i) {
        Key key = keyOf(i);
        if (strict ? (low < key && key < high) : (low <= key && key <= high))
            kept.emplace_back(std::move(key), i);
    }
    const auto byKey = [](const auto& a, const auto& b) { return a.first < b.first; };
    if (strict) {
        std::stable_sort(kept.begin(), kept.end(), byKey);
        kept.erase(std::unique(kept.begin(), kept.end(), [](const auto& a, const auto& b) { return a.first == b.first; }),
                   kept.end());
    } else {
        if (equal == EqualKeys::ReverseInput)
            std::reverse(kept.begin(), kept.end());
        std::stable_sort(kept.begin(), kept.end(), byKey);
    }
    std::vector<std::int32_t> order;
    order.reserve(kept.size());
    for (const auto& entry : kept)
        order.push_back(entry.second);
    return order;
}

// The floor of a routine of the family: the same keys, each computed once,
// the same sentinels and the identical result, by a stable sort. Takes and
// gives the collections as the routine does.
void FloorSort(Routine routine, CollectionRef& items, CollectionRef& companion, std::int16_t fieldIndex);

}  // namespace sentinel
