// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cost/cost_law.h"

#include <algorithm>
#include <type_traits>

#include "cost/text_file.h"
#include "runtime/user_text.h"
#include "sorting/first_fit.h"
#include "sorting/routine_keys.h"

namespace sentinel {
namespace {

// Counts of keys by rank, with prefix sums in O(log n) (a Fenwick tree).
class RankCounts {
public:
    explicit RankCounts(std::size_t ranks) : tree_(ranks + 1, 0) {}

    void Add(std::size_t rank)
    {
        for (std::size_t i = rank + 1; i < tree_.size(); i += i & (~i + 1))
            ++tree_[i];
    }
    // How many keys added have a rank below `rank`.
    std::int64_t Below(std::size_t rank) const
    {
        std::int64_t count = 0;
        for (std::size_t i = rank; i > 0; i -= i & (~i + 1))
            count += tree_[i];
        return count;
    }

private:
    std::vector<std::int64_t> tree_;
};

// Each key's rank among the distinct keys, from 0.
template <class Key>
std::vector<std::size_t> RanksOf(const std::vector<Key>& keys, std::size_t& distinct)
{
    std::vector<Key> sorted = keys;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    distinct = sorted.size();
    std::vector<std::size_t> ranks;
    ranks.reserve(keys.size());
    for (const Key& key : keys)
        ranks.push_back(static_cast<std::size_t>(std::lower_bound(sorted.begin(), sorted.end(), key) - sorted.begin()));
    return ranks;
}

template <class Key>
OrderMeasures MeasureOrder(const std::vector<std::size_t>& ranks, std::size_t distinct)
{
    RankCounts earlier(distinct);
    OrderMeasures order;
    for (const std::size_t rank : ranks) {
        order.orderedPairs += earlier.Below(rank);
        earlier.Add(rank);
    }
    const auto n = static_cast<std::int64_t>(ranks.size());
    order.unorderedPairs = n * (n - 1) / 2 - order.orderedPairs;
    order.sortedness = SortednessOf(order.orderedPairs, n);
    return order;
}

// The law, entry by entry, with the placed keys counted by rank.
template <class Key>
Prediction Predict(const std::vector<Key>& keys, const std::vector<std::size_t>& ranks, std::size_t distinct,
                   const Key& low, const Key& high, Routine routine, Drops& drops)
{
    Prediction predicted;
    if (keys.empty())
        return predicted;
    const bool strict = IsStrict(routine);
    const ScanOrder scan = ScanOrderOf(routine);
    predicted.keys = static_cast<std::int64_t>(keys.size()) + 2;
    predicted.stepsAtMost = scan == ScanOrder::Halving;
    RankCounts placed(distinct);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const Key& key = keys[i];
        const std::int64_t m = predicted.placed;
        const std::int64_t smaller = placed.Below(ranks[i]);
        const std::int64_t notLarger = placed.Below(ranks[i] + 1);
        const bool fits = strict ? low < key && key < high && notLarger == smaller : low <= key && key <= high;
        const auto halving = static_cast<std::int64_t>(HalvingBound(static_cast<std::size_t>(m) + 1));
        if (!fits) {
            predicted.steps += scan == ScanOrder::Halving ? halving : m + 1;
            ++predicted.dropped;
            ++(key < low ? drops.belowLow : high < key ? drops.aboveHigh : key == low || key == high ? drops.atSentinel
                                                                                                    : drops.repeated);
            continue;
        }
        const std::int64_t larger = m - notLarger;
        switch (scan) {
        case ScanOrder::FromLow: predicted.steps += 1 + smaller; break;
        case ScanOrder::FromHigh: predicted.steps += 1 + larger; break;
        case ScanOrder::Halving: predicted.steps += halving; break;
        }
        predicted.moves += 1 + (strict || scan == ScanOrder::FromHigh ? larger : m - smaller);
        ++predicted.placed;
        placed.Add(ranks[i]);
    }
    return predicted;
}

}  // namespace

std::optional<std::string> DropWarning(Routine routine, const CostLaw& law)
{
    const Drops& drops = law.drops;
    const std::int64_t n = law.predicted.placed + law.predicted.dropped;
    if (2 * (drops.belowLow + drops.aboveHigh + drops.atSentinel) <= n)
        return std::nullopt;
    return DropNote(routine, law);
}

std::optional<std::string> DropNote(Routine routine, const CostLaw& law)
{
    const Drops& drops = law.drops;
    const std::int64_t n = law.predicted.placed + law.predicted.dropped;
    if (drops.belowLow + drops.aboveHigh + drops.atSentinel == 0)
        return std::nullopt;
    const auto count = [n](std::int64_t keys) {
        return keys == n ? Substituted(UserText("Drops", "all %1 keys"), {std::to_string(n)})
                         : Substituted(UserText("Drops", "%1 of %2 keys"), {std::to_string(keys), std::to_string(n)});
    };
    const Sentinels& sentinels = SentinelsOf(routine);
    const std::string low = ToUtf8(TextOf(sentinels.low));
    const std::string high = ToUtf8(TextOf(sentinels.high));
    std::string why;
    for (const auto& [keys, where] :
         {std::pair{drops.aboveHigh, Substituted(UserText("Drops", "lie above the high sentinel %1"), {high})},
          std::pair{drops.belowLow, Substituted(UserText("Drops", "lie below the low sentinel %1"), {low})},
          std::pair{drops.atSentinel, UserText("Drops", "equal a sentinel")}})
        if (keys > 0)
            why += (why.empty() ? "" : ", ") + count(keys) + " " + where;
    const std::string keeps = IsStrict(routine) ? UserText("Drops", "%1; %2 keeps only keys between %3 and %4")
                                                : UserText("Drops", "%1; %2 keeps only keys from %3 to %4");
    return Substituted(keeps, {why, NameOf(routine), low, high});
}

std::optional<double> SortednessOf(std::int64_t orderedPairs, std::int64_t n)
{
    if (n < 2)
        return std::nullopt;
    return static_cast<double>(orderedPairs) / (static_cast<double>(n) * static_cast<double>(n - 1) / 2);
}

CostLaw ApplyCostLaw(Routine routine, const std::vector<Value>& entries, std::int16_t fieldIndex)
{
    CostLaw law;
    if (entries.empty())
        return law;  // as the routine, which then reads no key, not even a sentinel's
    WithKeyOf(routine, fieldIndex, [&](auto keyOf, const Sentinels& sentinels) {
        // Texts are kept whole: a view of a number's text lives only as long as keyOf.
        using Key = std::conditional_t<std::is_same_v<decltype(keyOf(sentinels.low)), TextView>, Text, double>;
        std::vector<Key> keys;
        keys.reserve(entries.size());
        for (const Value& entry : entries)
            keys.emplace_back(keyOf(entry));
        std::size_t distinct = 0;
        const std::vector<std::size_t> ranks = RanksOf(keys, distinct);
        law.order = MeasureOrder<Key>(ranks, distinct);
        law.predicted = Predict(keys, ranks, distinct, Key(keyOf(sentinels.low)), Key(keyOf(sentinels.high)),
                                routine, law.drops);
    });
    return law;
}

}  // namespace sentinel
