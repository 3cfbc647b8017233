// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "runtime/user_text.h"

namespace sentinel {
namespace {

// Each placeholder is filled once, in one pass: an argument is taken
// literally, even one that holds a placeholder of its own.
TEST(Substituted, TakesEachArgumentLiterally)
{
    EXPECT_EQ(Substituted("%1 could not be written: %2", {"a%2.txt", "No space"}), "a%2.txt could not be written: No space");
    EXPECT_EQ(Substituted("%2 before %1", {"one", "two"}), "two before one");
    EXPECT_EQ(Substituted("100 % of %1, %3", {"n"}), "100 % of n, %3") << "a placeholder past the arguments stays";
    EXPECT_EQ(Substituted("ends in %", {"x"}), "ends in %");
    EXPECT_EQ(Substituted(u"%1: %2", {u"\u00e4%1", u"b"}), u"\u00e4%1: b");
}

}  // namespace
}  // namespace sentinel
