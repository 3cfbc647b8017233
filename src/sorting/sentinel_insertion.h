// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
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

// Where an entry goes: after position `after` (0 when it fits nowhere and is
// left out), found by testing `steps` gaps.
template <class Key>
struct Fit {
    Key key;
    std::size_t after;
    std::size_t steps;
};

// Places input entries 1 to `count` in turn: scanEntry(i) gives entry i's Fit.
template <class ScanKey, class ScanEntry, class Observer>
std::vector<std::int32_t> InsertEach(std::int32_t count, SentinelList<ScanKey>& list, ScanEntry scanEntry,
                                     Observer& observer)
{
    for (std::int32_t i = 1; i <= count; ++i) {
        Fit<ScanKey> fit = scanEntry(i);
        if (fit.after != 0) {
            observer.Placed(fit.after, list.Size(), fit.steps);
            list.InsertAfter(fit.after, std::move(fit.key), i);
        } else {
            observer.Dropped(list.Size(), fit.steps);
        }
    }
    return list.PlacedPositions();
}

// The gap a number key goes in by a scan other than the one from the low
// end, with the gaps it tested counted.
template <Placement placement, ScanOrder order>
Fit<double> OtherScanFor(const double* keys, std::size_t last, double key)
{
    static_assert(order != ScanOrder::FromLow, "the scan from the low end runs on the block kernels");
    std::size_t steps = 0;
    const auto compareAt = [&](std::size_t at) { return ThreeWay(key <=> keys[at]); };
    const auto count = [&](std::size_t, int, int, bool) { ++steps; };
    std::size_t after = 0;
    if constexpr (order == ScanOrder::FromHigh)
        after = FirstFitFromHigh<placement>(last, compareAt, count);
    else
        after = FirstFitByHalving(last, compareAt, count);
    return {key, after, steps};
}

// Sentinel insertion of `count` input entries. keyOfEntry(i) gives the key of
// input entry i (from 1), a number or a text; sentinelKeys() gives the {low,
// high} sentinel keys and is called only when there is an entry to place, so
// an empty input computes no key at all. Each entry's key is computed once,
// then its scan starts at j = 1 and stops at the first pair of neighbours
// that encloses it (or, by `order`, scans from the high end or halves the
// gaps: number keys only); an entry that fits nowhere is left out.
// `observer` is told of the work done (see scan_observers.h).
// Returns the input positions of the placed entries, in ascending key order.
template <Placement placement, ScanOrder order, class KeyOfEntry, class SentinelKeys, class Observer>
std::vector<std::int32_t> SentinelInsertionOrder(std::int32_t count, KeyOfEntry keyOfEntry,
                                                 SentinelKeys sentinelKeys, Observer& observer)
{
    if (count <= 0)
        return {};
    const auto [low, high] = sentinelKeys();
    observer.SentinelsComputed(low, high);
    if constexpr (order != ScanOrder::FromLow) {
        SentinelList<double> list(count, low, high);
        return InsertEach(count, list, [&](std::int32_t i) {
            const double key = keyOfEntry(i);
            observer.KeyComputed(i, key);
            return OtherScanFor<placement, order>(list.Keys(), list.Size() - 1, key);
        }, observer);
    } else if constexpr (std::is_same_v<decltype(keyOfEntry(1)), TextView>) {
        const BlockKernels kernels = ActiveKernels();  // one width for the whole sort
        // The texts by input position, the sentinels at 0 and count + 1.
        std::vector<TextView> texts(static_cast<std::size_t>(count) + 2);
        texts.front() = low;
        texts.back() = high;
        SentinelList<double> list(count, Abbreviation(low), Abbreviation(high), 0, count + 1);
        return InsertEach(count, list, [&](std::int32_t i) {
            const TextView key = texts[static_cast<std::size_t>(i)] = keyOfEntry(i);
            observer.KeyComputed(i, key);
            const double abbreviation = Abbreviation(key);
            const std::size_t after = ScanForText<placement>(kernels, list.Keys(), list.Positions(), texts.data(),
                                                             list.Size() - 1, abbreviation, key);
            return Fit<double>{abbreviation, after, PositionsTested(after, list.Size())};
        }, observer);
    } else {
        const BlockKernels kernels = ActiveKernels();
        SentinelList<double> list(count, low, high);
        return InsertEach(count, list, [&](std::int32_t i) {
            const double key = keyOfEntry(i);
            observer.KeyComputed(i, key);
            const std::size_t after = ScanFor<placement>(kernels, list.Keys(), list.Size() - 1, key);
            return Fit<double>{key, after, PositionsTested(after, list.Size())};
        }, observer);
    }
}

}  // namespace sentinel
