// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <vector>

#include "runtime/random.h"
#include "runtime/vector3.h"

namespace sentinel {

inline constexpr std::size_t kStartUpCount = 21;

// The 21 vectors every start begins with: not ordered by any field, with
// repeats (indices 10 and 11 are the same).
std::array<Vector3, kStartUpCount> StartUpVectors();

// The same vectors as texts, "x,y,z" in whole numbers.
std::vector<Text> StartUpVectorTexts();

// The 21 start-up numbers, each 20 times a draw of `generator`: the first is
// Draw(0), the value its start state holds, then Draw(1) to Draw(20). From a
// generator that was never re-seeded they are the same on every run.
std::vector<Single> DrawStartUpNumbers(Random& generator);

}  // namespace sentinel
