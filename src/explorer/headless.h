// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/command_line.h"

namespace sentinel {

// Runs the command line's sweep with no window: prints the summary table
// and writes the CSV and the chart (of cost against order for an order
// sweep). Returns the exit status: 0; 1, after the files are written, when
// a result differs from the floor's or counts differ from the law's
// prediction (a fault of the program, named in one line on standard error);
// or 2 when the input cannot be measured, or an output cannot be written
// (named with the system's reason; the other outputs are still written).
// The chart needs a QApplication, which may run on the offscreen platform.
int RunHeadless(const CommandLine& line);

}  // namespace sentinel
