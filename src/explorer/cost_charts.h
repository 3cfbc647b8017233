#pragma once

#include <QtGlobal>

#include <vector>

#include "cost/measurement.h"

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
QT_END_NAMESPACE

namespace sentinel {

// The time chart, the steps chart and the chart of cost against order,
// each in a view of its own, titled and styled as the window shows them and
// the command line exports them.
struct CostCharts {
    QChartView* time;
    QChartView* steps;
    QChartView* order;
};
CostCharts CreateCostCharts();

// Draws the measurements on all three charts, the medians of the
// repetitions at each n, the first two on log-log axes: `time` gets one series per routine and shape with its floor dashed beside
// it, the fitted exponent in the legend; `steps` gets the scan steps, with
// the exact closed forms n(n+1)/2 (ascending) and n (descending) dotted;
// `order` as order_chart.h says.
void DrawCharts(const CostCharts& charts, const std::vector<Measurement>& rows);

}  // namespace sentinel
