// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <vector>

#include "explorer/shared/units.h"

QT_BEGIN_NAMESPACE
class QAbstractAxis;
class QChart;
QT_END_NAMESPACE

namespace sentinel {

// Where a logarithmic axis from `low` to `high` is labelled: at the values
// measured when there are at most ten of them, else at 1, 2 and 5 times the
// powers of ten within the range.
std::vector<double> LogTicks(double low, double high, const std::vector<double>& measured);

// Ticks at 1, 2 and 5 times the powers of ten from `low` to `high`.
std::vector<double> OneTwoFive(double low, double high);

// At most `most` of the ticks: the powers of ten among them when there are
// too many, then every other one of those.
std::vector<double> Thinned(std::vector<double> ticks, std::size_t most);

// Ticks from 0 past `high` in equal round steps (1, 2 or 5 times a power of
// ten), about five of them; the last tick is at or above `high`.
std::vector<double> RoundSteps(double high);

// A linear axis from 0 to its last tick, labelled at the ticks by `label`.
QAbstractAxis* LinearAxis(QChart& chart, const QString& title, const std::vector<double>& ticks,
                          const std::function<QString(double)>& label, Qt::Alignment alignment);

// Labelled logarithmic axes. The chart's series hold log10 of their values;
// its axes show the values themselves at the ticks (at most 10 across and 8
// up, see Thinned), labelled by `label`, over the range from low to
// high (the values, not their logs).
struct LogAxis {
    QString title;
    double low;
    double high;
    std::vector<double> ticks;
    std::function<QString(double)> label;
};
void SetLogAxes(QChart& chart, const LogAxis& x, const LogAxis& y);

}  // namespace sentinel
