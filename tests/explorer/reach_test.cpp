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

namespace sentinel {
namespace {

QAction& MenuItem(CostWindow& window, const QString& text)
{
    for (QAction* action : window.menuBar()->findChildren<QAction*>())
        if (action->text() == text)
            return *action;
    throw std::runtime_error(text.toStdString());
}

QSpinBox& Spin(CostWindow& window, const char* name)
{
    for (QSpinBox* box : window.findChildren<QSpinBox*>())
        if (box->accessibleName() == name)
            return *box;
    throw std::runtime_error(name);
}

// A number field takes Ctrl+E as "end of line" unless the window lets the
// menu's shortcut through; its own keys, such as Ctrl+A, stay its own.
TEST(Reach, TheMenusShortcutsWorkFromANumberField)
{
    CostWindow window;
    window.show();
    QSpinBox& repetitions = Spin(window, "Repetitions");
    const auto overridden = [&](Qt::KeyboardModifiers modifiers, Qt::Key key) {
        QKeyEvent event(QEvent::ShortcutOverride, key, modifiers);
        event.ignore();  // as the shortcut map sends it: taken only if the field accepts it
        QApplication::sendEvent(&repetitions, &event);
        return event.isAccepted();
    };
    EXPECT_FALSE(overridden(Qt::ControlModifier, Qt::Key_E)) << "Export Results as CSV";
    EXPECT_FALSE(overridden(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_E)) << "Export Chart as PNG";
    EXPECT_TRUE(overridden(Qt::ControlModifier, Qt::Key_A)) << "select all, the field's own";
}

TEST(Reach, FocusStaysWhereTheUserLeftItAcrossARun)
{
    CostWindow window([](const QString& problem) { ADD_FAILURE() << problem.toStdString(); },
                      [](const QString&) { return true; });
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Spin(window, "Smallest size").setValue(50);
    Spin(window, "Largest size").setValue(100);
    Spin(window, "Repetitions").setValue(1);
    QSpinBox& repetitions = Spin(window, "Repetitions");
    repetitions.setFocus();
    ASSERT_EQ(QApplication::focusWidget(), &repetitions);
    window.StartSweep();
    ASSERT_TRUE(QTest::qWaitFor([&window] { return !window.Running(); }, 60000));
    EXPECT_EQ(QApplication::focusWidget(), &repetitions);
}

TEST(Reach, MenuItemsAreOfferedOnlyWhenTheyCanAct)
{
    bool yes = false;
    CostWindow window([](const QString& problem) { ADD_FAILURE() << problem.toStdString(); },
                      [&yes](const QString&) { return yes; });
    QAction& cancel = MenuItem(window, "&Cancel");
    QAction& stepCsv = MenuItem(window, "Export Step-Through as C&SV…");
    QAction& stepGif = MenuItem(window, "Export Step-Through as &GIF…");
    QAction& results = MenuItem(window, "Export Results as &CSV…");
    EXPECT_FALSE(cancel.isEnabled()) << "nothing runs";
    EXPECT_FALSE(stepCsv.isEnabled()) << "nothing loaded";
    EXPECT_FALSE(stepGif.isEnabled());
    EXPECT_FALSE(results.isEnabled()) << "no run to export";

    Spin(window, "Largest size").setValue(100000);
    Spin(window, "Repetitions").setValue(100);
    yes = true;  // over a minute: asked, and answered yes
    window.StartSweep();
    ASSERT_TRUE(window.Running());
    EXPECT_TRUE(cancel.isEnabled());
    cancel.trigger();
    ASSERT_TRUE(QTest::qWaitFor([&window] { return !window.Running(); }, 60000));
    EXPECT_FALSE(cancel.isEnabled());

    ASSERT_TRUE(window.Stepper().Load());
    EXPECT_TRUE(stepCsv.isEnabled());
    EXPECT_TRUE(stepGif.isEnabled());
}

TEST(Reach, RestoreDefaultsAsksFirst)
{
    bool yes = false;
    QStringList asked;
    CostWindow window({}, [&](const QString& question) {
        asked << question;
        return yes;
    });
    Spin(window, "Repetitions").setValue(9);
    MenuItem(window, "Restore &Defaults…").trigger();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(window.Settings().Plan().repeat, 9) << "answered no: nothing changes";
    yes = true;
    MenuItem(window, "Restore &Defaults…").trigger();
    EXPECT_EQ(window.Settings().Plan().repeat, kDefaultRepeats);
}

}  // namespace
}  // namespace sentinel

