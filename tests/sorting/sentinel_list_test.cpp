// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The key store against a plain vector of the same entries, and the scan's
// edges where the store's two runs meet.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "runtime/conversions.h"
#include "sorting/sentinel_list.h"
#include "sorting/sort_family.h"
#include "support/text.h"

namespace sentinel {
namespace {

constexpr double kLow = -1e300;
constexpr double kHigh = 1e300;

// The list as a plain vector of {key, input position}, sentinels included.
struct Entry {
    double key;
    std::int32_t position;
    bool operator==(const Entry&) const = default;
};

class StoreAndModel {
public:
    explicit StoreAndModel(std::int32_t entries, Settling settling = Settling::InRuns)
        : store(entries, kLow, kHigh, 0, -1, settling)
    {
    }

    // Inserts at list index j, as the scan would tell the store.
    std::size_t InsertAt(std::size_t j, double key)
    {
        const std::size_t recent = store.RecentBefore(j);
        model.insert(model.begin() + static_cast<std::ptrdiff_t>(j), Entry{key, ++inserted});
        return store.InsertAt(j - recent, recent, key, inserted);
    }

    // Every reading of the store agrees with the model.
    void ExpectSame(const std::string& when) const
    {
        ASSERT_EQ(store.Size(), model.size()) << when;
        std::vector<std::int32_t> placed;
        for (std::size_t k = 1; k + 1 < model.size(); ++k)
            placed.push_back(model[k].position);
        EXPECT_EQ(store.PlacedPositions(), placed) << when;
        KeysDownward downward(store);
        for (std::size_t k = model.size(); k-- > 0;) {
            EXPECT_EQ(store.KeyAt(k), model[k].key) << when << ", index " << k;
            EXPECT_EQ(downward.At(k), model[k].key) << when << ", downward at " << k;
        }
        for (std::size_t r = 0; r < store.RecentSize(); ++r) {
            const std::size_t index = r + store.SettledBefore(r);
            EXPECT_EQ(store.RecentKeys()[r], model[index].key) << when << ", recent " << r;
            EXPECT_EQ(store.RecentPosition(r), model[index].position) << when << ", recent " << r;
        }
    }

