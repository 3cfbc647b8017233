// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

#include "explorer/shared/pages.h"
#include "model/results_store.h"

namespace sentinel {

class ChartPanel;

// The explorer's charts, each a panel of its own with its legend, as the
// window shows them and the command line exports them.
struct CostCharts {
    ChartPanel* time;
    ChartPanel* steps;
    ChartPanel* ratio;
    ChartPanel* order;

    // The chart of a chart's page; none for a page that is no chart.
    ChartPanel* Chart(PageId page) const;
};
CostCharts CreateCostCharts();

// Draws the measurements on every chart, on logarithmic axes labelled at the
// sizes measured (or at 1, 2 and 5 times the powers of ten) and in the units
// people read:
//   time:  each routine and shape's median as a line with its markers, the
//          spread of its repetitions as a band, its floor dashed, the growth
//          exponent with its 95 % interval and R² in the legend and the cost
//          model in the legend's tooltip; faint reference slopes of n,
//          n log n and n²;
//   steps: the scan's steps, with the exact n(n+1)/2 (ascending) and n
//          (descending) dotted on top, and the legend saying how many
//          points lie on them;
//   ratio: each routine's time over its floor's;
//   order: as order_chart.h says.
// Colours are by routine (by shape when there is one routine), markers by
// shape. Past eight series, those of routines after the first start hidden;
// the legend shows or hides any. With a run laid over the one shown, both
// are drawn, each series named after its run and coloured by run and
// routine. No run shown draws empty charts.
void DrawCharts(const CostCharts& charts, const RunResults* shown, const RunResults* overlaid = nullptr);

// What a median's marker says when the pointer rests on it: the series, n,
// the median, the middle half of the repetitions and how many there were.
QString PointTip(const QString& series, const SizePoint& point);

}  // namespace sentinel
