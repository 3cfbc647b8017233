// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/form_state.h"

namespace sentinel {

// Refills List1 with six fixed texts and five binary comparisons between
// them, each as its label followed by True or False. Touches nothing else.
void CmdHiLo_Click(FormState& form);

}  // namespace sentinel
