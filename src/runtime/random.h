// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "runtime/value.h"

namespace sentinel {

// SplitMix64, drawing Singles r with 0 <= r < 1 from the top 24 bits of each
// 64-bit output. Every generator starts in the same fixed state, so the draws
// before the first re-seeding are the same in every run.
class Random {
public:
    Random();

    // Mixes the seed into the current state: the draws that follow depend on
    // the seed, and re-seeding twice with one seed still gives fresh values.
    void Reseed(Single seed);

    // The next value of the sequence.
    Single Draw();

    // With argument 0 the value produced most recently, again, without
    // advancing (before any draw, a value fixed by the start state); with any
    // other argument the next value.
    Single Draw(std::int32_t argument);

private:
    std::uint64_t state_;
    Single last_;
};

}  // namespace sentinel
