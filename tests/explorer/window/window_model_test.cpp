// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window as views over the explorer's model: what once crashed or was
// lost, tried as a user would.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

#include "explorer/headless.h"
#include "explorer/launch.h"
#include "explorer/step_through/step_pane.h"
#include "explorer/step_through/step_view.h"
#include "explorer/step_through/trace_canvas.h"
#include "explorer/window/cost_window.h"
#include "explorer/window/results_model.h"
#include "explorer/window/run_status.h"
#include "explorer/window/settings_panel.h"
#include "model/command_line.h"

namespace sentinel {
namespace {

bool Finishes(const CostWindow& window)
{
    return QTest::qWaitFor([&window] { return !window.Running(); }, 60000);
}

void SetSpin(CostWindow& window, const char* name, int value)
{
    for (QSpinBox* box : window.findChildren<QSpinBox*>())
        if (box->accessibleName() == name)
            box->setValue(value);
}

// Down twice in one run, then a race of another routine or of the list
// reversed: each pane shows its own new run from its start. This once drew
// a pane with a position that belonged to the run before.
TEST(WindowModel, ARaceLoadedAfterSteppingShowsItsOwnRuns)
{
    CostWindow window([](const QString& problem) { ADD_FAILURE() << problem.toStdString(); });
    window.show();
    window.findChild<QTabWidget*>()->setCurrentWidget(&window.Stepper());
    StepView& view = window.Stepper();
    for (const auto race : {StepView::Race::OtherRoutine, StepView::Race::Reversed, StepView::Race::None,
                            StepView::Race::Ascending}) {
        view.SetRace(StepView::Race::None);
        ASSERT_TRUE(view.Load());
        auto& canvas = const_cast<TraceCanvas&>(view.Canvas());
        canvas.setFocus();
        QTest::keyClick(&canvas, Qt::Key_Down);
        QTest::keyClick(&canvas, Qt::Key_Down);
        ASSERT_GT(view.Shown(), 0U);
        view.SetRace(race, Routine::NumbersUnique);
        ASSERT_TRUE(view.Load());
        QTest::qWait(1);  // the layout the new titles ask for
        for (const auto pane : {StepSession::kLeft, StepSession::kRight}) {
            const StepPane& shown = pane == StepSession::kLeft ? view.Left() : view.Right();
            const auto& run = view.Session().Run(pane);
            EXPECT_EQ(run != nullptr, pane == StepSession::kLeft || race != StepView::Race::None);
            EXPECT_EQ(view.Session().Shown(pane), 0U) << "a new run starts at its start";
            EXPECT_EQ(shown.Canvas().Frame().list.size(), run ? 2U : 0U) << "the two sentinels alone";
        }
        QTest::keyClick(&canvas, Qt::Key_Down);
        EXPECT_EQ(view.Shown(), view.Recording()->EndOfEntry(0));
    }
}

// A plan stored by an earlier version: "given" with no file, which made
// every start crash until the settings were deleted by hand.
TEST(WindowModel, StoredShapeGivenWithNoFileStartsOnTheDefaultsAndSaysSo)
{
    QTemporaryDir folder;
    QSettings remembered(folder.filePath("sentinel-cost.ini"), QSettings::IniFormat);
    remembered.setValue("plan/shapes", "given");
    remembered.setValue("plan/repeat", "3");
    remembered.setValue("plan/input", folder.filePath("gone.txt"));
    CostWindow window({}, [](const QString&) { return true; }, &remembered);
    window.ShowFirstLook();
    const SweepPlan plan = window.Settings().Plan();
    EXPECT_EQ(plan.kind, InputKind::Numbers);
    EXPECT_EQ(plan.shapes, DefaultPlan().shapes);
    EXPECT_EQ(plan.repeat, 3) << "the valid values are kept";
    const QString said = window.Status().Status();
    EXPECT_TRUE(said.contains("gone.txt")) << said.toStdString();
    EXPECT_TRUE(said.contains("made number texts are measured instead")) << said.toStdString();
    ASSERT_TRUE(Finishes(window));
}

// sentinel-cost --input FILE --routines R opens the window on that plan, ready to run.
TEST(WindowModel, TheCommandLinesPlanOpensTheWindow)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("words.txt");
    std::ofstream(path.toStdString()) << "pear\napple\nfig\n";
    for (const auto& arguments : {std::vector<std::string>{"--input", path.toStdString(), "--routines", "SortStrings"},
                                  std::vector<std::string>{path.toStdString(), "--routines", "SortStrings"}}) {
        const CommandLine line = ParseCommandLine(std::vector<std::string_view>(arguments.begin(), arguments.end()));
        CostWindow window({}, [](const QString&) { return true; });
        Launch(window, line);
        EXPECT_FALSE(window.Running()) << "ready to run, not running";
        const SweepPlan plan = window.Settings().Plan();
        EXPECT_EQ(plan.kind, InputKind::File);
        EXPECT_EQ(plan.inputPath, path.toStdString());
        EXPECT_EQ(plan.routines, std::vector{Routine::Strings});
        EXPECT_EQ(plan.sizes, std::vector<std::int32_t>{3});
        EXPECT_EQ(plan.fileEntries, line.plan.fileEntries) << "the file's entries shared, not copied";
        window.StartSweep();
        ASSERT_TRUE(Finishes(window));
        EXPECT_EQ(window.Store().Shown()->Rows().front().routine, Routine::Strings);
    }
}

// With results shown, a run cancelled before its first measurement leaves
// them shown; one cancelled later keeps what it measured, as a run of its own.
TEST(WindowModel, ACancelledRunKeepsTheResultsShownAndWhatItMeasured)
{
    QTemporaryDir folder;
    CostWindow window([](const QString& problem) { ADD_FAILURE() << problem.toStdString(); },
                      [](const QString&) { return true; });
    SetSpin(window, "Smallest size", 50);
    SetSpin(window, "Largest size", 100);
    SetSpin(window, "Repetitions", 1);
    window.StartSweep();
    ASSERT_TRUE(Finishes(window));
    const std::size_t first = window.Store().Shown()->Rows().size();
    ASSERT_EQ(first, 2U * 3U);

    // Texts alike in their first 200 units: the warm-up alone takes seconds.
    const QString slow = folder.filePath("alike.txt");
    {
        std::ofstream file(slow.toStdString());
        for (int i = 20000; i > 0; --i)
            file << std::string(200, 'A') << i << '\n';
    }
    window.OpenInput(slow);
    ASSERT_TRUE(QTest::qWaitFor([&window] { return !window.Reading(); }, 10000));
    window.StartSweep();
    ASSERT_TRUE(window.Running());
    window.CancelSweep();
    ASSERT_TRUE(Finishes(window));
    EXPECT_EQ(window.Store().Runs().size(), 1U);
    EXPECT_EQ(window.Store().Shown()->Rows().size(), first) << "the results shown stay";
    EXPECT_EQ(window.Results().rowCount(), static_cast<int>(first));
    EXPECT_EQ(window.Status().Status(), "Cancelled before any measurement; the results shown stay.");

    // Back to made input, long enough to cancel after its first rows.
    for (QComboBox* box : window.findChildren<QComboBox*>())
        if (box->accessibleName() == "Input kind")
            box->setCurrentIndex(0);
    SetSpin(window, "Smallest size", 1000);
    SetSpin(window, "Largest size", 100000);
    SetSpin(window, "Repetitions", 50);
    window.StartSweep();
    ASSERT_TRUE(QTest::qWaitFor([&window] { return window.Store().Runs().size() == 2; }, 60000));
    window.CancelSweep();
    ASSERT_TRUE(Finishes(window));
    ASSERT_EQ(window.Store().Runs().size(), 2U);
    const std::size_t kept = window.Store().Shown()->Rows().size();
    EXPECT_GT(kept, 0U);
    EXPECT_EQ(window.Store().Shown()->End(), SweepEnd::Cancelled);
    EXPECT_EQ(window.Status().Status(), QStringLiteral("Cancelled after %1 measurements; they are kept as Run 2.").arg(kept));
    window.ShowRun(0);
    EXPECT_EQ(window.Results().rowCount(), static_cast<int>(first)) << "the first run is still there to show";
    window.OverlayRun(1);
    EXPECT_EQ(window.Store().Overlaid(), window.Store().Runs()[1].get());
    // A run's title is longer than its box: the box's tip is the whole title.
    for (QComboBox* box : window.findChildren<QComboBox*>()) {
        if (box->accessibleName() != "Run shown" && box->accessibleName() != "Run laid over it")
            continue;
        EXPECT_EQ(box->toolTip(), box->currentText());
        EXPECT_TRUE(box->currentText().startsWith(box->accessibleName() == "Run shown" ? "Run 1: " : "Run 2: "));
        for (int i = 0; i < box->count(); ++i)
            EXPECT_EQ(box->itemData(i, Qt::ToolTipRole).toString(), box->itemText(i));
    }
}

// A chart that cannot be written after the run does not take the CSV with it.
TEST(WindowModel, TheCsvIsWrittenWhenTheChartCannotBe)
{
    QTemporaryDir folder;
    CommandLine line;
    line.plan = DefaultPlan();
    line.plan.sizes = {10};
    line.plan.repeat = 1;
    line.csvPath = folder.filePath("rows.csv").toStdString();
    line.chartPath = "/proc/chart.png";  // passed the check before measuring, as a folder gone since would
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const int status = RunHeadless(line);
    ::testing::internal::GetCapturedStdout();
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 2);
    EXPECT_NE(said.find("sentinel-cost: /proc/chart.png could not be written: No such file or directory"),
              std::string::npos)
        << said;
    std::ifstream csv(line.csvPath);
    std::string about, header;
    EXPECT_TRUE(std::getline(csv, about) && std::getline(csv, header)) << "the CSV is written all the same";
    EXPECT_EQ(header.rfind("routine,kind,shape,", 0), 0U);
}

}  // namespace
}  // namespace sentinel
