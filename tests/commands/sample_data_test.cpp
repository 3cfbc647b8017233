// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "commands/sample_data.h"
#include "support/form.h"

namespace sentinel {
namespace {

// 1 to 9999 with no leading zero, right-aligned to at least three characters.
bool IsNumberText(TextView text)
{
    const TextView digits = text.substr(std::min(text.find_first_not_of(u' '), text.size()));
    return text.size() == std::max<std::size_t>(digits.size(), 3) && digits.size() <= 4 && AllDigits(digits)
        && digits.front() != u'0';
}

bool IsWord(TextView text)
{
    return text.size() == 4 && std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'A' && c <= u'Z'; });
}

TEST(CreateNumber, MakesAThousandNumberTextsAndListsOtherDraws)
{
    FormState form = LoadedForm();
    CmdCreateNumber_Click(form);
    const auto items = Texts(form.colItems);
    ASSERT_EQ(items.size(), 1000U);
    ASSERT_EQ(form.List1.Rows().size(), 1000U);
    EXPECT_TRUE(std::all_of(items.begin(), items.end(), IsNumberText));
    EXPECT_TRUE(std::all_of(form.List1.Rows().begin(), form.List1.Rows().end(), IsNumberText));
    EXPECT_NE(form.List1.Rows(), items) << "List1 shows separate draws";
    EXPECT_GT(std::set<Text>(items.begin(), items.end()).size(), 500U) << "re-seeding must not repeat values";
    EXPECT_EQ(form.Lbl1.Caption(), u"unSort Num= 1000");
    EXPECT_TRUE(IsElapsedTimeText(form.lblSortTime.Caption())) << Printable(form.lblSortTime.Caption());
    EXPECT_GE(form.sngElapsed, 0.0F);
    EXPECT_EQ(form.Lbl2.Caption(), u"Label1");
    EXPECT_EQ(form.colAngles->Count(), 21);
}

TEST(CreateNumber, OneDrawStandsForOneToNineThousandNineHundredNinetyNine)
{
    EXPECT_EQ(WholeNumberFromDraw(0.0F), 1);
    EXPECT_EQ(WholeNumberFromDraw(0.5F), 5000);
    EXPECT_EQ(WholeNumberFromDraw(std::nextafter(1.0F, 0.0F)), 9999);
}

TEST(CreateString, MakesAThousandWordsListedInOrder)
{
    FormState form = LoadedForm();
    CmdCreateString_Click(form);
    const auto items = Texts(form.colItems);
    ASSERT_EQ(items.size(), 1000U);
    EXPECT_EQ(form.nStringCount, 1000);
    EXPECT_EQ(form.List1.Rows(), items);
    EXPECT_TRUE(std::all_of(items.begin(), items.end(), IsWord));
    EXPECT_EQ(form.Lbl1.Caption(), u"Label1");
    EXPECT_EQ(form.lblSortTime.Caption(), u"Label1");

    CmdCreateString_Click(form);
    EXPECT_EQ(form.colItems->Count(), 1000) << "a second run replaces, nothing accumulates";
}

TEST(CreateString, EveryLetterTurnsUpInEveryPosition)
{
    FormState form = LoadedForm();
    std::map<std::pair<int, char16_t>, int> counts;
    for (int run = 0; run < 4; ++run) {
        CmdCreateString_Click(form);
        for (const Text& word : Texts(form.colItems))
            for (int position = 0; position < 4; ++position)
                ++counts[{position, word[static_cast<std::size_t>(position)]}];
    }
    ASSERT_EQ(counts.size(), 4U * 26U);
    for (const auto& [key, count] : counts)
        EXPECT_NEAR(count, 4000 / 26, 70) << "position " << key.first << " letter " << char(key.second);
}

}  // namespace
}  // namespace sentinel
