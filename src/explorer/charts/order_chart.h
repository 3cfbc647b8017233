// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/results_store.h"

namespace sentinel {

class ChartPanel;

// Cost against order at one n: the steps, moves and entries really shifted
// of every input measured there, against its sortedness, beside the law's
// two lines, steps = n + s n(n-1)/2 and moves = n + (1 - s) n(n-1)/2; the
// time on an axis of its own on the right.
void DrawOrderChart(ChartPanel& panel, const RunResults& results);

}  // namespace sentinel
