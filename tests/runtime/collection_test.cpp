// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "runtime/collection.h"
#include "runtime/runtime_error.h"
#include "support/text.h"

namespace sentinel {
namespace {

void ExpectPositionError(const std::function<void()>& operation)
{
    try {
        operation();
        ADD_FAILURE() << "no error raised";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Kind(), ErrorKind::PositionOutOfRange);
    }
}

TEST(Collection, AddsAtTheEndAndAfterAPosition)
{
    Collection c;
    c.Add(Text(u"a"));
    c.Add(Text(u"c"));
    c.AddAfter(Text(u"b"), 1);
    c.AddAfter(Text(u"d"), 3);
    ASSERT_EQ(c.Count(), 4);
    EXPECT_EQ(std::get<Text>(c.Item(1)), u"a");
    EXPECT_EQ(std::get<Text>(c.Item(2)), u"b");
    EXPECT_EQ(std::get<Text>(c.Item(3)), u"c");
    EXPECT_EQ(std::get<Text>(c.Item(4)), u"d");
    c.Remove(1);
    c.Remove(c.Count());
    EXPECT_EQ(Texts(std::make_shared<Collection>(c)), (std::vector<Text>{u"b", u"c"}));
}

TEST(Collection, PositionsOutsideOneToCountFailAndChangeNothing)
{
    Collection c;
    ExpectPositionError([&] { (void)c.Item(1); });
    ExpectPositionError([&] { c.AddAfter(Text(u"x"), 0); });
    ExpectPositionError([&] { c.Remove(1); });
    c.Add(Single{7});
    for (const std::int32_t bad : {0, -1, 2, INT32_MIN, INT32_MAX}) {
        ExpectPositionError([&] { (void)c.Item(bad); });
        ExpectPositionError([&] { c.AddAfter(Text(u"x"), bad); });
        ExpectPositionError([&] { c.Remove(bad); });
    }
    ASSERT_EQ(c.Count(), 1);
    EXPECT_EQ(std::get<Single>(c.Item(1)), 7.0F);
}

TEST(Collection, ReferencesShareAndEnsureCreatesOnlyWhenMissing)
{
    CollectionRef none;
    EXPECT_EQ(ContentsOf(none).Count(), 0);
    EXPECT_EQ(none, nullptr) << "reading must not create";
    Ensure(none).Add(Text(u"x"));
    ASSERT_NE(none, nullptr);
    CollectionRef shared = none;
    Ensure(shared).Add(Text(u"y"));
    EXPECT_EQ(none->Count(), 2) << "both references see one collection";
}

}  // namespace
}  // namespace sentinel
