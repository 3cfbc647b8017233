// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/command_line.h"

namespace sentinel {

class CostWindow;

// Brings a window to what the command line asks: the plan it gives, ready
// to run; else, unless told not to, a first look at the plan shown.
void Launch(CostWindow& window, const CommandLine& line);

}  // namespace sentinel
