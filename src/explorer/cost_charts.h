#pragma once

#include <QtGlobal>

#include <vector>

#include "cost/measurement.h"

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
QT_END_NAMESPACE

namespace sentinel {

// The time chart and the steps chart, each in a view of its own, titled and
// styled as the window shows them and the command line exports them.
struct CostCharts {
    QChartView* time;
    QChartView* steps;
};
CostCharts CreateCostCharts();

// Draws the measurements, median of the repetitions at each n, on log-log axes:
// `time` gets one series per routine and shape with its floor dashed beside
// it, the fitted exponent in the legend; `steps` gets the scan steps, with
// the exact closed forms n(n+1)/2 (ascending) and n (descending) dotted.
void DrawCharts(const CostCharts& charts, const std::vector<Measurement>& rows);

}  // namespace sentinel
