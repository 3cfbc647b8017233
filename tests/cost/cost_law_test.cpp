// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The law of the cost, computed from the input alone, against the counters.
#include <gtest/gtest.h>

#include "cost/cost_law.h"
#include "cost/text_file.h"
#include "sorting/routine_keys.h"
#include "support/model_inputs.h"

namespace sentinel {
namespace {

TEST(CostLaw, PredictsTheCountersOfEveryRoutineOnEveryGeneratedInput)
{
    for (const Routine routine : kRoutinesAndVariants) {
        InputMaker maker(static_cast<unsigned>(routine) + 101);
        for (int run = 0; run < 400; ++run) {
            SortCall call{routine, {}, {}, static_cast<std::int16_t>(maker.Uniform(0, 2))};
            call.entries = maker.Input(TakesField(routine), model::KeyOf(call));
            CollectionRef items = std::make_shared<Collection>(call.entries);
            CollectionRef companion = std::make_shared<Collection>(call.entries);
            ScanCounts counts;
            try {
                counts = SortCounted(routine, items, companion, call.fieldIndex);
            } catch (const RuntimeError&) {
                EXPECT_THROW(ApplyCostLaw(routine, call.entries, call.fieldIndex), RuntimeError);
                continue;
            }
            const CostLaw law = ApplyCostLaw(routine, call.entries, call.fieldIndex);
            EXPECT_TRUE(law.predicted.Matches(counts)) << NameOf(routine) << " run " << run << ": steps "
                                                       << law.predicted.steps << " against " << counts.steps
                                                       << ", moves " << law.predicted.moves << " against "
                                                       << counts.moves;
        }
    }
}

std::vector<Value> Numbers(std::initializer_list<int> keys)
{
    std::vector<Value> entries;
    for (const int key : keys)
        entries.emplace_back(WholeNumberText(key));
    return entries;
}

// Ties are unordered, so equal keys read as descending; below two keys there is no order.
TEST(CostLaw, MeasuresOrderedPairsAndSortedness)
{
    const auto order = [](std::initializer_list<int> keys) {
        return ApplyCostLaw(Routine::Numbers, Numbers(keys), 0).order;
    };
    EXPECT_EQ(order({1, 2, 3, 4}).orderedPairs, 6);
    EXPECT_EQ(order({1, 2, 3, 4}).sortedness, 1.0);
    EXPECT_EQ(order({4, 3, 2, 1}).sortedness, 0.0);
    EXPECT_EQ(order({5, 5, 5}).unorderedPairs, 3);
    EXPECT_EQ(order({5, 5, 5}).sortedness, 0.0);
    EXPECT_EQ(order({2, 1, 3}).orderedPairs, 2);  // (2,3) and (1,3)
    EXPECT_EQ(order({2, 1, 3}).sortedness, 2.0 / 3);
    EXPECT_EQ(order({7}).sortedness, std::nullopt);
    EXPECT_EQ(order({}).sortedness, std::nullopt);
}

// On distinct keys within the sentinels: steps = n + A and moves = n + U.
TEST(CostLaw, StepsAndMovesSplitTheSameWork)
{
    std::vector<Value> entries;
    std::mt19937 engine(600);
    std::vector<int> keys(600);
    std::iota(keys.begin(), keys.end(), 1);
    std::shuffle(keys.begin(), keys.end(), engine);
    for (const int key : keys)
        entries.emplace_back(WholeNumberText(key));
    const CostLaw law = ApplyCostLaw(Routine::Numbers, entries, 0);
    EXPECT_EQ(law.predicted.steps, 600 + law.order.orderedPairs);
    EXPECT_EQ(law.predicted.moves, 600 + law.order.unorderedPairs);
    EXPECT_EQ(law.predicted.steps + law.predicted.moves, 600 * 603 / 2);
    EXPECT_EQ(ApplyCostLaw(Routine::Numbers, {}, 0).predicted.keys, 0);
    EXPECT_EQ(ApplyCostLaw(Routine::ByField, {}, 7).predicted.keys, 0) << "no key read, not even a sentinel's";
}

// A strict routine drops a key equal to its high sentinel: the sentinel's
// own gap is the only one, and the test there is strict. Under the
// inclusive routine the same key fits.
TEST(CostLaw, AKeyEqualToTheHighSentinelIsDroppedOnlyByAStrictRoutine)
{
    const Sentinels& sentinels = SentinelsOf(Routine::StringsUnique);
    const std::vector<Value> atHigh(3, sentinels.high);
    const CostLaw strict = ApplyCostLaw(Routine::StringsUnique, atHigh, 0);
    EXPECT_EQ(strict.drops.atSentinel, 3);
    EXPECT_EQ(strict.drops.aboveHigh, 0);
    EXPECT_EQ(strict.predicted.dropped, 3);
    const std::string low = ToUtf8(TextOf(sentinels.low));
    const std::string high = ToUtf8(TextOf(sentinels.high));
    EXPECT_EQ(DropWarning(Routine::StringsUnique, strict),
              "all 3 keys equal a sentinel; SortStringsUnique keeps only keys between " + low + " and " + high);

    const CostLaw inclusive = ApplyCostLaw(Routine::Strings, atHigh, 0);
    EXPECT_EQ(inclusive.predicted.dropped, 0);
    EXPECT_EQ(DropWarning(Routine::Strings, inclusive), std::nullopt);
}

}  // namespace
}  // namespace sentinel