namespace sentinel {
namespace {

// The README's key table is the Help menu's, row for row.
TEST(Help, TheReadmesKeysAreTheHelpMenus)
{
    QFile readme(QStringLiteral(PROJECT_SOURCE_DIR "/README.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll());
    const qsizetype start = text.indexOf("### Keys");
    ASSERT_GE(start, 0);
    QStringList rows;
    for (const QString& line : text.mid(start).split('\n').mid(1)) {
        if (line.startsWith("#"))
            break;
        if (line.startsWith("| ") && !line.startsWith("| Where"))
            rows << line;
    }
    QStringList help;
    for (const HelpKey& key : HelpKeys())
        help << QStringLiteral("| %1 | %2 | %3 |").arg(key.where, key.keys, key.does);
    EXPECT_EQ(rows, help);
}

// The README lists the CSV's columns as the program writes them.
TEST(Help, TheReadmesCsvColumnsAreThePrograms)
{
    QFile readme(QStringLiteral(PROJECT_SOURCE_DIR "/README.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("The CSV's columns are\n`%1`").arg(QString::fromUtf8(kCsvHeader.data(), kCsvHeader.size()))));
}

// Each exercise's answer is what the law and the runs give.
TEST(Help, TheExercisesAnswersAreTheLaws)
{
    const QString text = HelpExercises();
    EXPECT_EQ(text.count("<li>"), 5);
    const auto law = [](Routine routine, Shape shape) {
        return ApplyCostLaw(routine, MakeInput(InputKind::Numbers, shape, 1000, 1).entries, 0).predicted;
    };
    const Prediction unique = law(Routine::NumbersUnique, Shape::Equal);
    EXPECT_EQ(unique.dropped, 999);
    EXPECT_EQ(unique.steps, 1999);
    EXPECT_TRUE(text.contains("999 drops") && text.contains("= 1,999 steps"));
    EXPECT_EQ(law(Routine::Numbers, Shape::Ascending).steps, 500500);
    EXPECT_EQ(law(Routine::NumbersFromHigh, Shape::Ascending).steps, 1000);
    EXPECT_TRUE(text.contains("500,500 = n(n+1)/2 and 1,000 = n"));
    const Prediction low = law(Routine::Numbers, Shape::Equal);
    const Prediction high = law(Routine::NumbersFromHigh, Shape::Equal);
    EXPECT_EQ(low.steps, 1000);
    EXPECT_EQ(high.steps, 1000);
    EXPECT_EQ(low.moves, 500500);
    EXPECT_EQ(high.moves, 1000);
    EXPECT_TRUE(text.contains("500,500 moves in all"));
    const StepThrough halving(StartUpStepInput(Routine::NumbersBinary, 0));
    const auto& steps = halving.At(halving.Events()).entrySteps;
    EXPECT_EQ(*std::max_element(steps.begin(), steps.end()), 4);
    EXPECT_EQ(HalvingBound(21), 5U);
    EXPECT_TRUE(text.contains("= 5 tests. The strip shows at most 4"));
}

TEST(Help, F1OpensTheGuideAtTheTabInView)
{
    CostWindow window;
    window.show();
    window.ShowPage(PageId::Results);
    MenuItem(window, "&Guide to This Tab").trigger();
    auto* guide = window.findChild<QTextBrowser*>();
    ASSERT_TRUE(guide);
    EXPECT_EQ(MenuItem(window, "&Guide to This Tab").shortcut(), QKeySequence(QKeySequence::HelpContents));
    EXPECT_TRUE(guide->toHtml().contains("name=\"results\""));
    EXPECT_GT(guide->verticalScrollBar()->value(), 0) << "scrolled to the Results part";
    EXPECT_TRUE(AboutText().contains("version 3 or any later version"));
}

}  // namespace
}  // namespace sentinel

namespace sentinel {
namespace {

// One style a count axis: grouped below a million, all in millions past it.
TEST(Numbers, ACountAxisKeepsOneStyleAndFormulasDoNotBreak)
{
    const auto below = CountLabelsUpTo(999999);
    EXPECT_EQ(below(100000), "100,000");
    EXPECT_EQ(below(16000), "16,000");
    const auto past = CountLabelsUpTo(1e6);
    EXPECT_EQ(past(100000), "0.1 M") << "not 100,000 beside 1 M";
    EXPECT_EQ(past(2.5e6), "2.5 M");
    const QString formula = Unbroken("n + s·n(n−1)/2");
    EXPECT_FALSE(formula.contains(' '));
    EXPECT_TRUE(formula.contains(QStringLiteral("/\u2060")));
    EXPECT_EQ(QString(formula).remove(QChar(0x2060)).replace(QChar(0x00A0), ' '), "n + s·n(n−1)/2") << "reads the same";
}

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
    EXPECT_TRUE(described.startsWith("Time. SortNumbers, ascending  n^")) << described.toStdString();
    EXPECT_TRUE(described.contains("SortNumbers, descending: floor")) << "every series, for a screen reader";
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
