// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <compare>
#include <cstddef>

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


// Told of each gap a scan tests: told(j, keyToLow, keyToHigh, fits).
struct NotTold {
    void operator()(std::size_t, int, int, bool) const {}
};

// The first j from `j` to `last` whose neighbours j-1 and j enclose the key,
// or 0 when none does. compareAt(at) compares the key with the list's entry
// at index `at` (three-way, as an int); each result serves as the upper half
// of one test and the lower half of the next.
template <Placement placement, class CompareAt, class Told = NotTold>
std::size_t FirstFitFrom(std::size_t j, std::size_t last, CompareAt compareAt, Told told = {})
{
    int keyToLow = compareAt(j - 1);
    for (; j <= last; ++j) {
        const int keyToHigh = compareAt(j);
        const bool fits = FitsBetween<placement>(keyToLow, keyToHigh);
        told(j, keyToLow, keyToHigh, fits);
        if (fits)
            return j;
        keyToLow = keyToHigh;
    }
    return 0;
}

// The scan from the high end: the first j from `last` down to 1 whose
// neighbours enclose the key, or 0 when none does. For equal keys that is
// the last gap that encloses the key, so they stay in their input order.
template <Placement placement, class CompareAt, class Told = NotTold>
std::size_t FirstFitFromHigh(std::size_t last, CompareAt compareAt, Told told = {})
{
    int keyToHigh = compareAt(last);
    for (std::size_t j = last; j >= 1; --j) {
        const int keyToLow = compareAt(j - 1);
        const bool fits = FitsBetween<placement>(keyToLow, keyToHigh);
        told(j, keyToLow, keyToHigh, fits);
        if (fits)
            return j;
        keyToHigh = keyToLow;
    }
    return 0;
}

// The first fit of the inclusive test found by halving the gaps 1 to `last`,
// which the list's order allows: the same j as the scan from the low end, or
// 0 when none fits, after at most floor(log2(last)) + 1 tested gaps. A gap
// that fits while its lower key equals the key is not the first: the gap
// before it fits too.
template <class CompareAt, class Told = NotTold>
std::size_t FirstFitByHalving(std::size_t last, CompareAt compareAt, Told told = {})
{
    std::size_t low = 1;
    std::size_t high = last;
    while (low <= high) {
        const std::size_t j = low + (high - low) / 2;
        const int keyToLow = compareAt(j - 1);
        const int keyToHigh = compareAt(j);
        const bool fits = FitsBetween<Placement::Inclusive>(keyToLow, keyToHigh);
        told(j, keyToLow, keyToHigh, fits);
        if (keyToHigh > 0)
            low = j + 1;
        else if (keyToLow < 0 || (keyToLow == 0 && j > 1))
            high = j - 1;
        else
            return j;
    }
    return 0;
}

// The most gaps FirstFitByHalving tests among `gaps`: floor(log2(gaps)) + 1.
inline std::size_t HalvingBound(std::size_t gaps)
{
    std::size_t tests = 0;
    for (; gaps > 0; gaps /= 2)
        ++tests;
    return tests;
}

inline int ThreeWay(std::partial_ordering order)
{
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

}  // namespace sentinel
