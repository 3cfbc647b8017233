// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "commands/sort_commands.h"
#include "support/form.h"

namespace sentinel {
namespace {

using Rows = std::vector<Text>;

const Rows kByFirstField = {
    u"-120,20,31", u"-120,20,30", u"-120,20,30", u"-30,40,32", u"-30,40,30", u"-30,40,30", u"-20,20,30",
    u"-20,20,30",  u"20,20,30",   u"20,20,30",   u"20,20,30",  u"20,20,30",  u"30,40,30",  u"30,40,30",
    u"30,40,30",   u"30,40,30",   u"30,40,30",   u"120,20,30", u"120,20,30", u"120,20,30", u"120,20,30",
};
const Rows kFirstOfEachX = {u"-120,20,30", u"-30,40,30", u"-20,20,30", u"20,20,30", u"30,40,30", u"120,20,30"};

Rows Numbered(const Rows& entries)
{
    Rows rows;
    for (std::size_t i = 0; i < entries.size(); ++i)
    {
        const std::string position = std::to_string(i + 1);
        rows.push_back(u"i= " + Text(position.begin(), position.end()) + u" ;str= " + entries[i]);
    }
    return rows;
}

Rows Repeated(const Text& text, int times)
{
    return Rows(static_cast<std::size_t>(times), text);
}

Rows Joined(std::initializer_list<Rows> parts)
{
    Rows all;
    for (const Rows& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

struct WorkingListRow {
    const char* name;
    Handler command;
    ListBox FormState::*list;
    Label FormState::*countLabel;
    Rows rows;
    Text caption;
};

TEST(WorkingListCommands, OnTheStartUpData)
{
    const WorkingListRow rows[] = {
        {"SortNum", CmdSortNum_Click, &FormState::List2, &FormState::Lbl2, kByFirstField, u"unSort Num= 21"},
        {"SortStr", CmdSortStr_Click, &FormState::List2, &FormState::Lbl2,
         Joined({Repeated(u"120,20,30", 4), Repeated(u"20,20,30", 4), Repeated(u"30,40,30", 5)}),
         u"unSort Num= 13"},
        {"DuplicateNum", cmdDuplicate_Click, &FormState::List3, &FormState::Lbl3, kFirstOfEachX,
         u"dulpictate Num= 6"},
        {"SortStr_Duplicate", CmdSortStr_Duplicate_Click, &FormState::List3, &FormState::Lbl3,
         {u"120,20,30", u"20,20,30", u"30,40,30"}, u"Duplicate Str Num= 3"},
    };
    for (const auto& row : rows) {
        FormState form = LoadedForm();
        row.command(form);
        EXPECT_EQ((form.*row.list).Rows(), row.rows) << row.name;
        EXPECT_EQ(Texts(form.colItems), row.rows) << row.name << ": the result is the new working list";
        EXPECT_EQ((form.*row.countLabel).Caption(), row.caption) << row.name;
        EXPECT_TRUE(IsElapsedTimeText(form.lblSortTime.Caption())) << row.name;
        EXPECT_EQ(form.List1.Rows(), kStartUpTexts) << row.name;
        EXPECT_EQ(form.Lbl1.Caption(), u"Label1") << row.name;
    }
}

TEST(WorkingListCommands, ClearTheirListAndRecountTheThinnedList)
{
    FormState form = LoadedForm();
    CmdSortNum_Click(form);
    CmdSortNum_Click(form);
    EXPECT_EQ(form.List2.Rows().size(), 21U) << "cleared, not appended";
    EXPECT_EQ(form.List2.Rows()[0], u"-120,20,30") << "equal keys reversed again";
    EXPECT_EQ(form.List2.Rows()[2], u"-120,20,31");
    cmdDuplicate_Click(form);
    CmdSortNum_Click(form);
    EXPECT_EQ(form.List2.Rows().size(), 6U);
    EXPECT_EQ(form.Lbl2.Caption(), u"unSort Num= 6");

    form.colItems = std::make_shared<Collection>();
    CmdSortNum_Click(form);
    EXPECT_TRUE(form.List2.Rows().empty());
    EXPECT_EQ(form.Lbl2.Caption(), u"unSort Num= 0");

    form.colItems = nullptr;
    CmdSortStr_Duplicate_Click(form);
    EXPECT_EQ(form.Lbl3.Caption(), u"Duplicate Str Num= 0");
}

TEST(VectorCommands, SortAppendsNumberedRowsAndReversesEqualKeysAgain)
{
    FormState form = LoadedForm();
    CmdSort_Click(form);
    EXPECT_EQ(form.List2.Rows(), Numbered(kByFirstField));
    CmdSort_Click(form);
    const Rows& rows = form.List2.Rows();
    ASSERT_EQ(rows.size(), 42U);
    EXPECT_EQ(Rows(rows.begin() + 21, rows.begin() + 27),
              (Rows{u"i= 1 ;str= -120,20,30", u"i= 2 ;str= -120,20,30", u"i= 3 ;str= -120,20,31",
                    u"i= 4 ;str= -30,40,30", u"i= 5 ;str= -30,40,30", u"i= 6 ;str= -30,40,32"}));
    for (const Label* label : {&form.lblSortTime, &form.Lbl1, &form.Lbl2, &form.Lbl3})
        EXPECT_EQ(label->Caption(), u"Label1");
}

TEST(VectorCommands, RemoveDuplicateKeepsTheFirstOfEachX)
{
    FormState form = LoadedForm();
    CmdRemoveDuplicate_Click(form);
    EXPECT_EQ(form.List3.Rows(), Numbered(kFirstOfEachX));
    EXPECT_EQ(Texts(form.colItems), kFirstOfEachX);
}

TEST(VectorCommands, SortAngOrdersTheNumbersAloneBesideTheUnmovedTexts)
{
    FormState form = LoadedForm();
    CmdSortAng_Click(form);
    EXPECT_EQ(form.List2.Rows(),
              (Rows{u"0;20,20,30",   u"0;30,40,30",   u"2;120,20,30",   u"2;20,20,30",   u"3;30,40,30",
                    u"3;120,20,30",  u"4;-20,20,30",  u"4;-30,40,30",   u"8;-120,20,30", u"11;20,20,30",
                    u"11;30,40,30",  u"12;30,40,30",  u"12;120,20,30",  u"13;20,20,30",  u"14;30,40,30",
                    u"14;120,20,30", u"16;-20,20,30", u"16;-30,40,30",  u"17;-120,20,30", u"17;-30,40,32",
                    u"19;-120,20,31"}));
    EXPECT_EQ(Texts(form.colItems), kStartUpTexts);
}

TEST(VectorCommands, SortAngDuplicatePairsEachNumberWithItsFirstText)
{
    FormState form = LoadedForm();
    const Rows expected = {u"0;120,20,30",  u"2;30,40,30",  u"3;30,40,30",  u"4;20,20,30",
                           u"8;120,20,30",  u"11;-120,20,30", u"12;30,40,30", u"13;30,40,30",
                           u"14;20,20,30",  u"16;30,40,30", u"17;120,20,30", u"19;20,20,30"};
    Command1_Click(form);
    EXPECT_EQ(form.List3.Rows(), expected);
    EXPECT_EQ(form.colItems->Count(), 12);
    Command1_Click(form);
    EXPECT_EQ(form.List3.Rows(), Joined({expected, expected})) << "nothing more dropped";
}

}  // namespace
}  // namespace sentinel
