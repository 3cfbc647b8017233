// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "commands/string_ordering.h"
#include "support/form.h"

namespace sentinel {
namespace {

TEST(HiLoTest, ListsTheSixTextsAndFiveComparisons)
{
    const std::vector<Text> expected = {
        u"-999", u"999", u"zzzz", u"zzz", u"aaa", u"a", u"str1<str2 ;True", u"str3<str2 ;False",
        u"str5<str4 ;True", u"str2<str4 ;True", u"str5>str6 ;True",
    };
    FormState form = LoadedForm();
    const CollectionRef items = form.colItems;
    CmdHiLo_Click(form);
    EXPECT_EQ(form.List1.Rows(), expected);
    CmdHiLo_Click(form);
    EXPECT_EQ(form.List1.Rows(), expected) << "cleared first, not appended";
    EXPECT_EQ(form.colItems, items);
    EXPECT_EQ(Texts(form.colItems), kStartUpTexts);
    EXPECT_EQ(form.Lbl1.Caption(), u"Label1");
}

}  // namespace
}  // namespace sentinel
