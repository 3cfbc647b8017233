// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>

#include "sorting/first_fit.h"
#include "sorting/scan_paths.h"

// The scan of the list for an entry's first fit, a block of positions at a
// time. It finds the same first fit as FirstFitFrom (first_fit.h), the
// plain statement of the scan; only how many positions it compares at once
// differs. The block searches themselves are compiled once per vector width
// (block_kernels.inc) and chosen at run time (scan_paths.h).

namespace sentinel {

// The scan of j = `from` to `last` for the first j whose neighbours enclose the
// key, a block at a time over `blockKeys`: the list's keys, or numbers that
// keep their order only weakly (`weak`). compareAt tests exactly (see
// FirstFitFrom). The list is in order, so no fit lies before the first
// position that reaches the key (for a strict fit of exact keys, the first
// that passes it), and one compare a position, a block at a time, finds it.
// An inclusive scan of exact keys ends there: the positions before it lie
// below the key. Otherwise it tests one position at a time from there (the
// block search leaves a range shorter than a block untested): the first
// fits, unless the key lies below the low sentinel. A strict scan of exact
// keys ends there too unless the position before equals the key; then, and
// for weak keys, it goes on by blocks whose neighbours may enclose the key,
// so a key already placed has the rest of the list scanned a block at a
// time, as the algorithm scans it.
// Whether a block search's answer is a position it tested that reaches the
// key: it tests every position it returns past `from`, and returns last + 1
// when none reaches.
inline bool TestedReach(std::size_t reached, std::size_t from, std::size_t last)
{
    return reached > from && reached <= last;
}

template <Placement placement, bool weak, class CompareAt>
std::size_t ScanBlocks(const BlockKernels& kernels, const double* blockKeys, std::size_t from, std::size_t last,
                       double blockKey, CompareAt compareAt)
{
    if constexpr (placement == Placement::Inclusive) {
        const std::size_t reached = kernels.reachAtLeast(blockKeys, from, last, blockKey);
        if (!weak && TestedReach(reached, from, last))
            return reached;
        return FirstFitFrom<placement>(reached, last, compareAt);
    } else {
        // With keys that keep their order only weakly, a block may enclose the key inclusively alone.
        const auto reach = weak ? kernels.reachAtLeast : kernels.reachAbove;
        const auto fit = weak ? kernels.fitInclusive : kernels.fitStrict;
        const std::size_t reached = reach(blockKeys, from, last, blockKey);
        // The position before it does not pass the key: the gap fits unless they are equal.
        if (!weak && TestedReach(reached, from, last) && blockKeys[reached - 1] < blockKey)
            return reached;
        from = reached;
        while (true) {
            from = fit(blockKeys, from, last, blockKey);
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
