// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/sort_commands.h"

#include "form/stopwatch.h"
#include "runtime/conversions.h"
#include "sorting/sort_family.h"

namespace sentinel {
namespace {

// The time shown is the sort's alone: the list is cleared before the clock
// starts, and the rows are listed after it stops.
void SortWorkingList(FormState& form, void (*sort)(CollectionRef&), ListBox& results, Label& countLabel,
                     TextView countPrefix)
{
    results.Clear();
    StartStopwatch(form);
    Ensure(form.colItems);
    sort(form.colItems);
    StopStopwatch(form);
    const std::int16_t count = ToInt16(form.colItems->Count());
    for (std::int32_t i = 1; i <= count; ++i)
        results.AddItem(TextOf(form.colItems->Item(i)));
    countLabel.SetCaption(CountCaption(countPrefix, form.colItems->Count()));
}

// Rows "i= <position> ;str= <entry>", with a 32-bit position.
void ListNumberedItems(const FormState& form, ListBox& results)
{
    const std::int32_t count = form.colItems->Count();
    for (std::int32_t i = 1; i <= count; ++i)
        results.AddItem(u"i= " + WholeNumberText(i) + u" ;str= " + TextOf(form.colItems->Item(i)));
}

// Rows "<entry i of colAngles>;<entry i of colItems>".
void ListAnglesWithItems(const FormState& form, ListBox& results)
{
    const std::int16_t count = ToInt16(form.colAngles->Count());
    for (std::int32_t i = 1; i <= count; ++i)
        results.AddItem(TextOf(form.colAngles->Item(i)) + u";" + TextOf(ContentsOf(form.colItems).Item(i)));
}

}  // namespace

void CmdSortNum_Click(FormState& form)
{
    SortWorkingList(form, SortNumbers, form.List2, form.Lbl2, u"unSort Num= ");
}

void cmdDuplicate_Click(FormState& form)
{
    SortWorkingList(form, SortNumbersUnique, form.List3, form.Lbl3, u"dulpictate Num= ");
}

void CmdSortStr_Click(FormState& form)
{
    SortWorkingList(form, SortStrings, form.List2, form.Lbl2, u"unSort Num= ");
}

void CmdSortStr_Duplicate_Click(FormState& form)
{
    SortWorkingList(form, SortStringsUnique, form.List3, form.Lbl3, u"Duplicate Str Num= ");
}

void CmdSort_Click(FormState& form)
{
    const std::int16_t firstField = 0;
    Ensure(form.colItems);
    SortByField(form.colItems, firstField);
    ListNumberedItems(form, form.List2);
}

void CmdRemoveDuplicate_Click(FormState& form)
{
    const std::int16_t firstField = 0;
    Ensure(form.colItems);
    SortByFieldUnique(form.colItems, firstField);
    ListNumberedItems(form, form.List3);
}

void CmdSortAng_Click(FormState& form)
{
    Ensure(form.colAngles);
    SortNumbers(form.colAngles);
    ListAnglesWithItems(form, form.List2);
}

void Command1_Click(FormState& form)
{
    Ensure(form.colItems);
    Ensure(form.colAngles);
    SortPairsByNumberUnique(form.colAngles, form.colItems);
    ListAnglesWithItems(form, form.List3);
}

}  // namespace sentinel
