#pragma once

#include <algorithm>
#include <compare>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>
#include <vector>

#include "sorting/scan_counts.h"
#include "sorting/sentinel_list.h"
#include "sorting/sort_keys.h"

namespace sentinel {

// Inclusive: an entry goes after the first j with key(j) <= key <= key(j+1);
//            equal keys come out in the reverse of their input order.
// Strict:    an entry goes after the first j with key(j) <  key <  key(j+1);
//            an entry whose key is already placed (sentinels included) is dropped.
enum class Placement { Inclusive, Strict };

// The test on one position, from the key's three-way comparisons with the
// two neighbours: keyToLow = key <=> key(j), keyToHigh = key <=> key(j+1).
template <Placement placement, class Ordering>
bool FitsBetween(Ordering keyToLow, Ordering keyToHigh)
{
    if constexpr (placement == Placement::Inclusive)
        return keyToLow >= 0 && keyToHigh <= 0;
    else
        return keyToLow > 0 && keyToHigh < 0;
}

// Two doubles, compared lane by lane in one instruction (a GCC and Clang
// vector extension, mapping to SSE2 on x86-64).
using Double2 = double __attribute__((vector_size(16)));

// The test at positions j and j+1, from keys[j-1], keys[j] and keys[j+1].
template <Placement placement>
auto FitsAtPair(const double* keys, std::size_t j, double key)
{
    Double2 lows;
    Double2 highs;
    std::memcpy(&lows, keys + j - 1, sizeof lows);
    std::memcpy(&highs, keys + j, sizeof highs);
    if constexpr (placement == Placement::Inclusive)
        return (lows <= key) & (key <= highs);
    else
        return (lows < key) & (key < highs);
}

// Tests the positions from `from` a block of eight at a time and returns the
// first position of the block that holds the first fit, or of the last,
// partial block.
template <Placement placement>
std::size_t FirstBlockWithFit(const double* keys, std::size_t from, std::size_t last, double key)
{
    constexpr std::size_t kPairs = 4;
    std::size_t j = from;
    for (; j + 2 * kPairs - 1 <= last; j += 2 * kPairs) {
        auto fits = FitsAtPair<placement>(keys, j, key);
        for (std::size_t pair = 1; pair < kPairs; ++pair)
            fits |= FitsAtPair<placement>(keys, j + 2 * pair, key);
        if (fits[0] | fits[1])
            break;
    }
    return j;
}

inline constexpr std::size_t kReachBlock = 16;

// Tests the positions a block of sixteen at a time for the first j with
// keys[j] >= key (`above`: keys[j] > key) and returns the first position of
// its block, or of the last, partial block.
template <bool above>
std::size_t FirstBlockReaching(const double* keys, std::size_t last, double key)
{
    std::size_t j = 1;
    for (; j + kReachBlock - 1 <= last; j += kReachBlock) {
        Double2 pairs[kReachBlock / 2];
        std::memcpy(pairs, keys + j, sizeof pairs);
        auto reached = above ? pairs[0] > key : pairs[0] >= key;
        for (std::size_t pair = 1; pair < kReachBlock / 2; ++pair)
            reached |= above ? pairs[pair] > key : pairs[pair] >= key;
        if (reached[0] | reached[1])
            break;
    }
    return j;
}

// The first j from `j` to `last` whose neighbours j-1 and j enclose the key,
// or 0 when none does. compareAt(at) compares the key with the list's entry
// at index `at` (three-way, as an int); each result serves as the upper half
// of one test and the lower half of the next.
template <Placement placement, class CompareAt>
std::size_t FirstFitFrom(std::size_t j, std::size_t last, CompareAt compareAt)
{
    int keyToLow = compareAt(j - 1);
    for (; j <= last; ++j) {
        const int keyToHigh = compareAt(j);
        if (FitsBetween<placement>(keyToLow, keyToHigh))
            return j;
        keyToLow = keyToHigh;
    }
    return 0;
}

inline int ThreeWay(std::partial_ordering order)
{
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

// The scan of j = 1 to `last` for the first j whose neighbours enclose the
// key, a block at a time over `blockKeys`: the list's keys, or numbers that
// keep their order only weakly (`weak`). compareAt tests exactly (see
// FirstFitFrom). The list is in order, so no fit lies before the first block
// that reaches the key (for a strict fit of exact keys, the first that
// passes it), and one compare a position finds that block. An inclusive scan
// tests one position at a time from there: it fails only for a key below the
// low sentinel. A strict scan goes on by blocks whose neighbours may enclose
// the key, so a key already placed has the rest of the list scanned a block
// at a time, as the algorithm scans it.
template <Placement placement, bool weak, class CompareAt>
std::size_t ScanBlocks(const double* blockKeys, std::size_t last, double blockKey, CompareAt compareAt)
{
    if constexpr (placement == Placement::Inclusive) {
        return FirstFitFrom<placement>(FirstBlockReaching<false>(blockKeys, last, blockKey), last, compareAt);
    } else {
        constexpr Placement blockPlacement = weak ? Placement::Inclusive : Placement::Strict;
        std::size_t from = FirstBlockReaching<!weak>(blockKeys, last, blockKey);
        while (true) {
            from = FirstBlockWithFit<blockPlacement>(blockKeys, from, last, blockKey);
            const std::size_t to = std::min(last, from + 7);
            if (const std::size_t j = FirstFitFrom<placement>(from, to, compareAt))
                return j;
            if (to == last)
                return 0;
            from = to + 1;
        }
    }
}

// Scans j = 1 to `last` for the first j whose neighbours keys[j-1] and
// keys[j] enclose the number `key`; returns that j, or 0 when none does.
template <Placement placement>
std::size_t ScanFor(const double* keys, std::size_t last, double key)
{
    return ScanBlocks<placement, false>(keys, last, key, [&](std::size_t at) { return ThreeWay(key <=> keys[at]); });
}

// The same scan for a text key, by the abbreviations of the list's texts
// (see Abbreviation), which keep the order weakly: a text is compared only
// where its abbreviation equals the key's. texts[positions[at]] is the text
// of the list's entry at index `at`.
template <Placement placement>
std::size_t ScanForText(const double* abbreviations, const std::int32_t* positions, const TextView* texts,
                        std::size_t last, double abbreviation, TextView key)
{
    return ScanBlocks<placement, true>(abbreviations, last, abbreviation, [&](std::size_t at) {
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
// told of the work done (see scan_counts.h).
// Returns the input positions of the placed entries, in ascending key order.
template <Placement placement, class KeyOfEntry, class SentinelKeys, class Observer>
std::vector<std::int32_t> SentinelInsertionOrder(std::int32_t count, KeyOfEntry keyOfEntry,
                                                 SentinelKeys sentinelKeys, Observer& observer)
{
    if (count <= 0)
        return {};
    const auto [low, high] = sentinelKeys();
    observer.SentinelsComputed(low, high);
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
            return std::pair{abbreviation, ScanForText<placement>(list.Keys(), list.Positions(), texts.data(),
                                                                  list.Size() - 1, abbreviation, key)};
        }, observer);
    } else {
        SentinelList<double> list(count, low, high);
        return InsertEach(count, list, [&](std::int32_t i) {
            const double key = keyOfEntry(i);
            observer.KeyComputed(i, key);
            return std::pair{key, ScanFor<placement>(list.Keys(), list.Size() - 1, key)};
        }, observer);
    }
}

}  // namespace sentinel
