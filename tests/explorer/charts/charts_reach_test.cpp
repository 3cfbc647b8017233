// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every control in reach: the menus' shortcuts from any field, focus kept
// across a run, and menu items offered only when they can act.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QApplication>
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QScatterSeries>
#include <QWheelEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QMenuBar>
#include <QSpinBox>
#include <QTest>

#include "cost/cost_law.h"
#include "cost/csv.h"
#include "cost/inputs.h"
#include "sorting/first_fit.h"
#include "stepping/step_through.h"
#include "explorer/charts/chart_legend.h"
#include "explorer/charts/chart_panel.h"
#include "explorer/charts/cost_charts.h"
#include "explorer/shared/units.h"
#include "explorer/step_through/step_view.h"
#include "explorer/window/cost_window.h"
#include "explorer/window/help.h"
#include "explorer/window/settings_panel.h"
#include "support/window_lookup.h"

namespace sentinel {
namespace {

// A chart's tab adds one Tab stop, its named legend; every Tab stop in view
// has a name; the Open file button's name holds its label, for speech control.
TEST(Reach, EachChartIsOneNamedTabStop)
{
    CostWindow window;
    for (ChartPanel* panel : {window.Charts().time, window.Charts().steps, window.Charts().ratio, window.Charts().order}) {
        EXPECT_EQ(panel->Note(), "Nothing measured yet: choose what to measure, then Run (F5).")
            << "an empty chart says what to run, in place of axes drawn over each other";
        QStringList stops;
        for (const QWidget* widget : panel->findChildren<QWidget*>()) {
            if (widget->focusPolicy() & Qt::TabFocus)
                stops << widget->accessibleName();
        }
        ASSERT_EQ(stops.size(), 1) << stops.join(", ").toStdString();
        EXPECT_TRUE(stops[0].startsWith("Legend")) << stops[0].toStdString();
    }
    window.show();
    auto* tabs = window.findChild<QTabWidget*>();
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            const bool insideAnother = widget->focusProxy() != nullptr;  // a spin box's field hands focus to its box
            if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(&window) && !insideAnother) {
                EXPECT_FALSE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).isEmpty())
                    << "an unnamed Tab stop on " << tabs->tabText(tab).toStdString() << ": " << widget->metaObject()->className();
            }
        }
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == "Op&en file…") {
            EXPECT_TRUE(button->accessibleName().contains("Open file")) << button->accessibleName().toStdString();
        }
    }
}

}  // namespace
}  // namespace sentinel

namespace sentinel {
namespace {

Measurement Timed(Shape shape, std::int32_t n, int repeat, double seconds)
{
    return {Routine::Numbers, InputKind::Numbers, shape, n, repeat, seconds, seconds / 2, true,
            {n + 2, shape == Shape::Ascending ? std::int64_t{n} * (n + 1) / 2 : n, n, 0, n, n}, {}};
}

// The four charts drawn from a run, owned as long as the test needs them.
struct DrawnCharts {
    explicit DrawnCharts(const RunResults& run) : charts(CreateCostCharts()) { DrawCharts(charts, &run); }
    ~DrawnCharts()
    {
        for (ChartPanel* panel : {charts.time, charts.steps, charts.ratio, charts.order})
            delete panel;
    }
    DrawnCharts(const DrawnCharts&) = delete;
    DrawnCharts& operator=(const DrawnCharts&) = delete;

