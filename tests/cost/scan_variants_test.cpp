// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The two variants of SortNumbers: the scan from the high end and the
// search by halving. What each gives for equal keys, what its floor is, and
// its counts against the law on every shape, the order sweep and repeats.
#include <gtest/gtest.h>

#include "cost/cost_law.h"
#include "cost/inputs.h"
#include "cost/measurement.h"
#include "sorting/first_fit.h"
#include "sorting/sort_family.h"
#include "sorting/stable_floor.h"

namespace sentinel {
namespace {

std::vector<Text> Sorted(Routine routine, std::vector<Text> texts, ScanCounts* counts = nullptr)
{
    CollectionRef items = std::make_shared<Collection>(std::vector<Value>(texts.begin(), texts.end()));
    CollectionRef companion;
    const ScanCounts counted = SortCounted(routine, items, companion, 0);
    if (counts)
        *counts = counted;
    std::vector<Text> result;
    for (std::int32_t i = 1; i <= ContentsOf(items).Count(); ++i)
        result.push_back(TextOf(ContentsOf(items).Item(i)));
    return result;
}

std::vector<Text> Floor(Routine routine, const std::vector<Text>& texts)
{
    CollectionRef items = std::make_shared<Collection>(std::vector<Value>(texts.begin(), texts.end()));
    CollectionRef companion;
    FloorSort(routine, items, companion, 0);
    std::vector<Text> result;
    for (std::int32_t i = 1; i <= ContentsOf(items).Count(); ++i)
        result.push_back(TextOf(ContentsOf(items).Item(i)));
    return result;
}

// Equal keys: the front scan and halving put a later one first, the high end
// keeps input order; each equals its own floor, and the high end's result is
// not the front scan's floor, so a floor of the wrong kind would be caught.
TEST(ScanVariants, EachGivesTheResultItStatesForEqualKeys)
{
    const std::vector<Text> input = {u"5 b", u"5 a", u"3", u"5 c", u"99999999999999", u"-99999999999999", u"100000000000000"};
    const std::vector<Text> reversed = {u"-99999999999999", u"3", u"5 c", u"5 a", u"5 b", u"99999999999999"};
    const std::vector<Text> inOrder = {u"-99999999999999", u"3", u"5 b", u"5 a", u"5 c", u"99999999999999"};
    EXPECT_EQ(Sorted(Routine::Numbers, input), reversed);
    EXPECT_EQ(Sorted(Routine::NumbersBinary, input), reversed) << "halving finds the first fit";
    EXPECT_EQ(Sorted(Routine::NumbersFromHigh, input), inOrder) << "the last fit: ties in input order";
    for (const Routine routine : kRoutinesAndVariants) {
        if (!TakesText(routine) && !TakesField(routine) && !IsPaired(routine) && !IsStrict(routine)) {
            EXPECT_EQ(Floor(routine, input), Sorted(routine, input)) << NameOf(routine);
        }
    }
    EXPECT_EQ(EqualKeysOf(Routine::NumbersFromHigh), EqualKeys::InputOrder);
    EXPECT_NE(Floor(Routine::Numbers, input), Sorted(Routine::NumbersFromHigh, input))
        << "the identity check fails against the front scan's floor";
}

// Halving m + 1 gaps tests at most floor(log2(m + 1)) + 1 of them.
TEST(ScanVariants, HalvingTestsWithinItsBound)
{
    EXPECT_EQ(HalvingBound(1), 1U);
    EXPECT_EQ(HalvingBound(2), 2U);
    EXPECT_EQ(HalvingBound(3), 2U);
    EXPECT_EQ(HalvingBound(4), 3U);
    EXPECT_EQ(HalvingBound(7), 3U);
    EXPECT_EQ(HalvingBound(8), 4U);
    // A list of keys 1 to 7 between the sentinels: eight gaps. Every key, one
    // beyond each sentinel and each equal to one, at most four tests.
    const std::vector<double> list = {-1e14 + 1, 1, 2, 3, 4, 5, 6, 7, 1e14 - 1};
    for (const double key : {-2e14, -1e14 + 1, 0.5, 1.0, 4.0, 4.5, 7.0, 1e14 - 1, 2e14}) {
        std::size_t tests = 0;
        const auto compareAt = [&](std::size_t at) { return ThreeWay(key <=> list[at]); };
        const std::size_t halved = FirstFitByHalving(8, compareAt, [&](std::size_t, int, int, bool) { ++tests; });
        EXPECT_EQ(halved, FirstFitFrom<Placement::Inclusive>(1, 8, compareAt)) << key;
        EXPECT_LE(tests, HalvingBound(8)) << key;
    }
}

// The counts against the law: every made shape, an order sweep and a file's
// repeats (the start-up data), at n = 0, 1, 2 and 300.
TEST(ScanVariants, CountsFollowTheLawOnEveryShapeAndOrder)
{
    std::vector<Shape> shapes(MadeShapes().begin(), MadeShapes().end());
    for (const Shape& level : OrderSweepShapes(0, 1, 6))
        shapes.push_back(level);
    std::vector<Input> inputs = {StartUpInput()};
    for (const Shape& shape : shapes)
        for (const std::int32_t n : {0, 1, 2, 300})
            inputs.push_back(MakeInput(InputKind::Numbers, shape, n, 7));
    for (const Routine routine : kVariants) {
        for (const Input& input : inputs) {
            CollectionRef items = std::make_shared<Collection>(input.entries);
            CollectionRef companion;
            const ScanCounts counts = SortCounted(routine, items, companion, 0);
            const CostLaw law = ApplyCostLaw(routine, input.entries, 0);
            EXPECT_TRUE(law.predicted.Matches(counts))
                << NameOf(routine) << " n " << input.entries.size() << ": steps " << counts.steps << " against "
                << law.predicted.steps << ", moves " << counts.moves << " against " << law.predicted.moves;
            if (routine == Routine::NumbersFromHigh) {
                EXPECT_EQ(counts.steps, counts.moves) << "walking down passes exactly the entries to shift";
            }
            EXPECT_EQ(Measure(routine, InputKind::Numbers, Shape::Random, input, 1).scan, ScanPath::Generic)
                << "a variant runs on no vector path, and says so";
        }
    }
    // Sorted input: the front scan's worst case is the high end's best.
    const Input ascending = MakeInput(InputKind::Numbers, Shape::Ascending, 1000, 1);
    EXPECT_EQ(ApplyCostLaw(Routine::NumbersFromHigh, ascending.entries, 0).predicted.steps, 1000);
    EXPECT_EQ(ApplyCostLaw(Routine::Numbers, ascending.entries, 0).predicted.steps, 1000 + 1000 * 999 / 2);
}

}  // namespace
}  // namespace sentinel
