// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

QT_BEGIN_NAMESPACE
class QBoxLayout;
class QChart;
class QChartView;
class QLabel;
class QScrollArea;
QT_END_NAMESPACE

namespace sentinel {

class ChartLegend;

// A chart with its own legend: beside the chart when the panel is wide,
// below it when narrow, and scrolling when long, so no entry is ever cut.
class ChartPanel : public QWidget {
public:
    ChartPanel(const QString& title, const QString& accessibleName, QWidget* parent = nullptr);

    QChart& Chart() const noexcept { return *chart_; }
    QChartView& View() const noexcept { return *view_; }
    ChartLegend& Legend() const noexcept { return *legend_; }

    // The chart as shown and its whole legend beside it, as a PNG image.
    QByteArray Png() const;

    // A sentence in place of the chart, saying what to run or where to
    // read the run shown; empty shows the chart.
    void ShowNote(const QString& note);
    QString Note() const;
    // What a screen reader says of the chart: the note, or the chart's title,
    // what it plots against what, and each entry of its legend (the series
    // with their fitted exponents and intervals, or the law's lines) with its
    // values. Made when the chart is drawn.
    void Describe();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QChart* chart_;
    QChartView* view_;
    ChartLegend* legend_;
    QScrollArea* legendArea_;
    QLabel* note_;
    QBoxLayout* layout_;
};

}  // namespace sentinel
