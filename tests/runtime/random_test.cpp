// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "runtime/random.h"

namespace sentinel {
namespace {

TEST(Random, EveryGeneratorStartsInTheSameState)
{
    Random a;
    Random b;
    EXPECT_EQ(a.Draw(0), b.Draw(0)) << "the value before any draw is fixed";
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(a.Draw(1), b.Draw(1));
}

TEST(Random, ArgumentZeroRepeatsTheLastValueWithoutAdvancing)
{
    Random a;
    Random b;
    const Single first = a.Draw(0);
    EXPECT_EQ(a.Draw(0), first);
    const Single next = a.Draw(5);
    EXPECT_EQ(a.Draw(0), next);
    EXPECT_EQ(a.Draw(0), next);
    (void)b.Draw(0);
    EXPECT_EQ(b.Draw(), next) << "draws with 0 did not move the sequence";
}

TEST(Random, DrawsAreUniformInTheHalfOpenUnitInterval)
{
    Random random;
    int buckets[10] = {};
    constexpr int kDraws = 100000;
    for (int i = 0; i < kDraws; ++i) {
        const Single r = random.Draw();
        ASSERT_GE(r, 0.0F);
        ASSERT_LT(r, 1.0F);
        ++buckets[static_cast<int>(r * 10)];
    }
    for (const int count : buckets)
        EXPECT_NEAR(count, kDraws / 10, kDraws / 100);
}

TEST(Random, ReseedingWithOneSeedInARowStillGivesFreshValues)
{
    Random random;
    std::set<Single> values;
    for (int i = 0; i < 1000; ++i) {
        random.Reseed(43200.5F);
        values.insert(random.Draw());
    }
    EXPECT_GT(values.size(), 990U);

    Random a;
    Random b;
    a.Reseed(1.0F);
    b.Reseed(2.0F);
    EXPECT_NE(a.Draw(), b.Draw()) << "the draws depend on the seed";
}

}  // namespace
}  // namespace sentinel
