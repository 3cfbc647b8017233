// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QComboBox>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstring>

#include <gif_lib.h>

#include "explorer/shared/palette.h"
#include "explorer/step_through/code_panel.h"
#include "explorer/step_through/step_animation.h"
#include "explorer/step_through/step_pane.h"
#include "explorer/step_through/step_view.h"
#include "explorer/step_through/trace_canvas.h"
#include "explorer/step_through/trace_layout.h"
#include "qt_glue/qt_text.h"
#include "support/step_views.h"

namespace sentinel {
namespace {

// Home and End go to the run's ends, Page Up and Page Down an entry back and
// on, as Up and Down do; the list shows when it has the keys.
TEST(StepKeys, ReachTheRunsEndsAndItsEntriesAndShowFocus)
{
    StepView view;
    FailOnProblem(view);
    view.resize(900, 600);
    view.show();
    ASSERT_TRUE(view.Load());
    auto& canvas = const_cast<TraceCanvas&>(view.Canvas());
    const StepThrough& run = *view.Recording();
    QTest::keyClick(&canvas, Qt::Key_End);
    EXPECT_EQ(view.Shown(), run.Events());
    QTest::keyClick(&canvas, Qt::Key_Home);
    EXPECT_EQ(view.Shown(), 0U);
    QTest::keyClick(&canvas, Qt::Key_PageDown);
    EXPECT_EQ(view.Shown(), run.EndOfEntry(0));
    QTest::keyClick(&canvas, Qt::Key_PageDown);
    EXPECT_EQ(view.Shown(), run.EndOfEntry(run.EndOfEntry(0)));
    QTest::keyClick(&canvas, Qt::Key_PageUp);
    EXPECT_EQ(view.Shown(), run.EndOfEntry(0));
    QTest::mouseClick(ButtonNamed(view, "Step back one entry"), Qt::LeftButton);
    EXPECT_EQ(view.Shown(), 0U) << "the button an entry back";

    EXPECT_EQ(canvas.focusPolicy(), Qt::StrongFocus);
    int stops = 0;
    for (const QWidget* widget = canvas.parentWidget(); widget != &view; widget = widget->parentWidget())
        stops += widget->focusPolicy() != Qt::NoFocus;
    EXPECT_EQ(stops, 0) << "the list is one Tab stop, not two";
    canvas.clearFocus();
    const QImage unfocused = canvas.grab().toImage();
    canvas.setFocus();
    QApplication::setActiveWindow(&view);
    ASSERT_TRUE(QTest::qWaitFor([&canvas] { return canvas.hasFocus(); }, 2000));
    EXPECT_NE(canvas.grab().toImage(), unfocused) << "a focus frame is drawn";
}

// After a verdict Return goes on, as Right does; a placed cell is marked
// "+" and a verdict ✓ or ✗, so the two cannot be confused.
TEST(StepKeys, ReturnGoesOnAfterAVerdict)
{
    StepView view;
    FailOnProblem(view);
    view.SetPredicting(true);
    ASSERT_TRUE(view.Load());
    auto& canvas = const_cast<TraceCanvas&>(view.Canvas());
    const std::size_t asked = view.Shown();
    view.Answer(PredictQuiz::kDropped);  // wrong: the first entry fits the one gap
    const std::size_t answered = view.Shown();
    ASSERT_EQ(answered, view.Recording()->EndOfEntry(asked));
    EXPECT_TRUE(canvas.accessibleDescription().contains(QStringLiteral("\u2717"))) << "wrong, marked as wrong";
    EXPECT_TRUE(canvas.accessibleDescription().contains(QStringLiteral("Right or Return goes on.\nCode line 7 of 9: insert e")))
        << "the verdict, then the line of the code: the insertion" << canvas.accessibleDescription().toStdString();
    const auto& cells = canvas.Layout().cells;
    EXPECT_TRUE(std::any_of(cells.begin(), cells.end(), [](const TraceLayout::Cell& c) { return c.mark == "+"; }))
        << "the cell placed";
    EXPECT_FALSE(std::any_of(cells.begin(), cells.end(), [](const TraceLayout::Cell& c) { return c.mark == "\u2713"; }))
        << "no right-mark on the cell of a wrong answer";
    QTest::keyClick(&canvas, Qt::Key_Return);
    EXPECT_EQ(view.Shown(), answered + 1);
}

// In a race predict mode is off, and says why; each pane's list and counts
// name their pane and routine.
TEST(StepKeys, ARaceNamesItsPanesAndSaysWhyPredictIsOff)
{
    StepView view;
    FailOnProblem(view);
    view.SetRace(StepView::Race::OtherRoutine, Routine::NumbersUnique);
    ASSERT_TRUE(view.Load());
    QPushButton* predict = ButtonNamed(view, "Predict mode");
    ASSERT_TRUE(predict);
    EXPECT_FALSE(predict->isEnabled());
    EXPECT_TRUE(predict->toolTip().startsWith("Predict mode is for one run")) << predict->toolTip().toStdString();
    EXPECT_EQ(view.Left().Canvas().accessibleName(), "Left pane, SortByField: the list being built");
    EXPECT_EQ(view.Right().Canvas().accessibleName(), "Right pane, SortNumbersUnique: the list being built");
    EXPECT_TRUE(view.Right().CountsText().startsWith("Right pane, SortNumbersUnique: keys 0 of"))
        << view.Right().CountsText().toStdString();
    view.SetRace(StepView::Race::None);
    ASSERT_TRUE(view.Load());
    EXPECT_TRUE(predict->isEnabled());
    EXPECT_EQ(view.Left().Canvas().accessibleName(), "The list being built");
}

}  // namespace
}  // namespace sentinel

