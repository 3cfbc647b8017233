#pragma once

#include <QtGlobal>

#include <vector>

#include "cost/measurement.h"

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace sentinel {

// Cost against order at one n: the steps, moves and entries really shifted
// of every input measured there, against its sortedness, beside the law's
// two lines, steps = n + s n(n-1)/2 and moves = n + (1 - s) n(n-1)/2; the
// time on an axis of its own on the right.
void DrawOrderChart(QChart& chart, const std::vector<Measurement>& rows);

}  // namespace sentinel
