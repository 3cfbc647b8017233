// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "cost/cost_law.h"
#include "cost/inputs.h"
#include "stepping/step_through.h"
#include "sorting/sort_keys.h"
#include "support/text.h"

namespace sentinel {
namespace {

std::vector<double> KeysOf(const Input& input)
{
    std::vector<double> keys;
    for (const Value& entry : input.entries)
        keys.push_back(NumericKey(entry));
    return keys;
}

TEST(MadeInputs, HaveTheShapesTheyAreNamedFor)
{
    const std::int32_t n = 10000;
    const std::vector<double> few = KeysOf(MakeInput(InputKind::Numbers, Shape::Few, n, 1));
    EXPECT_EQ(std::set<double>(few.begin(), few.end()).size(), 100U) << "the square root of n keys";

    const std::vector<double> equal = KeysOf(MakeInput(InputKind::Numbers, Shape::Equal, n, 2));
    EXPECT_EQ(std::set<double>(equal.begin(), equal.end()).size(), 1U);

    const std::vector<double> nearly = KeysOf(MakeInput(InputKind::Numbers, Shape::Nearly, n, 3));
    std::vector<double> sorted = nearly;
    std::sort(sorted.begin(), sorted.end());
    std::size_t moved = 0;
    for (std::size_t i = 0; i < sorted.size(); ++i)
        moved += sorted[i] != nearly[i];
    EXPECT_GT(moved, 0U);
    EXPECT_LE(moved, std::size_t{n} / 100) << "at most 1 % out of place";
    EXPECT_EQ(std::set<double>(nearly.begin(), nearly.end()).size(), std::size_t{n}) << "distinct keys";

    const Input pairs = MakeInput(InputKind::Pairs, Shape::Random, 50, 4);
    EXPECT_EQ(pairs.companion.size(), 50U);
    EXPECT_TRUE(std::holds_alternative<Single>(pairs.entries.front()));
    const Input words = MakeInput(InputKind::Words, Shape::Ascending, 50, 5);
    EXPECT_TRUE(std::is_sorted(words.entries.begin(), words.entries.end(),
                               [](const Value& a, const Value& b) { return TextOf(a) < TextOf(b); }));
}

// Every level of an order sweep at n = 2,000 lands on its sortedness, and
// the shapes of ordered keys keep them distinct.
TEST(MadeInputs, OrderSweepReachesEachLevel)
{
    for (const Shape& shape : OrderSweepShapes(0, 1, 11)) {
        const Input input = MakeInput(InputKind::Numbers, shape, 2000, 9);
        const auto sortedness = ApplyCostLaw(Routine::Numbers, input.entries, 0).order.sortedness;
        ASSERT_TRUE(sortedness);
        EXPECT_NEAR(*sortedness, shape.parameter, 0.02) << NameOf(shape);
    }
    for (const Shape& shape : MadeShapes()) {
        if (!HasDistinctKeys(shape))
            continue;
        const std::vector<double> keys = KeysOf(MakeInput(InputKind::Numbers, shape, 999, 8));
        EXPECT_EQ(std::set<double>(keys.begin(), keys.end()).size(), 999U) << NameOf(shape);
    }
    const std::vector<double> organ = KeysOf(MakeInput(InputKind::Numbers, Shape::OrganPipe, 9, 7));
    const auto peak = std::max_element(organ.begin(), organ.end());
    EXPECT_TRUE(std::is_sorted(organ.begin(), peak + 1) && std::is_sorted(organ.rbegin(), std::make_reverse_iterator(peak)));
}

// What the step-through writes out: the tests, the reasons for drops, and
// the counts after every event.
TEST(StepThrough, WritesOutTheTestsAndWhyEntriesAreDropped)
{
    StepInput input{Routine::NumbersUnique, 0, {}, {}};
    for (const char16_t* entry : {u"5", u"3", u"5", u"-100000000000000"})
        input.entries.emplace_back(Text(entry));
    const StepThrough run(input);
    ASSERT_EQ(run.Result(), (std::vector<Text>{u"3", u"5"}));

    StepThrough::Frame frame = run.At(run.EndOfEntry(0) - 1);  // the first entry's last test
    EXPECT_EQ(frame.test, u"-99999999999999 < 5 < 99999999999999 \u2192 fits");
    frame = run.At(run.Events());
    ASSERT_EQ(frame.dropped.size(), 2U);
    EXPECT_EQ(frame.dropped[0].reason, u"key already placed");
    EXPECT_EQ(frame.dropped[1].reason, u"below the low sentinel");
    // Steps: 5 fits at 1; 3 fits at 1; the second 5 and the lowest fail at 3
    // positions each. The key store moves the shorter side of a list this
    // short: the low sentinel, once for each entry placed.
    EXPECT_EQ(frame.counts, (ScanCounts{6, 1 + 1 + 3 + 3, 2, 2, 1 + 2, 2}));
    EXPECT_EQ(run.At(0).list, (std::vector<std::int32_t>{0, -1}));
}

// Each reason by name, at the sentinels' own keys and one past them; the
// strip counts every position a dropped entry's scan tested.
TEST(StepThrough, NamesEachReasonForADropAtTheSentinels)
{
    const struct {
        Routine routine;
        const char16_t* entry;
        const char16_t* reason;  // nullptr: placed
    } cases[] = {
        {Routine::NumbersUnique, u"-99999999999999", u"equal to a sentinel"},
        {Routine::NumbersUnique, u"99999999999999", u"equal to a sentinel"},
        {Routine::NumbersUnique, u"-100000000000000", u"below the low sentinel"},
        {Routine::NumbersUnique, u"100000000000000", u"above the high sentinel"},
        {Routine::Numbers, u"-99999999999999", nullptr},  // inclusive: a sentinel's own key is placed
        {Routine::Numbers, u"99999999999999", nullptr},
        {Routine::Numbers, u"100000000000000", u"above the high sentinel"},
        {Routine::Strings, u"0", nullptr},
        {Routine::Strings, u"/", u"below the low sentinel"},  // the unit just below "0"
        {Routine::Strings, u"ZZZZZZZZZZZZZ", nullptr},
        {Routine::Strings, u"ZZZZZZZZZZZZZZ", u"above the high sentinel"},
        {Routine::StringsUnique, u"ZZZZZZZZZZZZZ", u"equal to a sentinel"},
    };
    for (const auto& c : cases) {
        StepInput input{c.routine, 0, {Value(Text(u"7")), Value(Text(c.entry))}, {}};
        const StepThrough run(input);
        const StepThrough::Frame frame = run.At(run.Events());
        const std::string name = std::string(NameOf(c.routine)) + " " + Printable(c.entry);
        if (!c.reason) {
            EXPECT_TRUE(frame.dropped.empty()) << name;
            continue;
        }
        ASSERT_EQ(frame.dropped.size(), 1U) << name;
        EXPECT_EQ(frame.dropped[0].reason, c.reason) << name;
        EXPECT_EQ(frame.entrySteps[1], 2) << name << ": every position of a list of three";
        EXPECT_TRUE(frame.entryDropped[1]) << name;
    }
}

}  // namespace
}  // namespace sentinel
