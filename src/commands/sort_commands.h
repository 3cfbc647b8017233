// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/form_state.h"

namespace sentinel {

// Working-list commands: clear the result list, time the sort of colItems,
// show the time, list every entry, then set the count label.
void CmdSortNum_Click(FormState& form);            // SortNumbers -> List2, "unSort Num= "
void cmdDuplicate_Click(FormState& form);          // SortNumbersUnique -> List3, "dulpictate Num= "
void CmdSortStr_Click(FormState& form);            // SortStrings -> List2, "unSort Num= "
void CmdSortStr_Duplicate_Click(FormState& form);  // SortStringsUnique -> List3, "Duplicate Str Num= "

// Vector commands: not timed, clear nothing, set no label; their rows are
// appended below what the list already shows.
void CmdSort_Click(FormState& form);             // colItems by field 0 -> List2, "i= 1 ;str= ..."
void CmdRemoveDuplicate_Click(FormState& form);  // the same, unique -> List3
void CmdSortAng_Click(FormState& form);          // colAngles alone -> List2, "angle;item"
void Command1_Click(FormState& form);            // colAngles with colItems, unique -> List3

}  // namespace sentinel
