// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "cost/inputs.h"
#include "sorting/routines.h"
#include "sorting/sort_family.h"
#include "sorting/stable_floor.h"

namespace sentinel::bench {

// Sorts keys, and the companion where the routine takes one.
using PairSort = std::function<void(CollectionRef& keys, CollectionRef& companion)>;

struct Benched {
    std::string name;
    PairSort sentinel;  // the routine as the demo calls it
    PairSort counted;  // the same, its work counted
    PairSort floor;
    InputKind kind;
    std::int32_t size;
};

inline PairSort OneList(void (*sort)(CollectionRef&))
{
    return [sort](CollectionRef& keys, CollectionRef&) { sort(keys); };
}

inline Benched Measured(sentinel::Routine routine, PairSort sentinel, InputKind kind, std::int32_t size = 1000)
{
    return {std::string(NameOf(routine)), std::move(sentinel),
            [routine](CollectionRef& k, CollectionRef& c) { SortCounted(routine, k, c, 0); },
            [routine](CollectionRef& k, CollectionRef& c) { FloorSort(routine, k, c, 0); }, kind, size};
}

// 1,000 number texts, words and vector texts, and 21 paired whole numbers,
// as the explorer makes them.
inline std::vector<Benched> Routines()
{
    using enum sentinel::Routine;
    return {
        Measured(Numbers, OneList(SortNumbers), InputKind::Numbers),
        Measured(NumbersUnique, OneList(SortNumbersUnique), InputKind::Numbers),
        Measured(Strings, OneList(SortStrings), InputKind::Words),
        Measured(StringsUnique, OneList(SortStringsUnique), InputKind::Words),
        Measured(ByField, [](CollectionRef& k, CollectionRef&) { SortByField(k, 0); }, InputKind::Vectors),
        Measured(ByFieldUnique, [](CollectionRef& k, CollectionRef&) { SortByFieldUnique(k, 0); }, InputKind::Vectors),
        Measured(Pairs, SortPairsByNumber, InputKind::Pairs, 21),
        Measured(PairsUnique, SortPairsByNumberUnique, InputKind::Pairs, 21),
    };
}

}  // namespace sentinel::bench
