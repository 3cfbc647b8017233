// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

#include "sorting/block_scan.h"
#include "sorting/routines.h"
#include "sorting/scan_observers.h"
#include "sorting/sentinel_list.h"
#include "sorting/sort_keys.h"

namespace sentinel {

// Scans the settled entries (see SentinelList) j = `from` to `last` for the
// first j whose neighbours keys[j-1] and keys[j] enclose the number `key`;
// returns that j, or 0 when none does.
template <Placement placement>
std::size_t ScanFor(const BlockKernels& kernels, const double* keys, std::size_t from, std::size_t last, double key)
{
    return ScanBlocks<placement, false>(kernels, keys, from, last, key,
                                        [&](std::size_t at) { return ThreeWay(key <=> keys[at]); });
}

// The same scan for a text key, by the abbreviations of the list's texts
// (see Abbreviation), which keep the order weakly: a text is compared only
// where its abbreviation equals the key's. texts[positions[at]] is the text
// of the entry at index `at`.
template <Placement placement>
std::size_t ScanForText(const BlockKernels& kernels, const double* abbreviations, const std::int32_t* positions,
                        const TextView* texts, std::size_t from, std::size_t last, double abbreviation, TextView key)
{
    return ScanBlocks<placement, true>(kernels, abbreviations, from, last, abbreviation, [&](std::size_t at) {
        const int order = ThreeWay(abbreviation <=> abbreviations[at]);
        return order != 0 ? order : ThreeWay(key <=> texts[positions[at]]);
    });
}

// Where a key goes: after `settled` settled entries and `recent` recent ones
// (see SentinelList), so at list index settled + recent; `settled` is 0
// when it fits nowhere and is left out. The algorithm tests `steps` gaps to
// find it.
struct Fit {
    double key;
    std::size_t settled;
    std::size_t recent;
    std::size_t steps;
};

// The recent entries whose block keys lie below a block key, counted a
// vector at a time. Sorted input goes below or above them all, and learns it
// from one end of the run.
inline std::size_t RecentBelow(const BlockKernels& kernels, const SentinelList& list, double blockKey)
{
    const double* keys = list.RecentKeys();
    const std::size_t count = list.RecentSize();
    if (count == 0 || blockKey <= keys[0])
        return 0;
    if (blockKey > keys[count - 1])
        return count;
    return kernels.countBelow(keys, count, blockKey);
}

// The fit of a key that the scan from the low end places after `settled`
// settled entries and before the recent entries that it orders at or below
// (see FirstFitFrom): the recent block keys below it decide, and where
// block keys are equal compareRecent(r) compares the key exactly with recent
// entry r. A strict scan drops a key that a recent entry equals, having
// scanned the rest of the settled entries as the algorithm scans the rest
// of the list: scanRest(from) does that.
template <Placement placement, class CompareRecent, class ScanRest>
Fit FitAmongRecent(const BlockKernels& kernels, const SentinelList& list, std::size_t settled, double blockKey,
                   CompareRecent compareRecent, ScanRest scanRest)
{
    std::size_t recent = 0;
    if (settled != 0) {
        recent = RecentBelow(kernels, list, blockKey);
        int order = 1;
        for (; recent < list.RecentSize() && list.RecentKeys()[recent] == blockKey; ++recent) {
            order = compareRecent(recent);
            if (order <= 0)
                break;
        }
        if (placement == Placement::Strict && order == 0) {
            scanRest(settled + 1);
            settled = 0;
        }
    }
    return {blockKey, settled, recent, PositionsTested(settled != 0 ? settled + recent : 0, list.Size())};
}

// Places input entries 1 to `count` in turn: scanEntry(i) gives entry i's Fit.
template <class ScanEntry, class Observer>
std::vector<std::int32_t> InsertEach(std::int32_t count, SentinelList& list, ScanEntry scanEntry, Observer& observer)
{
    for (std::int32_t i = 1; i <= count; ++i) {
        const Fit fit = scanEntry(i);
        const std::size_t listSize = list.Size();
        if (fit.settled != 0) {
            const std::size_t shifted = list.InsertAt(fit.settled, fit.recent, fit.key, i);
            observer.Placed(fit.settled + fit.recent, listSize, fit.steps, shifted);
        } else {
            observer.Dropped(listSize, fit.steps);
        }
    }
    return list.PlacedPositions();
}

// The gap a number key goes in by a scan other than the one from the low
// end, with the gaps it tested counted. Both read the list by list index.
template <Placement placement, ScanOrder order>
Fit OtherScanFor(const SentinelList& list, double key)
{
    static_assert(order != ScanOrder::FromLow, "the scan from the low end runs on the block kernels");
    std::size_t steps = 0;
    const auto count = [&](std::size_t, int, int, bool) { ++steps; };
    const std::size_t last = list.Size() - 1;
    std::size_t gap = 0;
    if constexpr (order == ScanOrder::FromHigh) {
        KeysDownward keys(list);
        gap = FirstFitFromHigh<placement>(last, [&](std::size_t at) { return ThreeWay(key <=> keys.At(at)); }, count);
    } else {
        gap = FirstFitByHalving(last, [&](std::size_t at) { return ThreeWay(key <=> list.KeyAt(at)); }, count);
    }
    const std::size_t recent = gap != 0 ? list.RecentBefore(gap) : 0;
    return {key, gap - recent, recent, steps};
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
        SentinelList list(count, low, high, 0, 0, Settling::AtOnce);
        return InsertEach(count, list, [&](std::int32_t i) {
            const double key = keyOfEntry(i);
            observer.KeyComputed(i, key);
            return OtherScanFor<placement, order>(list, key);
        }, observer);
    } else if constexpr (std::is_same_v<decltype(keyOfEntry(1)), TextView>) {
        const BlockKernels kernels = ActiveKernels();  // one width for the whole sort
        // The texts by input position, the sentinels at 0 and count + 1.
        std::vector<TextView> texts(static_cast<std::size_t>(count) + 2);
        texts.front() = low;
        texts.back() = high;
        SentinelList list(count, Abbreviation(low), Abbreviation(high), 0, count + 1);
        return InsertEach(count, list, [&](std::int32_t i) {
            const TextView key = texts[static_cast<std::size_t>(i)] = keyOfEntry(i);
            observer.KeyComputed(i, key);
            const double abbreviation = Abbreviation(key);
            const double* settledKeys = list.SettledKeys();
            const std::int32_t* positions = list.SettledPositions();
            const std::size_t last = list.SettledSize() - 1;
            const auto scanFrom = [&](std::size_t from) {
                return ScanForText<placement>(kernels, settledKeys, positions, texts.data(), from, last, abbreviation,
                                              key);
            };
            return FitAmongRecent<placement>(
                kernels, list, scanFrom(1), abbreviation,
                [&](std::size_t r) { return ThreeWay(key <=> texts[list.RecentPosition(r)]); }, scanFrom);
        }, observer);
    } else {
        const BlockKernels kernels = ActiveKernels();
        SentinelList list(count, low, high);
        return InsertEach(count, list, [&](std::int32_t i) {
            const double key = keyOfEntry(i);
            observer.KeyComputed(i, key);
            const double* settledKeys = list.SettledKeys();
            const std::size_t last = list.SettledSize() - 1;
            const auto scanFrom = [&](std::size_t from) {
                return ScanFor<placement>(kernels, settledKeys, from, last, key);
            };
            return FitAmongRecent<placement>(
                kernels, list, scanFrom(1), key, [&](std::size_t r) { return ThreeWay(key <=> list.RecentKeys()[r]); },
                scanFrom);
        }, observer);
    }
}

}  // namespace sentinel
