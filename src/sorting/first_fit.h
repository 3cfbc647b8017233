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

}  // namespace sentinel
