// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/form_state.h"

namespace sentinel {

// Four random capitals "A" to "Z". Clears List1 and re-seeds the generator
// from the clock on every call.
Text RandomWord(FormState& form);

// The whole number 1 to 9999 that one draw r, 0 <= r < 1, stands for.
std::int32_t WholeNumberFromDraw(Single draw);

// A random whole number from 1 to 9999 as text, right-aligned to at least 3
// characters. Re-seeds the generator from the clock on every call.
Text RandomNumberText(FormState& form);

// Timed: 1,000 number texts as colItems and 1,000 other draws in List1, then
// Lbl1 = "unSort Num= 1000".
void CmdCreateNumber_Click(FormState& form);

// 1,000 words as colItems, listed in List1. Not timed; sets no label.
void CmdCreateString_Click(FormState& form);

}  // namespace sentinel
