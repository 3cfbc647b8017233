// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCategoryAxis>
#include <QString>

#include <functional>
#include <vector>

#include "explorer/shared/units.h"

QT_BEGIN_NAMESPACE
class QChart;
class QXYSeries;
QT_END_NAMESPACE

namespace sentinel {

// An axis that labels its ticks and reads any of its values the same way,
// for a screen reader; on a logarithmic axis the series hold log10 of the
// values.
class LabelledAxis : public QCategoryAxis {
public:
    LabelledAxis(std::function<QString(double)> label, bool logarithmic, QObject* parent)
        : QCategoryAxis(parent), label_(std::move(label)), logarithmic_(logarithmic)
    {
    }
    QString Label(double value) const { return label_(value); }
    QString ValueAt(double coordinate) const;

private:
    std::function<QString(double)> label_;
    bool logarithmic_;
};

// A series' points as its axes label them, "x: y" apart by semicolons: each
// point when there are at most a dozen, else how many and the first and last.
QString PointsText(QXYSeries& series);

// Where a logarithmic axis from `low` to `high` is labelled: at the values
// measured when there are at most ten of them, else at 1, 2 and 5 times the
// powers of ten within the range.
std::vector<double> LogTicks(double low, double high, const std::vector<double>& measured);

// Ticks at 1, 2 and 5 times the powers of ten from `low` to `high`.
std::vector<double> OneTwoFive(double low, double high);

// At most `most` of the ticks: when there are too many, the powers of ten
// among them if that leaves three (or `most`), then every other one.
std::vector<double> Thinned(std::vector<double> ticks, std::size_t most);

// As many of the ticks (at most ten, thinned as above) as an axis `length`
// pixels long can label when it gives each label an equal share of its
// length less a padding, the labels `width` pixels wide; all ten when the
// length is not known yet (0).
std::vector<double> FittingTicks(const std::vector<double>& ticks, double length, const std::function<double(double)>& width);

// Ticks from 0 past `high` in equal round steps (1, 2 or 5 times a power of
// ten), about five of them; the last tick is at or above `high`.
std::vector<double> RoundSteps(double high);

// A linear axis from 0 to its last tick, labelled at the ticks by `label`.
QAbstractAxis* LinearAxis(QChart& chart, const QString& title, const std::vector<double>& ticks,
                          const std::function<QString(double)>& label, Qt::Alignment alignment);

// Labelled logarithmic axes. The chart's series hold log10 of their values;
// its axes show the values themselves at the ticks, labelled by `label`,
// over the range from low to high (the values, not their logs): at most 8 up,
// and across as many as the plot's width holds whole (see FittingTicks).
struct LogAxis {
    QString title;
    double low;
    double high;
    std::vector<double> ticks;
    std::function<QString(double)> label;
};
void SetLogAxes(QChart& chart, const LogAxis& x, const LogAxis& y);

}  // namespace sentinel
