// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <map>

#include "stepping/step_through.h"

namespace sentinel {

// An exercise on a step-through: before each entry is placed, the student
// says which gap of the list it goes into, or that it is dropped, and is
// told at once whether that is right, and why, with a running score.
class PredictQuiz {
public:
    static constexpr std::size_t kDropped = 0;  // the answer "dropped", in place of a gap

    struct Verdict {
        bool right = false;
        Text text;  // e.g. "✗ At the gap you picked: -30 < 20 > -20 → goes on. …"
    };

    // Whether the frame after `events` events asks where its entry goes: its
    // key has just been computed, and it has not been answered yet.
    bool Asks(const StepThrough& run, std::size_t events) const;
    // Judges `gap` for the entry asked at `events` and keeps the verdict.
    const Verdict& Answer(const StepThrough& run, std::size_t events, std::size_t gap);
    const Verdict* VerdictOf(std::int32_t entry) const;

    int Right() const noexcept { return right_; }
    int Asked() const noexcept { return static_cast<int>(verdicts_.size()); }
    Text Score() const;  // "7 of 9"

private:
    std::map<std::int32_t, Verdict> verdicts_;  // by entry
    int right_ = 0;
};

}  // namespace sentinel