    CostCharts charts;
};

// One ascending run at n = 100 and 200.
RunResults AscendingAt100And200()
{
    RunResults run;
    for (const std::int32_t n : {100, 200})
        run.Add(Timed(Shape::Ascending, n, 1, n * 1e-8));
    return run;
}

// Read off the charts: the band is the middle half, a far repetition a
// star, a floor has hollow markers of its series' shape, the two exact lines
// differ in style, and a point's tooltip says what it stands for.
TEST(Charts, EverySeriesReadsInGreyscaleAndEachPointSaysWhatItIs)
{
    RunResults run;
    for (const Shape shape : {Shape::Ascending, Shape::Descending})
        for (const std::int32_t n : {100, 200})
            for (int repeat = 1; repeat <= 5; ++repeat)
                run.Add(Timed(shape, n, repeat, n * 1e-8 * (repeat == 5 ? 4 : 1 + 0.01 * repeat)));
    const DrawnCharts drawn(run);
    const CostCharts& charts = drawn.charts;
    const auto& time = charts.time->Legend().Entries();
    ASSERT_GE(time.size(), 4U);
    const SizePoint& first = run.Summaries()[0].points[0];
    auto* band = static_cast<QAreaSeries*>(time[0].series[0]);
    EXPECT_DOUBLE_EQ(band->lowerSeries()->at(0).y(), std::log10(first.lowerQuartile));
    EXPECT_DOUBLE_EQ(band->upperSeries()->at(0).y(), std::log10(first.upperQuartile)) << "not the far repetition";
    auto* stars = static_cast<QScatterSeries*>(time[0].series[3]);
    ASSERT_EQ(stars->count(), 2) << "the fifth repetition at each n";
    EXPECT_DOUBLE_EQ(stars->at(0).y(), std::log10(4e-6));
    EXPECT_EQ(stars->markerShape(), QScatterSeries::MarkerShapeStar);
    const QString exponent = time[0].text.mid(time[0].text.indexOf("n^"));
    EXPECT_FALSE(exponent.section(QStringLiteral(" ("), 0, 0).contains(' ')) << "no break inside the exponent";
    ASSERT_TRUE(time[1].marker) << "a floor carries its series' marker";
    EXPECT_EQ(*time[1].marker, *time[0].marker);
    EXPECT_EQ(static_cast<QScatterSeries*>(time[1].series[1])->color(), QColor(Qt::transparent)) << "hollow";

    const auto& steps = charts.steps->Legend().Entries();
    ASSERT_EQ(steps.size(), 4U);
    EXPECT_NE(steps[2].pen.style(), steps[3].pen.style()) << "the two exact lines differ by more than colour";

    const QString described = charts.time->View().accessibleDescription();
    EXPECT_TRUE(described.startsWith("Time. time against n (entries). SortNumbers, ascending  n^")) << described.toStdString();
    EXPECT_TRUE(described.contains("(R² 1.000): 100: 1 µs; 200: 2.1 µs. SortNumbers, ascending: floor: 100: 0.51 µs; 200: 1 µs."))
        << "each series with its values, medians not the far repetition, for a screen reader";
    EXPECT_TRUE(described.contains("SortNumbers, descending: floor: 100: 0.51 µs")) << "every series";
    EXPECT_TRUE(charts.ratio->View().accessibleDescription().contains("SortNumbers, ascending: 100: ×2; 200: ×2."));
    EXPECT_TRUE(charts.steps->View().accessibleDescription().contains("(R² 1.000): 100: 5,050; 200: 20,100."))
        << charts.steps->View().accessibleDescription().toStdString();
    EXPECT_EQ(charts.order->View().accessibleDescription(), charts.order->Note()) << "no order sweep: its note";

    EXPECT_EQ(PointTip("SortNumbers, ascending", first),
              QStringLiteral("SortNumbers, ascending\nn = 100\nmedian %1; middle half %2 to %3\n5 repetitions")
                  .arg(TimeLabel(first.seconds), TimeLabel(first.lowerQuartile), TimeLabel(first.upperQuartile)));
}

// The wheel zooms a chart and Ctrl+0 undoes it.
TEST(Charts, TheWheelZoomsAndCtrlZeroUndoesIt)
{
    const RunResults run = AscendingAt100And200();
    const DrawnCharts drawn(run);
    const CostCharts& charts = drawn.charts;
    ChartPanel& panel = *charts.time;
    panel.resize(900, 600);
    panel.show();
    QWheelEvent wheel(QPointF(100, 100), panel.View().mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(panel.View().viewport(), &wheel);
    EXPECT_TRUE(panel.Chart().isZoomed());
    QApplication::setActiveWindow(&panel);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    panel.Legend().setFocus();
    QTest::keyClick(&panel.Legend(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_FALSE(panel.Chart().isZoomed());
}

// A screen reader finds each legend entry as a check box with its name,
// checked while its series are shown, toggled by its action as by Space.
TEST(Charts, EachLegendEntryIsACheckBoxForAScreenReader)
{
    const RunResults run = AscendingAt100And200();
    const DrawnCharts drawn(run);
    const CostCharts& charts = drawn.charts;
    ChartLegend& legend = charts.time->Legend();
    charts.time->resize(900, 600);
    charts.time->show();
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&legend);
    ASSERT_NE(reader, nullptr);
    ASSERT_EQ(reader->childCount(), static_cast<int>(legend.Entries().size()));
    QAccessibleInterface* second = reader->child(1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->role(), QAccessible::CheckBox);
    EXPECT_EQ(second->text(QAccessible::Name), legend.Entries()[1].text);
    EXPECT_EQ(second->parent(), reader);
    EXPECT_EQ(reader->indexOfChild(second), 1);
    EXPECT_TRUE(second->state().checked);
    EXPECT_EQ(reader->childAt(second->rect().center().x(), second->rect().center().y()), second);

    second->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(second->state().checked);
    EXPECT_FALSE(legend.Entries()[1].series.front()->isVisible());

    QApplication::setActiveWindow(charts.time);
    ASSERT_TRUE(QTest::qWaitForWindowActive(charts.time));
    legend.setFocus();
    QTest::keyClick(&legend, Qt::Key_Down);
    EXPECT_EQ(reader->focusChild(), second) << "the arrow moved to the second entry";
    EXPECT_TRUE(second->state().focused);
    QTest::keyClick(&legend, Qt::Key_Space);
    EXPECT_TRUE(second->state().checked) << "Space showed it again";
    EXPECT_EQ(reader->child(static_cast<int>(legend.Entries().size())), nullptr);
}

}  // namespace
}  // namespace sentinel
