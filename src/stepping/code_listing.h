// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <vector>

#include "runtime/value.h"
#include "stepping/step_through.h"

namespace sentinel {

// What a line of a routine's pseudo-code does, so that each event of a run
// finds its line. A Comment, and a Plain line that only holds the
// structure together, are lit by no event.
enum class CodeStep {
    Comment, Plain, Sentinels, Key, ScanOn, GoRight, GoLeft, Test, Insert, DropBeyond, DropRepeated, Done
};

struct CodeLine {
    int indent;  // in levels
    Text text;
    CodeStep step;
};

// The routine's pseudo-code, written for this program: 8 to 15 lines.
std::vector<CodeLine> CodeOf(Routine routine);

// The line (from 0) that the run shown after `events` events is at: the
// sentinels' line before the first event, the last line after the last,
// otherwise the line of the last event.
std::size_t LineAt(const StepThrough& run, std::size_t events);

// The values of that moment, e.g. "entry 5 of 21: 30,40,30 · k = 30 ·
// gap 3: list[2] = 20, list[3] = 30 · m = 4 placed · steps 10 · moves 10".
Text ValuesAt(const StepThrough& run, std::size_t events);

}  // namespace sentinel
