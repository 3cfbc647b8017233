// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "cost/inputs.h"
#include "cost/text_file.h"
#include "sorting/routines.h"

namespace sentinel {

// The limits and defaults of a plan, for the window and the command line alike.
inline constexpr std::int32_t kLargestSize = static_cast<std::int32_t>(kMostEntries);
inline constexpr int kMostRepeats = 100;
inline constexpr int kDefaultRepeats = 5;
inline constexpr std::int32_t kDefaultSmallest = 250;
inline constexpr std::int32_t kDefaultLargest = 16000;
inline constexpr Shape kDefaultShapes[] = {Shape::Random, Shape::Ascending, Shape::Descending};
inline constexpr std::int32_t kDefaultOrderSweepSize = 2000;

// The routine a kind is measured with unless others are chosen: the one the
// demo runs on such data.
Routine DefaultRoutine(InputKind kind);

// The routine whose key a file's lines take, by most of its lines that are
// not blank: number texts (SortNumbers), comma-separated fields whose first
// is a number (SortByField), or words (SortStrings).
Routine RoutineForEntries(const std::vector<Text>& entries);

// What to measure: every routine on every shape at every size, `repeat`
// times, on one input per shape and size that all routines share.
struct SweepPlan {
    std::vector<Routine> routines;
    InputKind kind = InputKind::Numbers;
    // When the kind is File: the file's path, and its lines, shared by every
    // copy of the plan rather than copied with it.
    std::string inputPath;
    std::shared_ptr<const std::vector<Text>> fileEntries;
    std::vector<Shape> shapes;
    std::vector<std::int32_t> sizes;
    int repeat = kDefaultRepeats;
    std::uint64_t seed = 20261208;

    // Inputs made at two or more chosen levels of sortedness, at one size.
    bool IsOrderSweep() const;
    // The file's lines; none when no file is read.
    const std::vector<Text>& FileEntries() const;
    // Takes the file's lines as the input.
    void UseFile(std::string path, std::vector<Text> entries);
    void UseFile(std::string path, std::shared_ptr<const std::vector<Text>> entries);
};

// Whether a shape applies to an input kind: a file is measured as given,
// made input in a made shape.
bool FitsInput(const Shape& shape, InputKind kind);
// The shapes and sizes a plan measures when none are chosen: a file's whole
// as given; made input at the default shapes and sizes.
std::vector<Shape> DefaultShapesFor(const SweepPlan& plan);
std::vector<std::int32_t> DefaultSizesFor(const SweepPlan& plan);

// The plan measured when nothing else is chosen: the default routine on
// random, ascending and descending number texts at the default sizes.
SweepPlan DefaultPlan();

// The input a plan measures in a shape at size n: made from the plan's seed,
// or the first n entries of its file. Made input differs from one repetition
// to the next (from 1; 0 warms up), so that no repetition times an input the
// processor has learned; a file's is the same each time.
Input PlanInput(const SweepPlan& plan, const Shape& shape, std::int32_t n, int repetition = 1);

// from, 2 from, 4 from, ... while below `to`, and `to` itself.
std::vector<std::int32_t> DoublingSizes(std::int32_t from, std::int32_t to);
// kDefaultSmallest, doubling up to kDefaultLargest.
std::vector<std::int32_t> DefaultSizes();

// Raises InputError when the plan cannot be measured: no routine, shape or
// size; a size outside 1 to kLargestSize or beyond the file; a shape other
// than "as given" for a file, or "as given" for made data.
void CheckPlan(const SweepPlan& plan);

}  // namespace sentinel
