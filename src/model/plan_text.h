// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cost/plan.h"

namespace sentinel {

// A plan's lists as the command line and the stored settings write them:
// comma-separated names and numbers. Both read them here, so they accept
// the same plans. An item named twice is taken once.

// The items read, or why the list cannot be: `problem` names the item
// refused, for a line after the option's or setting's name.
template <class Item>
struct ReadList {
    std::vector<Item> items;
    std::string problem;  // empty when every item was read
};

std::vector<std::string_view> SplitAtCommas(std::string_view list);
ReadList<Routine> ReadRoutines(std::string_view list);
ReadList<Shape> ReadShapes(std::string_view list);
// Sizes from 1 to kLargestSize.
ReadList<std::int32_t> ReadSizes(std::string_view list);

// A whole number from low to high, or its problem.
ReadList<int> ReadWholeNumber(std::string_view text, int low, int high);

std::string RoutinesText(const std::vector<Routine>& routines);
std::string ShapesText(const std::vector<Shape>& shapes);
std::string SizesText(const std::vector<std::int32_t>& sizes);

// The plan as the command line's options that give it: "--routines
// SortNumbers --kind numbers --shapes random --sizes 250,500 --repeat 5",
// a file as --input.
std::string PlanArguments(const SweepPlan& plan);

}  // namespace sentinel
