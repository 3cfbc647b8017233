// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/form_state.h"

namespace sentinel {

// The window's load handler: the 21 start-up vectors, their texts as colItems
// and as the rows of List1, and 21 whole numbers from 0 to 20 drawn from the
// generator before it is ever re-seeded, so the same on every run.
void Form_Load(FormState& form);

}  // namespace sentinel
