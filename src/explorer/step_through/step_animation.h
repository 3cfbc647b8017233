// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <span>

#include "stepping/step_export.h"

namespace sentinel {

// A step-through run drawn frame by frame, as the view draws it, under its
// title and over its counts, at `width` pixels and the height of its
// tallest frame, as a looping GIF; `withCode`, the routine's code below it,
// its line lit.
struct Animation {
    QByteArray gif;  // empty when encoding failed
    QString error;
    FramePlan plan;  // what was drawn: a frame per entry when a frame per test would pass the cap
};
Animation AnimateRun(const StepThrough& run, FramesPer asked, int width, bool withCode);

// A race: the runs side by side in lockstep, each titled, each in its share
// of the width; the frames are planned on the run with the most events.
struct Titled {
    const StepThrough* run;
    QString title;
};
Animation AnimateRuns(std::span<const Titled> runs, FramesPer asked, int width, bool withCode);

// The width of an animation made with no window to take it from.
inline constexpr int kAnimationWidth = 900;

// How long a frame shows, in hundredths of a second.
inline constexpr int kTestFrameDelay = 60;
inline constexpr int kEntryFrameDelay = 120;
inline constexpr int kLastFrameDelay = 400;

}  // namespace sentinel
