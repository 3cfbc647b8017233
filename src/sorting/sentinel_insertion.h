#pragma once

#include <compare>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>
#include <vector>

#include "sorting/scan_counts.h"
#include "sorting/sentinel_list.h"

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

// Tests the positions a block of eight at a time and returns the first
// position of the block that holds the first fit, or of the last, partial block.
template <Placement placement>
std::size_t FirstBlockWithFit(const double* keys, std::size_t last, double key)
{
    constexpr std::size_t kPairs = 4;
    std::size_t j = 1;
    for (; j + 2 * kPairs - 1 <= last; j += 2 * kPairs) {
        auto fits = FitsAtPair<placement>(keys, j, key);
        for (std::size_t pair = 1; pair < kPairs; ++pair)
            fits |= FitsAtPair<placement>(keys, j + 2 * pair, key);
        if (fits[0] | fits[1])
            break;
    }
    return j;
}

// Scans j = 1 to `last` for the first j whose neighbours keys[j-1] and
// keys[j] enclose `key`; returns that j, or 0 when none does. Number keys are
// tested a block at a time first, which finds the same first fit. Then the key
// is compared once with each position, each result serving as the upper half
// of one test and the lower half of the next.
template <Placement placement, class Key>
std::size_t ScanFor(const Key* keys, std::size_t last, const Key& key)
{
    std::size_t j = 1;
    if constexpr (std::is_same_v<Key, double>)
        j = FirstBlockWithFit<placement>(keys, last, key);
    auto keyToLow = key <=> keys[j - 1];
    for (; j <= last; ++j) {
        const auto keyToHigh = key <=> keys[j];
        if (FitsBetween<placement>(keyToLow, keyToHigh))
            return j;
        keyToLow = keyToHigh;
    }
    return 0;
}

// Sentinel insertion of `count` input entries. keyOfEntry(i) gives the key of
// input entry i (from 1); sentinelKeys() gives the {low, high} sentinel keys
// and is called only when there is an entry to place, so an empty input
// computes no key at all. Each entry's key is computed once, then its scan
// starts at j = 1 and stops at the first pair of neighbours that encloses it;
// an entry that fits nowhere is left out. `observer` is told of the work
// done (see scan_counts.h).
// Returns the input positions of the placed entries, in ascending key order.
template <Placement placement, class KeyOfEntry, class SentinelKeys, class Observer>
std::vector<std::int32_t> SentinelInsertionOrder(std::int32_t count, KeyOfEntry keyOfEntry,
                                                 SentinelKeys sentinelKeys, Observer& observer)
{
    if (count <= 0)
        return {};
    using Key = decltype(keyOfEntry(1));
    auto [low, high] = sentinelKeys();
    SentinelList<Key> list(count, std::move(low), std::move(high));
    for (std::int32_t i = 1; i <= count; ++i) {
        Key key = keyOfEntry(i);
        const std::size_t after = ScanFor<placement>(list.Keys(), list.Size() - 1, key);
        if (after != 0) {
            observer.Placed(after, list.Size());
            list.InsertAfter(after, std::move(key), i);
        } else {
            observer.Dropped(list.Size());
        }
    }
    observer.KeysComputed(count + std::int64_t{2});
    return list.PlacedPositions();
}

}  // namespace sentinel
