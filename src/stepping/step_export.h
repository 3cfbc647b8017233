// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "stepping/step_through.h"

namespace sentinel {

inline constexpr std::string_view kStepCsvHeader = "entry,key,position,low_key,high_key,verdict,line";

// The run as a table, one row per position tested (so as many rows as the
// steps counted): the entry (its input position), its key, the position j
// tested, the keys at j - 1 and j, and the verdict: "goes on", "fits", or,
// on the last test of an entry that fits nowhere, "dropped: " and why; and
// the line of the routine's pseudo-code (code_listing.h, from 1) the test is at.
// Texts are quoted where they hold a comma, a quote or a line break.
std::string StepCsv(const StepThrough& run);

// A race's two runs in one table: a first column `pane` (left or right),
// then each run's rows as StepCsv writes them, the left pane's first.
std::string RaceCsv(const StepThrough& left, const StepThrough& right);

// Which frames an animation of the run shows, as event counts: the start,
// then every event (a key computed, a position tested, an entry placed or
// dropped), or only the end of each entry.
enum class FramesPer { Test, Entry };
inline constexpr std::size_t kMostAnimationFrames = 500;

struct FramePlan {
    std::vector<std::size_t> events;
    FramesPer per = FramesPer::Test;  // what was made: a frame per entry when a frame per test would pass the cap
};
FramePlan PlanFrames(const StepThrough& run, FramesPer asked);
// Why the plan has a frame per entry where a frame per test was asked for;
// empty when it has what was asked.
std::string FramesNote(const StepThrough& run, FramesPer asked, const FramePlan& plan);

}  // namespace sentinel
