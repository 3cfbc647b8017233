#pragma once

#include "cost/command_line.h"

namespace sentinel {

// Runs the command line's sweep with no window: prints the summary table
// and writes the CSV and the chart. Returns the exit status: 0, or 2 when
// the input cannot be measured or a file cannot be written, after one line
// on standard error; then nothing is written. The chart needs a
// QApplication, which may run on the offscreen platform.
int RunHeadless(const CommandLine& line);

}  // namespace sentinel