namespace sentinel {
namespace {

// A race is exported whole: both panes side by side in the animation, each
// under its title and over its counts, and both runs' tests in the CSV.
TEST(RaceExport, TakesBothPanes)
{
    StepInput input{Routine::NumbersUnique, 0, {}, {}};
    for (const char16_t* entry : {u"20", u"-30", u"30", u"20"})
        input.entries.emplace_back(Text(entry));
    const StepThrough left(input);
    input.routine = Routine::Numbers;
    std::reverse(input.entries.begin(), input.entries.end());
    const StepThrough right(input);

    const Titled panes[] = {{&left, "SortNumbersUnique"}, {&right, "SortNumbers on the list reversed"}};
    const Animation animation = AnimateRuns(panes, FramesPer::Test, 800, true);
    QByteArray bytes = animation.gif;
    GifFileType* gif = OpenGif(bytes);
    ASSERT_TRUE(gif) << animation.error.toStdString();
    EXPECT_EQ(gif->SWidth, 800) << "two panes of 400";
    EXPECT_EQ(static_cast<std::size_t>(gif->ImageCount), std::max(left.Events(), right.Events()) + 1);
    int error = 0;
    DGifCloseFile(gif, &error);

    TraceScene scene;
    scene.run = std::make_shared<const StepThrough>(input);
    scene.caption = "SortNumbers";
    scene.frame = scene.run->At(0);
    scene.footer = CountsLine(scene.frame.counts, scene.run->Predicted());
    const TraceLayout layout = LayOutTrace(scene, QFont(), QPalette(), 400);
    EXPECT_EQ(layout.lines.front().text, "SortNumbers") << "every animation names its routine";
    EXPECT_TRUE(layout.lines.back().text.startsWith("keys 0 of 6 (the sentinels' among them) · steps 0 of"))
        << layout.lines.back().text.toStdString();

    const std::string csv = RaceCsv(left, right);
    const auto rows = static_cast<std::int64_t>(std::count(csv.begin(), csv.end(), '\n'));
    EXPECT_EQ(rows, 1 + left.Predicted().steps + right.Predicted().steps) << "a row a test of each pane";
    EXPECT_EQ(csv.substr(0, csv.find('\n')), "pane,entry,key,position,low_key,high_key,verdict,line");
    EXPECT_EQ(csv.substr(csv.find('\n') + 1, 5), "left,");
    EXPECT_EQ(csv.substr(csv.rfind('\n', csv.size() - 2) + 1, 6), "right,");
}

}  // namespace
}  // namespace sentinel

