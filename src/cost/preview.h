// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "cost/plan.h"

namespace sentinel {

// What a plan will do, told before it runs.

// About how many seconds the plan takes on this machine: each measurement's
// steps, as the law of the cost finds them in the input it will measure,
// times the seconds a step takes here, as a short probe of each routine on
// the plan's own kind of input finds; the floor beside it as n log n. Above
// 8,192 entries the steps are scaled from the input's first 8,192 by n
// squared. The plan must pass CheckPlan. Raises InputError, naming the
// routine, when a routine cannot take the input (as DropWarnings does).
double EstimateSeconds(const SweepPlan& plan);

// The same estimate for one repetition of each routine, shape and size.
using Estimates = std::map<std::tuple<Routine, Shape, std::int32_t>, double>;
Estimates EstimateEach(const SweepPlan& plan);
// The seconds of `repeat` repetitions of each.
double TotalSeconds(const Estimates& estimates, int repeat);

// One line for each routine that would drop more than half of the plan's
// largest input for being beyond or at a sentinel (see DropWarning): a
// file's read whole, made keys by a sample.
std::vector<std::string> DropWarnings(const SweepPlan& plan);

// "under a second", "about 40 s", "about 3 min".
std::string Duration(double seconds);

}  // namespace sentinel
