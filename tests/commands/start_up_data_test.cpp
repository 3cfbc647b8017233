#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "form/vector3.h"
#include "runtime/conversions.h"
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

TEST(FormLoad, DrawsTheSameWholeNumbersOnEveryStart)
{
    const FormState form = LoadedForm();
    ASSERT_EQ(form.aAngles.size(), 21U);
    ASSERT_EQ(form.colAngles->Count(), 21);
    EXPECT_EQ(form.aAngles[0], Random().Draw(0) * 20) << "the first draw repeats the start state's value";
    for (std::int32_t k = 1; k <= 21; ++k) {
        const Single angle = std::get<Single>(form.colAngles->Item(k));
        EXPECT_EQ(angle, RoundHalfEven(form.aAngles[static_cast<std::size_t>(k - 1)], 0));
        EXPECT_GE(angle, 0.0F);
        EXPECT_LE(angle, 20.0F);
        EXPECT_EQ(angle, std::floor(angle));
    }
    EXPECT_EQ(Texts(LoadedForm().colAngles), Texts(form.colAngles));
    std::set<Single> distinct(form.aAngles.begin(), form.aAngles.end());
    EXPECT_GT(distinct.size(), 15U) << "21 draws, not one value repeated";
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