namespace sentinel {
namespace {

// Before a load nothing can be stepped or played, and the buttons look it.
TEST(StepKeys, NothingStepsOrPlaysBeforeALoad)
{
    StepView view;
    for (const char* name : {"Play or pause", "Step one test", "Step back one entry"}) {
        QPushButton* button = ButtonNamed(view, name);
        ASSERT_TRUE(button) << name;
        EXPECT_FALSE(button->isEnabled()) << name;
    }
    QPushButton* play = ButtonNamed(view, "Play or pause");
    const QImage normal = play->icon().pixmap(play->iconSize(), QIcon::Normal).toImage();
    const QImage disabled = play->icon().pixmap(play->iconSize(), QIcon::Disabled).toImage();
    EXPECT_NE(normal, disabled) << "the glyph greys when the button is off";
    ASSERT_TRUE(view.Load());
    EXPECT_TRUE(play->isEnabled());
}

}  // namespace
}  // namespace sentinel

namespace sentinel {
namespace {

// The race of the two scans: each pane's code lights its own run's line and
// says it to a screen reader; Show code hides both panels and keeps them out
// of an animation.
TEST(StepCode, EachPaneLightsItsOwnLineAndTheCodeHides)
{
    StepView view;
    FailOnProblem(view);
    for (QComboBox* box : view.findChildren<QComboBox*>())
        if (box->accessibleName() == "Routine")
            box->setCurrentIndex(int(Routine::Numbers));
    view.SetRace(StepView::Race::OtherRoutine, Routine::NumbersFromHigh);
    ASSERT_TRUE(view.Load());
    for (int k = 0; k < 9; ++k)
        view.StepTest(1);
    const StepSession& session = view.Session();
    ASSERT_EQ(session.Run(StepSession::kLeft)->Input().routine, Routine::Numbers);
    ASSERT_EQ(session.Run(StepSession::kRight)->Input().routine, Routine::NumbersFromHigh);
    for (const auto& [pane, side] : {std::pair{&view.Left(), StepSession::kLeft}, std::pair{&view.Right(), StepSession::kRight}}) {
        const StepThrough& run = *session.Run(side);
        EXPECT_EQ(pane->Code().LitLine(), LineAt(run, session.Shown(side)));
        EXPECT_EQ(pane->Code().accessibleDescription(), SpokenCode(run, session.Shown(side)));
        EXPECT_TRUE(pane->Code().accessibleName().endsWith(ToQString(NameOf(run.Input().routine))));
        EXPECT_TRUE(pane->Code().focusPolicy() & Qt::TabFocus) << "reached by Tab";
    }
    EXPECT_NE(view.Left().Code().Values(), view.Right().Code().Values()) << "two scans, two moments";
    const auto& lines = view.Right().Canvas().Layout().lines;
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const TraceLayout::TextLine& line) {
        return line.text.startsWith("Steps of each entry: 1 + the earlier entries with a larger key");
    })) << "the strip reads by the high end's law";
    view.show();
    QPushButton* code = ButtonNamed(view, "Show the routine's code");
    ASSERT_TRUE(code);
    EXPECT_TRUE(view.Left().Code().isVisible());
    code->click();
    EXPECT_FALSE(view.Left().Code().isVisible());
    EXPECT_FALSE(view.Right().Code().isVisible());
    EXPECT_FALSE(view.CodeShown());
    const StepThrough halving(StartUpStepInput(Routine::NumbersBinary, 0));
    const QString counts = CountsLine(halving.At(0).counts, halving.Predicted());
    EXPECT_TRUE(counts.contains(QStringLiteral("steps 0 of at most %1 ").arg(halving.Predicted().steps)))
        << "halving's total is a bound: " << counts.toStdString();
    code->click();
    EXPECT_TRUE(view.Right().Code().isVisible());
}

}  // namespace
}  // namespace sentinel
