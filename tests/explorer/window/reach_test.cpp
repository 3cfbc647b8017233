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
#include <QScrollArea>
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
#include <QToolButton>
#include <QListWidget>

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
    // Shapes enough that the settings scroll.
    QListWidget* shapes = nullptr;
    for (QListWidget* list : window.findChildren<QListWidget*>())
        if (list->accessibleName() == "Shapes")
            shapes = list;
    shapes->setCurrentRow(6);  // swaps:10
    QToolButton* add = nullptr;
    for (QToolButton* button : window.findChildren<QToolButton*>())
        if (button->accessibleName() == "Add a shape like this one")
            add = button;
    ASSERT_TRUE(add);
    for (int added = 0; added < 30; ++added)
        add->click();
    repetitions.setFocus();
    QTest::qWait(50);
    QScrollArea* area = nullptr;
    for (QScrollArea* each : window.findChildren<QScrollArea*>())
        if (each->accessibleName() == "Settings")
            area = each;
    ASSERT_TRUE(area);
    QScrollBar& settings = *area->verticalScrollBar();
    ASSERT_GT(settings.maximum(), 0);
    settings.setValue(settings.maximum() / 2);
    const int scrolled = settings.value();
    window.StartSweep();
    EXPECT_EQ(settings.value(), scrolled) << "the settings stay where the user left them";
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
    EXPECT_TRUE(text.contains(QStringLiteral("Its columns are\n`%1`").arg(QString::fromUtf8(kCsvHeader.data(), kCsvHeader.size()))));
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
    // Each question asks for what its column counts: moves are not the Shifted column's entries.
    EXPECT_TRUE(text.contains("Which makes more moves?</b> Check: the moves column"));
    EXPECT_TRUE(text.contains("drop the most?</b> Check: measure it on every shape at n = 1,000 and read the Results "
                              "tab's dropped column"));
    EXPECT_FALSE(text.contains("shift")) << "the Shifted column counts the key store's own moves";
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

}  // namespace
}  // namespace sentinel
