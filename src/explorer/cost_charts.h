#pragma once

#include <QtGlobal>

#include <vector>

#include "cost/measurement.h"

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace sentinel {

// Draws the measurements, median of the repetitions at each n, on log-log axes:
// `time` gets one series per routine and shape with its floor dashed beside
// it, the fitted exponent in the legend; `steps` gets the scan steps, with
// the exact closed forms n(n+1)/2 (ascending) and n (descending) dotted.
void DrawCharts(QChart& time, QChart& steps, const std::vector<Measurement>& rows);

}  // namespace sentinel
