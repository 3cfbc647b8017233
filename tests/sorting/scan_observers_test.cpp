// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "sorting/sort_family.h"
#include "support/text.h"

namespace sentinel {

void PrintTo(const ScanCounts& c, std::ostream* out)
{
    *out << "{keys " << c.keys << ", steps " << c.steps << ", placed " << c.placed << ", dropped " << c.dropped
         << ", moves " << c.moves << ", shifted " << c.shifted << "}";
}

namespace {

// An entry with whole-number key k (0 <= k < 26^3) for the routine: the
// number's text, a three-letter word, a record with k in field 0, or a Single.
Value EntryWithKey(Routine routine, int k)
{
    const std::string digits = std::to_string(k);
    const Text number(digits.begin(), digits.end());
    if (TakesText(routine))
        return Text{static_cast<char16_t>(u'A' + k / 676), static_cast<char16_t>(u'A' + k / 26 % 26),
                    static_cast<char16_t>(u'A' + k % 26)};
    if (TakesField(routine))
        return number + u",0,0";
    if (IsPaired(routine))
        return static_cast<Single>(k);
    return number;
}

ScanCounts CountsFor(Routine routine, const std::vector<int>& keys)
{
    std::vector<Value> entries;
    for (const int k : keys)
        entries.push_back(EntryWithKey(routine, k));
    CollectionRef items = std::make_shared<Collection>(entries);
    CollectionRef companion = std::make_shared<Collection>(entries);
    return SortCounted(routine, items, companion, 0);
}

TEST(ScanCounts, FollowTheClosedForms)
{
    for (const Routine routine : kRoutines) {
        for (const std::int64_t n : {1, 2, 7, 300}) {
            std::vector<int> ascending(static_cast<std::size_t>(n));
            for (int i = 0; i < n; ++i)
                ascending[static_cast<std::size_t>(i)] = i + 1;
            const std::vector<int> descending(ascending.rbegin(), ascending.rend());
            const std::vector<int> equal(static_cast<std::size_t>(n), 5);
            const std::string name = std::string(NameOf(routine)) + ", n = " + std::to_string(n);

            // Each entry goes first or last among the recent entries and
            // moves nothing there; the key store moves it once when the
            // recent entries merge, and one sentinel a merge, after eight
            // entries or more.
            const auto withShifted = [](ScanCounts counts, std::int64_t shifted) {
                counts.shifted = shifted;
                return counts;
            };
            for (const ScanCounts& counts : {CountsFor(routine, ascending), CountsFor(routine, descending)})
                EXPECT_LE(counts.shifted, n + n / 8) << name;
            const ScanCounts ascendingCounts = CountsFor(routine, ascending);
            EXPECT_EQ(ascendingCounts, withShifted({n + 2, n * (n + 1) / 2, n, 0, n, 0}, ascendingCounts.shifted))
                << name;
            const ScanCounts descendingCounts = CountsFor(routine, descending);
            EXPECT_EQ(descendingCounts, withShifted({n + 2, n, n, 0, n * (n + 1) / 2, 0}, descendingCounts.shifted))
                << name;
            const ScanCounts equalCounts = CountsFor(routine, equal);
            const ScanCounts expectedEqual = IsStrict(routine) ? ScanCounts{n + 2, 1 + 2 * (n - 1), 1, n - 1, 1, 0}
                                                               : ScanCounts{n + 2, n, n, 0, n * (n + 1) / 2, 0};
            EXPECT_EQ(equalCounts, withShifted(expectedEqual, equalCounts.shifted)) << name;
            EXPECT_LE(equalCounts.shifted, n + n / 8) << name;
        }
        EXPECT_EQ(CountsFor(routine, {}), ScanCounts{}) << NameOf(routine) << ": no entry, no key";
    }
}

}  // namespace
}  // namespace sentinel
