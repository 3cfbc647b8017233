// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <vector>

#include "cost/plan.h"

namespace sentinel {

// A plan as stored between runs of the program: a text value by key
// (routines, kind, input, shapes, sizes, repeat), lists comma-separated.
using StoredPlan = std::map<std::string, std::string>;

StoredPlan StorePlan(const SweepPlan& plan);

// The plan stored, and a sentence for each value that fell back.
struct RecalledPlan {
    SweepPlan plan;
    std::vector<std::string> fallbacks;
};

// Reads a stored plan back, reading its file again. A value that cannot be
// read or no longer makes sense (a name that is gone, a size out of range)
// falls back to its default and the valid ones are kept; a file that is
// gone or unreadable falls back to made number texts. What is recalled
// always passes CheckPlan. Missing keys fall back silently.
RecalledPlan RecallPlan(const StoredPlan& stored);

}  // namespace sentinel
