// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "stepping/step_export.h"

namespace sentinel {

class ChartPanel;
class RunResults;
class StepView;

// What an export did: whether the file was written, and what to say of it
// (the status bar's line, or why nothing was written).
struct Exported {
    bool written = false;
    QString said;
};

// The window's exports, each to a path the user chose; what is at the path
// is written as WriteWholeFile writes it.
// The run shown, as CSV.
Exported ExportRunCsv(const RunResults* shown, const QString& path);
// The chart shown, as PNG.
Exported ExportChartPng(const ChartPanel* shown, const QString& path);
// The step-through's run (and its race), as a table of its tests.
Exported ExportStepCsv(const StepView& view, const QString& path);
// The step-through's run (and its race), as an animation.
Exported ExportStepGif(const StepView& view, const QString& path, FramesPer per);

}  // namespace sentinel
