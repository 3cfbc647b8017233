// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QCategoryAxis>

#include <cmath>
#include <memory>

#include "support/cost_window_fixture.h"

namespace sentinel {
namespace {

// At the smallest window every legend entry is whole: wrapped to the
// legend's width at the height its text needs, and the legend as tall as
// all of them. The ratio chart reads each median over its floor's.
TEST_F(CostWindowTest, ChartsFitTheSmallestWindowAndReadTheirValues)
{
    window.resize(900, 560);
    window.show();
    Plan(100, 200, 3);
    window.StartSweep();
    ASSERT_TRUE(Finishes());
    for (ChartPanel* panel : {window.Charts().time, window.Charts().steps, window.Charts().ratio}) {
        window.findChild<QTabWidget*>()->setCurrentWidget(panel);
        QApplication::processEvents();
        const ChartLegend& legend = panel->Legend();
        ASSERT_GT(legend.width(), 100);
        EXPECT_GE(legend.height(), legend.heightForWidth(legend.width()));
        for (std::size_t i = 0; i < legend.Entries().size(); ++i) {
            const QRect& text = legend.TextRects()[i];
            EXPECT_LE(text.right(), legend.width());
            EXPECT_EQ(text.height(), legend.fontMetrics()
                                         .boundingRect(QRect(0, 0, text.width(), 10000), Qt::TextWordWrap,
                                                       legend.Entries()[i].text)
                                         .height())
                << legend.Entries()[i].text.toStdString();
        }
    }
    const std::vector<GrowthSummary>& summaries = window.Store().Shown()->Summaries();
    const auto& ratio = window.Charts().ratio->Legend().Entries();
    ASSERT_EQ(ratio.size(), summaries.size() + 1) << "and the floor's own line";
    for (std::size_t i = 0; i < summaries.size(); ++i) {
        const QList<QPointF> points = static_cast<QLineSeries*>(ratio[i].series.front())->points();
        ASSERT_EQ(points.size(), 2);
        for (int k = 0; k < 2; ++k)
            EXPECT_DOUBLE_EQ(points[k].y(), std::log10(summaries[i].points[k].seconds / summaries[i].points[k].floorSeconds));
    }
}

// An order sweep at one size: one row a level, each on its own sortedness,
// drawn on the order chart beside the law's two lines.
TEST_F(CostWindowTest, AnOrderSweepMeasuresEachLevelAndDrawsCostAgainstOrder)
{
    ASSERT_TRUE(OrderSweepFinishes());
    ASSERT_EQ(window.Results().rowCount(), 3);
    const double levels[] = {0, 0.5, 1};
    for (int row = 0; row < 3; ++row) {
        const Measurement& measured = Rows()[static_cast<std::size_t>(row)];
        EXPECT_EQ(measured.Level(), levels[row]);
        EXPECT_NEAR(*measured.law.order.sortedness, levels[row], 0.02);
        EXPECT_TRUE(measured.PredictionHolds());
    }
    EXPECT_TRUE(window.Charts().time->Note().contains("order sweep")) << "the Time tab says where to read it";
    EXPECT_TRUE(window.Charts().order->Note().isEmpty());
    const QString described = window.Charts().order->View().accessibleDescription();
    EXPECT_TRUE(described.contains("law: steps = n + s·n(n−1)/2: 0.00: 40; 1.00: 820.")) << "the law's lines, for a screen reader";
    EXPECT_TRUE(described.contains(". steps: 0.00: 40; 0.50: 430; 1.00: 820. moves: 0.00: 820; 0.50: 430; 1.00: 40."))
        << "and the points measured" << described.toStdString();
    auto* stepsLaw = static_cast<QLineSeries*>(window.Charts().order->Chart().series().front());
    EXPECT_EQ(stepsLaw->points(), (QList<QPointF>{{0, 40}, {1, 40 + 40 * 39 / 2}})) << "n + s n(n-1)/2";

    ParameterOf("swaps", "Pairs swapped").setValue(12);
    bool renamed = false;
    for (QListWidget* list : window.findChildren<QListWidget*>())
        for (int row = 0; row < list->count(); ++row)
            renamed = renamed || list->item(row)->text() == "swaps:12";
    EXPECT_TRUE(renamed);
}

// The variants are offered marked as such; an order sweep of the three scans
// draws each one's steps and the laws of all three: the high end's steps on
// the moves' line, halving's under its flat bound.
TEST_F(CostWindowTest, AnOrderSweepOfTheThreeScansDrawsTheirLaws)
{
    for (QListWidget* list : window.findChildren<QListWidget*>()) {
        if (list->accessibleName() != "Routines")
            continue;
        ASSERT_EQ(list->count(), 10);
        EXPECT_EQ(list->item(8)->text(), "SortNumbersFromHigh (variant)");
        EXPECT_TRUE(list->item(9)->toolTip().contains("not a routine of the demo: binary search for the gap"));
        list->item(8)->setCheckState(Qt::Checked);
        list->item(9)->setCheckState(Qt::Checked);
    }
    ASSERT_TRUE(OrderSweepFinishes());
    ASSERT_EQ(window.Results().rowCount(), 9);
    for (const Measurement& row : Rows())
        EXPECT_TRUE(row.PredictionHolds() && row.identical) << NameOf(row.routine);
    const auto seriesNamed = [&](const QString& name) -> QAbstractSeries* {
        for (const ChartLegend::Entry& entry : window.Charts().order->Legend().Entries())
            if (entry.text.startsWith(name))
                return entry.series.front();
        return nullptr;
    };
    auto* fromHigh = static_cast<QScatterSeries*>(seriesNamed("steps, scan from the high end"));
    ASSERT_TRUE(fromHigh);
    EXPECT_EQ(fromHigh->points(), (QList<QPointF>{{0, 40 + 40 * 39 / 2}, {0.5, 40 + 40 * 39 / 4}, {1, 40}}));
    auto* bound = static_cast<QLineSeries*>(seriesNamed("bound: halving's steps"));
    ASSERT_TRUE(bound);
    // floor(log2(k)) + 1 for k = 1 to 40: 1 + 2·2 + 4·3 + 8·4 + 16·5 + 9·6
    EXPECT_EQ(bound->points(), (QList<QPointF>{{0, 183}, {1, 183}}));
    auto* halving = static_cast<QScatterSeries*>(seriesNamed("steps, halving"));
    ASSERT_TRUE(halving);
    for (const QPointF& point : halving->points())
        EXPECT_LE(point.y(), 183);
    EXPECT_TRUE(seriesNamed("law: moves, and the high end's steps"));
    auto* highTime = static_cast<QScatterSeries*>(seriesNamed("time, scan from the high end (right axis)"));
    ASSERT_TRUE(highTime) << "each scan's time apart";
    EXPECT_EQ(highTime->count(), 3);
    EXPECT_EQ(highTime->attachedAxes().back()->alignment(), Qt::AlignRight);
}

// The axes span the plan's sizes from the first row on, so that a point
// stands where it will stay as the other sizes arrive.
TEST(CostCharts, AxesSpanThePlannedSizesFromTheFirstRow)
{
    RunResults run("Run 1", {}, {250, 500, 1000, 2000});
    run.Add({Routine::Numbers, InputKind::Numbers, Shape::Random, 250, 1, 2e-5, 1e-5, true,
             {252, 3000, 250, 0, 2000, 40}, {}});
    const CostCharts charts = CreateCostCharts();
    const std::unique_ptr<ChartPanel> owned[] = {std::unique_ptr<ChartPanel>(charts.time), std::unique_ptr<ChartPanel>(charts.steps),
                                                 std::unique_ptr<ChartPanel>(charts.ratio), std::unique_ptr<ChartPanel>(charts.order)};
    DrawCharts(charts, &run);
    for (const ChartPanel* panel : {charts.time, charts.steps, charts.ratio}) {
        auto* x = qobject_cast<QCategoryAxis*>(panel->Chart().axes(Qt::Horizontal).front());
        ASSERT_TRUE(x);
        EXPECT_EQ(x->categoriesLabels(), (QStringList{"250", "500", "1,000", "2,000"}));
        EXPECT_NEAR(x->min(), std::log10(250 / 1.25), 1e-9);
        EXPECT_NEAR(x->max(), std::log10(2000 * 1.25), 1e-9);
    }
}

}  // namespace
}  // namespace sentinel
