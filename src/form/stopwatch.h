// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/form_state.h"

namespace sentinel {

// The stopwatch of the timed commands. It reads a monotonic clock, so a step
// that spans midnight or a clock change still measures its true length.
void StartStopwatch(FormState& form);
// Stores the seconds since the start in sngElapsed and shows them in lblSortTime.
void StopStopwatch(FormState& form);

// "Elapsed time:  " + seconds in the picture "0.000000" + " seconds".
Text ElapsedTimeText(Single seconds, char16_t decimalSeparator);

}  // namespace sentinel
