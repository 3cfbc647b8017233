// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "stepping/step_export.h"
#include "cost/sweep.h"

namespace sentinel {

// The explorer's command line. With --csv or --chart it runs headless.
struct CommandLine {
    SweepPlan plan;  // --input, or a file named alone, is read into it
    std::string csvPath;  // "-" for standard output
    std::string chartPath;
    double budgetSeconds = 0;  // --budget: 0 for none
    // One run stepped through, exported instead of a sweep: the plan's one
    // routine on its file's entries (at most kMostStepEntries) or, with no
    // --input, on the start-up vectors.
    std::string stepCsvPath;  // --step-csv
    std::string stepGifPath;  // --step-gif
    FramesPer frames = FramesPer::Test;  // --frames
    std::int16_t fieldIndex = 0;  // --field
    bool firstLook = true;  // the window measures its plan at start when that is quick
    bool planGiven = false;  // an option or a file chose what to measure: the window shows it
    bool help = false;
    bool version = false;

    bool StepExport() const { return !stepCsvPath.empty() || !stepGifPath.empty(); }
    bool Headless() const { return !csvPath.empty() || !chartPath.empty() || budgetSeconds > 0 || StepExport(); }
};

// Reads the arguments after the program's name, and the file of --input (or
// the one file named without an option).
// Qt's own options (-platform NAME, -style NAME, ...) are passed over, for
// the window's QApplication to take. Repeated sizes are measured once.
// Raises InputError, with one line for the user, on an unknown option or
// value, a missing value, a bad number or size, a bad file, an output file
// that cannot be opened for writing (tried, then removed: nothing is left
// behind), or a plan that cannot be measured.
CommandLine ParseCommandLine(const std::vector<std::string_view>& arguments);

// What --help prints.
std::string HelpText();

}  // namespace sentinel
