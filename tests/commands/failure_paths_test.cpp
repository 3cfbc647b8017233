// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every failure a command can meet, and exactly what it leaves behind: the
// rows of the three lists, the four labels, and colItems and colAngles.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "runtime/conversions.h"
#include "runtime/runtime_error.h"
#include "commands/sort_commands.h"
#include "support/form.h"

namespace sentinel {
namespace {

using Rows = std::vector<Text>;

struct Snapshot {
    Rows list1, list2, list3;
    Text lblSortTime, lbl1, lbl2, lbl3;
    CollectionRef items, angles;
    Rows itemTexts, angleTexts;

    explicit Snapshot(const FormState& form)
        : list1(form.List1.Rows()), list2(form.List2.Rows()), list3(form.List3.Rows()),
          lblSortTime(form.lblSortTime.Caption()), lbl1(form.Lbl1.Caption()), lbl2(form.Lbl2.Caption()),
          lbl3(form.Lbl3.Caption()), items(form.colItems), angles(form.colAngles), itemTexts(Texts(form.colItems)),
          angleTexts(Texts(form.colAngles))
    {
    }
};

// Texts "39999" down to "00000": distinct keys in descending order both as
// numbers and as text, so every routine places each one first, at once.
std::vector<Value> DescendingTexts(int count)
{
    std::vector<Value> texts;
    for (int i = count - 1; i >= 0; --i) {
        Text text = RightAlign(WholeNumberText(i), 5);
        std::replace(text.begin(), text.end(), u' ', u'0');
        texts.emplace_back(std::move(text));
    }
    return texts;
}

std::vector<Value> DescendingNumbers(int count)
{
    std::vector<Value> numbers;
    for (int i = count - 1; i >= 0; --i)
        numbers.emplace_back(static_cast<Single>(i));
    return numbers;
}

struct FailureRow {
    const char* name;
    std::function<void(FormState&)> arrange;
    Handler command;
    ErrorKind error;
    // Turns the state before the command into the state the failure leaves.
    std::function<void(Snapshot&)> expect;
    bool timeShown = false;  // lblSortTime got a new elapsed time
};

TEST(FailurePaths, EachLeavesExactlyTheStatedState)
{
    const auto tooLongItems = [](FormState& form) { form.colItems = std::make_shared<Collection>(DescendingTexts(40000)); };
    const auto sortedItems = [](Snapshot& s) {
        std::reverse(s.itemTexts.begin(), s.itemTexts.end());
        s.items = nullptr;  // a new collection
    };
    const FailureRow rows[] = {
        {"SortNum, 40000 entries", tooLongItems, CmdSortNum_Click, ErrorKind::Overflow,
         [&](Snapshot& s) { s.list2.clear(); sortedItems(s); }, true},
        {"DuplicateNum, 40000 entries", tooLongItems, cmdDuplicate_Click, ErrorKind::Overflow,
         [&](Snapshot& s) { s.list3.clear(); sortedItems(s); }, true},
        {"SortStr, 40000 entries", tooLongItems, CmdSortStr_Click, ErrorKind::Overflow,
         [&](Snapshot& s) { s.list2.clear(); sortedItems(s); }, true},
        {"SortStr_Duplicate, 40000 entries", tooLongItems, CmdSortStr_Duplicate_Click, ErrorKind::Overflow,
         [&](Snapshot& s) { s.list3.clear(); sortedItems(s); }, true},
        {"Sort, an empty text has no field 0",
         [](FormState& form) { form.colItems->Add(Text()); }, CmdSort_Click, ErrorKind::PositionOutOfRange,
         [](Snapshot&) {}},
        {"RemoveDuplicate, index beyond a short text",
         [](FormState& form) { form.colItems->Add(Text()); }, CmdRemoveDuplicate_Click,
         ErrorKind::PositionOutOfRange, [](Snapshot&) {}},
        {"SortAng, fewer items than angles",
         [](FormState& form) { form.colItems = TextsCollection({u"a", u"b", u"c"}); }, CmdSortAng_Click,
         ErrorKind::PositionOutOfRange,
         [](Snapshot& s) {
             s.angleTexts = {u"0",  u"0",  u"2",  u"2",  u"3",  u"3",  u"4",  u"4",  u"8",  u"11", u"11",
                             u"12", u"12", u"13", u"14", u"14", u"16", u"16", u"17", u"17", u"19"};
             s.angles = nullptr;
             s.list2.insert(s.list2.end(), {u"0;a", u"0;b", u"2;c"});  // the rows before the missing fourth item
         }},
        {"SortAng_Duplicate, fewer items than angles",
         [](FormState& form) { form.colItems = TextsCollection({u"a", u"b", u"c"}); }, Command1_Click,
         ErrorKind::PositionOutOfRange, [](Snapshot&) {}},
        {"SortAng, 40000 angles",
         [](FormState& form) { form.colAngles = std::make_shared<Collection>(DescendingNumbers(40000)); },
         CmdSortAng_Click, ErrorKind::Overflow,
         [](Snapshot& s) {
             std::reverse(s.angleTexts.begin(), s.angleTexts.end());
             s.angles = nullptr;
         }},
        {"SortAng_Duplicate, 40000 pairs",
         [](FormState& form) {
             form.colAngles = std::make_shared<Collection>(DescendingNumbers(40000));
             form.colItems = std::make_shared<Collection>(DescendingTexts(40000));
         },
         Command1_Click, ErrorKind::Overflow,
         [&](Snapshot& s) {
             std::reverse(s.angleTexts.begin(), s.angleTexts.end());
             s.angles = nullptr;
             sortedItems(s);
         }},
    };
    for (const auto& row : rows) {
        FormState form = LoadedForm();
        form.List2.AddItem(u"earlier row");
        form.List3.AddItem(u"earlier row");
        form.Lbl2.SetCaption(u"earlier count");
        form.Lbl3.SetCaption(u"earlier count");
        row.arrange(form);
        Snapshot expected(form);
        row.expect(expected);
        try {
            row.command(form);
            ADD_FAILURE() << row.name << ": no error";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Kind(), row.error) << row.name;
        }
        const Snapshot actual(form);
        EXPECT_EQ(actual.list1, expected.list1) << row.name;
        EXPECT_EQ(actual.list2, expected.list2) << row.name;
        EXPECT_EQ(actual.list3, expected.list3) << row.name;
        EXPECT_EQ(actual.lbl1, expected.lbl1) << row.name;
        EXPECT_EQ(actual.lbl2, expected.lbl2) << row.name;
        EXPECT_EQ(actual.lbl3, expected.lbl3) << row.name;
        if (row.timeShown)
            EXPECT_TRUE(IsElapsedTimeText(actual.lblSortTime)) << row.name;
        else
            EXPECT_EQ(actual.lblSortTime, expected.lblSortTime) << row.name;
        EXPECT_EQ(actual.itemTexts, expected.itemTexts) << row.name;
        EXPECT_EQ(actual.angleTexts, expected.angleTexts) << row.name;
        // Failing inside a routine keeps the reference; failing after it, the new collection stays.
        EXPECT_EQ(actual.items == expected.items, expected.items != nullptr) << row.name;
        EXPECT_EQ(actual.angles == expected.angles, expected.angles != nullptr) << row.name;
    }
}

TEST(FailurePaths, TheNumberedVectorRowsCountPast32767)
{
    FormState form = LoadedForm();
    form.colItems = std::make_shared<Collection>(DescendingTexts(40000));
    CmdSort_Click(form);
    ASSERT_EQ(form.List2.Rows().size(), 40000U);
    EXPECT_EQ(form.List2.Rows().back(), u"i= 40000 ;str= 39999");
}

}  // namespace
}  // namespace sentinel