    SentinelList store;
    std::vector<Entry> model{{kLow, 0}, {kHigh, -1}};
    std::int32_t inserted = 0;
};

TEST(SentinelList, AgreesWithAPlainListWhereverEntriesGo)
{
    std::mt19937 random(20261209);
    for (const std::int32_t entries : {1, 7, 8, 9, 60, 700}) {
        StoreAndModel list(entries, entries == 60 ? Settling::AtOnce : Settling::InRuns);
        for (std::int32_t i = 0; i < entries; ++i) {
            // Anywhere, and often at either end of the list.
            const std::size_t last = list.model.size() - 1;
            const int where = static_cast<int>(random() % 4);
            const std::size_t j =
                where == 0 ? 1 : where == 1 ? last : 1 + static_cast<std::size_t>(random() % last);
            list.InsertAt(j, static_cast<double>(i));
            ASSERT_NO_FATAL_FAILURE(list.ExpectSame(std::to_string(entries) + " entries, insertion " +
                                                    std::to_string(i + 1)));
        }
    }
}

TEST(SentinelList, SortedInputMovesOnlyTheSentinelWhenTheRecentRunMerges)
{
    // The shortest recent run is eight entries; the eighth merges it.
    StoreAndModel ascending(20);
    StoreAndModel descending(20);
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(ascending.InsertAt(ascending.model.size() - 1, i), 0U) << "appended to the recent run";
        EXPECT_EQ(descending.InsertAt(1, -i), 0U) << "put before the recent run";
    }
    // The eight entries move in, and the high (low) sentinel moves past them.
    EXPECT_EQ(ascending.InsertAt(ascending.model.size() - 1, 8), 8U + 1U);
    EXPECT_EQ(descending.InsertAt(1, -8), 8U + 1U);
    for (const StoreAndModel* list : {&ascending, &descending}) {
        EXPECT_EQ(list->store.RecentSize(), 0U);
        EXPECT_EQ(list->store.SettledSize(), 10U);
        list->ExpectSame("after the merge");
    }
}

TEST(SentinelList, AMergeLeavesTheLongestStretchInPlace)
{
    StoreAndModel list(40);
    for (int i = 1; i <= 8; ++i)
        list.InsertAt(list.model.size() - 1, i);  // settled: low, 1 .. 8, high
    ASSERT_EQ(list.store.SettledSize(), 10U);
    // Seven entries between settled 5 and 6, one between low and 1: the
    // stretch of 5 settled entries (1 to 5) stays, low moves down past one
    // entry and 6 .. high (four) move up past seven. The last of the seven
    // goes in before the other six, moving the first entry of the run.
    list.InsertAt(1, 0.5);
    for (int i = 0; i < 6; ++i)
        list.InsertAt(7, 5.5 - i * 0.01);
    EXPECT_EQ(list.InsertAt(7, 5.001), 1U + 8U + 1U + 4U);
    list.ExpectSame("after the second merge");
    // The run's first and last places, and the first and last gaps of the list.
    for (const std::size_t j : {std::size_t{1}, list.model.size() - 1, std::size_t{2}, list.model.size() - 2})
        list.InsertAt(j, 0);
    list.ExpectSame("after insertions at both ends");
}

TEST(SentinelList, SettlingAtOnceMovesTheShorterSideOfTheList)
{
    StoreAndModel list(10, Settling::AtOnce);
    EXPECT_EQ(list.InsertAt(1, 1), 1U) << "the high sentinel, in a list of two";
    EXPECT_EQ(list.InsertAt(1, 0), 1U) << "the low sentinel";
    EXPECT_EQ(list.InsertAt(3, 2), 1U) << "the high sentinel again";
    EXPECT_EQ(list.InsertAt(2, 0.5), 2U) << "the low sentinel and 0, before 1, 2 and high";
    EXPECT_EQ(list.store.RecentSize(), 0U);
    list.ExpectSame("after four insertions");
}

// Entries whose keys are i, as number texts.
CollectionRef NumberTexts(const std::vector<int>& keys)
{
    std::vector<Value> entries;
    for (const int k : keys)
        entries.emplace_back(WholeNumberText(k));
    return std::make_shared<Collection>(entries);
}

TEST(SentinelList, EqualKeysMeetAcrossTheSettledAndRecentEntries)
{
    // Eight distinct keys merge; then keys equal to a settled one and to a recent one.
    const std::vector<int> keys = {10, 20, 30, 40, 50, 60, 70, 80, 40, 45, 45, 40, 90};
    CollectionRef inclusive = NumberTexts(keys);
    CollectionRef noCompanion;
    const ScanCounts counts = SortCounted(Routine::Numbers, inclusive, noCompanion, 0);
    // Equal keys come out in the reverse of their input order.
    EXPECT_EQ(Entries(inclusive), Entries(NumberTexts({10, 20, 30, 40, 40, 40, 45, 45, 50, 60, 70, 80, 90})));
    EXPECT_EQ(counts.placed, 13);

    CollectionRef unique = NumberTexts(keys);
    const ScanCounts uniqueCounts = SortCounted(Routine::NumbersUnique, unique, noCompanion, 0);
    EXPECT_EQ(Entries(unique), Entries(NumberTexts({10, 20, 30, 40, 45, 50, 60, 70, 80, 90})));
    // Then: 40 again, a settled key, dropped after all 9 gaps; 45 placed at
    // gap 5; 45 again, a recent key, dropped after all 10; 40 again, 10;
    // 90 placed at gap 10.
    EXPECT_EQ(uniqueCounts.dropped, 3);
    EXPECT_EQ(uniqueCounts.steps, (1 + 2 + 3 + 4 + 5 + 6 + 7 + 8) + 9 + 5 + 10 + 10 + 10);
}

TEST(SentinelList, WordsEqualAmongTheRecentEntriesAreComparedWhole)
{
    // Alike in their first four letters, so the scan tells them apart by the whole text.
    std::vector<Value> entries;
    for (const char16_t* word : {u"AAAA", u"BBBB", u"CCCC", u"DDDD", u"EEEE", u"FFFF", u"GGGG", u"HHHH",
                                 u"CCCCB", u"CCCCA", u"CCCCB", u"CCCCC"})
        entries.emplace_back(Text(word));
    CollectionRef words = std::make_shared<Collection>(entries);
    CollectionRef noCompanion;
    SortCounted(Routine::StringsUnique, words, noCompanion, 0);
    EXPECT_EQ(Entries(words), (std::vector<Value>{Text(u"AAAA"), Text(u"BBBB"), Text(u"CCCC"), Text(u"CCCCA"),
                                                  Text(u"CCCCB"), Text(u"CCCCC"), Text(u"DDDD"), Text(u"EEEE"),
                                                  Text(u"FFFF"), Text(u"GGGG"), Text(u"HHHH")}));
}

}  // namespace
}  // namespace sentinel
