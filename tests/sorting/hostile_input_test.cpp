// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Input no user of the window can type but a caller of the core can pass:
// huge texts, NULs, unpaired surrogates, numbers beyond a double, and keys at,
// just inside and just beyond the sentinels.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "runtime/conversions.h"
#include "sorting/sort_family.h"
#include "support/text.h"

namespace sentinel {
namespace {

using Rows = std::vector<Text>;

Rows Sorted(const Rows& input, const std::function<void(CollectionRef&)>& sort)
{
    CollectionRef items = TextsCollection(input);
    sort(items);
    return Texts(items);
}

TEST(HostileInput, KeysAtJustInsideAndJustBeyondTheSentinels)
{
    // Near 1e14 a double's step is 1/64, so ".02" is beyond and ".5" inside.
    const Rows numbers = {u"99999999999999",  u"99999999999998",  u"99999999999999.02",
                          u"-99999999999999", u"-99999999999998.5", u"-100000000000000"};
    EXPECT_EQ(Sorted(numbers, SortNumbers),
              (Rows{u"-99999999999999", u"-99999999999998.5", u"99999999999998", u"99999999999999"}));
    EXPECT_EQ(Sorted(numbers, SortNumbersUnique), (Rows{u"-99999999999998.5", u"99999999999998"}));

    const Text nulAfterZero(u"0\0", 2);
    const Rows texts = {u"ZZZZZZZZZZZZZ", u"ZZZZZZZZZZZZY", u"ZZZZZZZZZZZZZA", u"0", nulAfterZero, u"/"};
    EXPECT_EQ(Sorted(texts, SortStrings), (Rows{u"0", nulAfterZero, u"ZZZZZZZZZZZZY", u"ZZZZZZZZZZZZZ"}));
    EXPECT_EQ(Sorted(texts, SortStringsUnique), (Rows{nulAfterZero, u"ZZZZZZZZZZZZY"}));

    const Rows records = {u"5,99999999999999", u"5,-99999999999999", u"5,-100000000000000", u"5,0"};
    const auto byField1 = [](CollectionRef& c) { SortByField(c, 1); };
    const auto byField1Unique = [](CollectionRef& c) { SortByFieldUnique(c, 1); };
    EXPECT_EQ(Sorted(records, byField1), (Rows{u"5,-99999999999999", u"5,0", u"5,99999999999999"}));
    EXPECT_EQ(Sorted(records, byField1Unique), (Rows{u"5,0"}));
}

TEST(HostileInput, NulsAndUnpairedSurrogatesOrderByCodeUnit)
{
    const Text nulInside(u"A\0B", 3);
    const Text loneHigh(u"A\xD800", 2);  // an unpaired surrogate
    const Text loneLow(u"A\xDFFF", 2);
    EXPECT_EQ(Sorted({u"A\uFFFF", loneLow, loneHigh, nulInside, u"A"}, SortStrings),
              (Rows{u"A", nulInside, loneHigh, loneLow, u"A\uFFFF"}));
    EXPECT_EQ(Sorted({Text(u"\0", 1), u"7"}, SortStrings), (Rows{u"7"})) << "NUL sorts below \"0\"";
    EXPECT_EQ(LeadingNumber(loneHigh), 0.0);
    EXPECT_EQ(LeadingNumber(Text(u"12\xD800" u"3", 4)), 12.0);
    EXPECT_EQ(FieldAt(Text(u"\0,\xDC00", 3), 1), Text(u"\xDC00", 1));
}

TEST(HostileInput, NumbersBeyondADoubleAreDroppedNotFatal)
{
    const Text huge = Text(400, u'9');
    EXPECT_EQ(LeadingNumber(huge), std::numeric_limits<double>::infinity());
    EXPECT_EQ(Sorted({huge, u"-" + huge, u"1"}, SortNumbers), (Rows{u"1"}));
    EXPECT_EQ(Sorted({u"1," + huge, u"1,2"}, [](CollectionRef& c) { SortByFieldUnique(c, 1); }), (Rows{u"1,2"}));
}

TEST(HostileInput, MegabyteTexts)
{
    constexpr std::size_t kMegabyte = 1 << 20;
    Text blanksThenSeven(kMegabyte, u' ');
    blanksThenSeven += u"7";
    Text longA(kMegabyte, u'A');
    Text longB = longA;
    longB.back() = u'B';
    Text manyFields;
    for (std::size_t i = 0; i < kMegabyte / 2; ++i)
        manyFields += u"1,";
    manyFields += u"5";

    EXPECT_EQ(LeadingNumber(blanksThenSeven), 7.0);
    EXPECT_EQ(FieldAt(manyFields, static_cast<std::int32_t>(kMegabyte / 2)), u"5");
    EXPECT_EQ(Sorted({longB, longA, u"B"}, SortStrings), (Rows{longA, longB, u"B"}));
    EXPECT_EQ(Sorted({longB, longA}, SortStringsUnique), (Rows{longA, longB}));
    EXPECT_EQ(Sorted({blanksThenSeven, u"8", u"6"}, SortNumbers), (Rows{u"6", blanksThenSeven, u"8"}));
}

}  // namespace
}  // namespace sentinel
