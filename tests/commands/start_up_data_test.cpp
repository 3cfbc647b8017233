// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "runtime/vector3.h"
#include "support/form.h"

namespace sentinel {
namespace {

TEST(FormLoad, ListsTheTwentyOneVectorTextsAsTheWorkingList)
{
    const FormState form = LoadedForm();
    EXPECT_EQ(form.List1.Rows(), kStartUpTexts);
    EXPECT_EQ(Texts(form.colItems), kStartUpTexts);
    EXPECT_TRUE(form.List2.Rows().empty());
    EXPECT_TRUE(form.List3.Rows().empty());
    for (const Label* label : {&form.lblSortTime, &form.Lbl1, &form.Lbl2, &form.Lbl3})
        EXPECT_EQ(label->Caption(), u"Label1");
}

// The generator's start state is fixed, so these are the numbers of every start.
TEST(FormLoad, DrawsTheSameWholeNumbersOnEveryStart)
{
    const FormState form = LoadedForm();
    EXPECT_EQ(Texts(form.colAngles), (std::vector<Text>{u"14", u"2", u"17", u"4", u"13", u"0", u"2", u"14", u"11",
                                                        u"19", u"3", u"16", u"8", u"11", u"12", u"4", u"17", u"3",
                                                        u"0", u"12", u"16"}));
    ASSERT_EQ(form.aAngles.size(), 21U);
    for (std::size_t k = 0; k < 21; ++k) {
        EXPECT_TRUE(form.aAngles[k] >= 0 && form.aAngles[k] < 20) << k;
        EXPECT_EQ(std::get<Single>(form.colAngles->Item(static_cast<std::int32_t>(k) + 1)),
                  std::nearbyint(form.aAngles[k]))
            << "rounded to a whole number, halves to even";
    }
}

TEST(FormatVector, JoinsTheRoundedComponents)
{
    EXPECT_EQ(FormatVector(MakeVector(20, 20, 30), 0), u"20,20,30");
    EXPECT_EQ(FormatVector(MakeVector(-120, 20, 31), 0), u"-120,20,31");
    EXPECT_EQ(FormatVector(MakeVector(2.5F, 3.5F, -2.5F), 0), u"2,4,-2");
    EXPECT_EQ(FormatVector(MakeVector(1.25F, -0.4F, 0), 1), u"1.2,-0.4,0");
}

}  // namespace
}  // namespace sentinel
