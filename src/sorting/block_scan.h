#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "sorting/first_fit.h"

// The scan of the list for an entry's first fit, a block of positions at a
// time. It finds the same first fit as FirstFitFrom (first_fit.h), the
// plain statement of the scan; only how many positions it compares at once
// differs.

namespace sentinel {

// Positions compared at once: one compare a position while looking for the
// block that reaches the key, two (both neighbours) while looking for a
// block whose neighbours may enclose it.
inline constexpr std::size_t kReachBlock = 16;
inline constexpr std::size_t kFitBlock = 8;

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

// Tests the positions from `from` a block of kFitBlock at a time and returns
// the first position of the block that holds the first fit, or of the last,
// partial block.
template <Placement placement>
std::size_t FirstBlockWithFit(const double* keys, std::size_t from, std::size_t last, double key)
{
    std::size_t j = from;
    for (; j + kFitBlock - 1 <= last; j += kFitBlock) {
        auto fits = FitsAtPair<placement>(keys, j, key);
        for (std::size_t pair = 1; pair < kFitBlock / 2; ++pair)
            fits |= FitsAtPair<placement>(keys, j + 2 * pair, key);
        if (fits[0] | fits[1])
            break;
    }
    return j;
}

// Tests the positions a block of kReachBlock at a time for the first j with
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
            const std::size_t to = std::min(last, from + kFitBlock - 1);
            if (const std::size_t j = FirstFitFrom<placement>(from, to, compareAt))
                return j;
            if (to == last)
                return 0;
            from = to + 1;
        }
    }
}

}  // namespace sentinel
