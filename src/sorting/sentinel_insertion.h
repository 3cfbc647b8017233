#pragma once

#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

#include "sorting/block_scan.h"
#include "sorting/scan_observers.h"
#include "sorting/sentinel_list.h"
#include "sorting/sort_keys.h"

namespace sentinel {

// Scans j = 1 to `last` for the first j whose neighbours keys[j-1] and
// keys[j] enclose the number `key`; returns that j, or 0 when none does.
template <Placement placement>
std::size_t ScanFor(const BlockKernels& kernels, const double* keys, std::size_t last, double key)
{
    return ScanBlocks<placement, false>(kernels, keys, last, key,
                                        [&](std::size_t at) { return ThreeWay(key <=> keys[at]); });
}

// The same scan for a text key, by the abbreviations of the list's texts
// (see Abbreviation), which keep the order weakly: a text is compared only
// where its abbreviation equals the key's. texts[positions[at]] is the text
// of the list's entry at index `at`.
template <Placement placement>
std::size_t ScanForText(const BlockKernels& kernels, const double* abbreviations, const std::int32_t* positions,
                        const TextView* texts, std::size_t last, double abbreviation, TextView key)
{
    return ScanBlocks<placement, true>(kernels, abbreviations, last, abbreviation, [&](std::size_t at) {
        const int order = ThreeWay(abbreviation <=> abbreviations[at]);
        return order != 0 ? order : ThreeWay(key <=> texts[positions[at]]);
    });
}

// Places input entries 1 to `count` in turn: scanEntry(i) gives entry i's
// scan key and the j to insert it after, 0 when it fits nowhere and is left out.
template <class ScanKey, class ScanEntry, class Observer>
std::vector<std::int32_t> InsertEach(std::int32_t count, SentinelList<ScanKey>& list, ScanEntry scanEntry,
                                     Observer& observer)
{
    for (std::int32_t i = 1; i <= count; ++i) {
        auto [key, after] = scanEntry(i);
        if (after != 0) {
            observer.Placed(after, list.Size());
            list.InsertAfter(after, std::move(key), i);
        } else {
            observer.Dropped(list.Size());
        }
    }
    return list.PlacedPositions();
}

// Sentinel insertion of `count` input entries. keyOfEntry(i) gives the key of
// input entry i (from 1), a number or a text; sentinelKeys() gives the {low,
// high} sentinel keys and is called only when there is an entry to place, so
// an empty input computes no key at all. Each entry's key is computed once,
// then its scan starts at j = 1 and stops at the first pair of neighbours
// that encloses it; an entry that fits nowhere is left out. `observer` is
// told of the work done (see scan_observers.h).
// Returns the input positions of the placed entries, in ascending key order.
template <Placement placement, class KeyOfEntry, class SentinelKeys, class Observer>
std::vector<std::int32_t> SentinelInsertionOrder(std::int32_t count, KeyOfEntry keyOfEntry,
                                                 SentinelKeys sentinelKeys, Observer& observer)
{
    if (count <= 0)
        return {};
    const auto [low, high] = sentinelKeys();
    observer.SentinelsComputed(low, high);
    const BlockKernels kernels = ActiveKernels();  // one width for the whole sort
    if constexpr (std::is_same_v<decltype(keyOfEntry(1)), TextView>) {
        // The texts by input position, the sentinels at 0 and count + 1.
        std::vector<TextView> texts(static_cast<std::size_t>(count) + 2);
        texts.front() = low;
        texts.back() = high;
        SentinelList<double> list(count, Abbreviation(low), Abbreviation(high), 0, count + 1);
        return InsertEach(count, list, [&](std::int32_t i) {
            const TextView key = texts[static_cast<std::size_t>(i)] = keyOfEntry(i);
            observer.KeyComputed(i, key);
            const double abbreviation = Abbreviation(key);
            return std::pair{abbreviation, ScanForText<placement>(kernels, list.Keys(), list.Positions(), texts.data(),
                                                                  list.Size() - 1, abbreviation, key)};
        }, observer);
    } else {
        SentinelList<double> list(count, low, high);
        return InsertEach(count, list, [&](std::int32_t i) {
            const double key = keyOfEntry(i);
            observer.KeyComputed(i, key);
            return std::pair{key, ScanFor<placement>(kernels, list.Keys(), list.Size() - 1, key)};
        }, observer);
    }
}

}  // namespace sentinel
