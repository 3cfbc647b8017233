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

// Predict mode from the keyboard: the stepping keys wait for the answer,
// Left and Right choose the gap, Return and D answer, and the score counts.
TEST(PredictMode, IsWorkedFromTheKeyboard)
{
    StepView view;
    FailOnProblem(view);
    ChooseRoutine(view, Routine::ByFieldUnique);  // start-up keys 20, 30, 120, ...
    ASSERT_TRUE(view.Load());
    view.SetPredicting(true);
    auto& canvas = const_cast<TraceCanvas&>(view.Canvas());
    ASSERT_TRUE(view.Asking()) << "the first entry is asked at once";
    const std::size_t asked = view.Shown();
    for (const Qt::Key waiting : {Qt::Key_Space, Qt::Key_Down, Qt::Key_Up})
        QTest::keyClick(&canvas, waiting);
    EXPECT_EQ(view.Shown(), asked) << "nothing steps before the answer";
    EXPECT_EQ(view.ChosenGap(), 1U);
    QTest::keyClick(&canvas, Qt::Key_Left);
    EXPECT_EQ(view.ChosenGap(), 1U) << "the first gap is the leftmost";
    QTest::keyClick(&canvas, Qt::Key_Right);
    EXPECT_EQ(view.ChosenGap(), 1U) << "a list of two sentinels has one gap";
    QTest::keyClick(&canvas, Qt::Key_Return);
    EXPECT_FALSE(view.Asking());
    EXPECT_EQ(view.Shown(), view.Recording()->EndOfEntry(asked)) << "the entry is placed";
    EXPECT_TRUE(canvas.accessibleDescription().contains(QStringLiteral("\u2713 Right")));

    QTest::keyClick(&canvas, Qt::Key_Right);  // on to the second entry, 30
    ASSERT_TRUE(view.Asking());
    QTest::keyClick(&canvas, Qt::Key_Right);
    QTest::keyClick(&canvas, Qt::Key_Right);
    EXPECT_EQ(view.ChosenGap(), 2U) << "a list of three has two gaps";
    QTest::keyClick(&canvas, Qt::Key_D);
    EXPECT_FALSE(view.Quiz().VerdictOf(2)->right);
    EXPECT_EQ(view.Quiz().Score(), u"1 of 2");

    ChooseRoutine(view, Routine::NumbersUnique);
    ASSERT_TRUE(view.Load());
    EXPECT_EQ(view.Quiz().Asked(), 0) << "a new list starts a new score";
    EXPECT_TRUE(view.Asking());
}

// Every routine on the start-up data, answered right each time by the run's
// own first fit: a full score, and the routine's result at the end.
TEST(PredictMode, TakesEveryRoutineToItsResult)
{
    StepView view;
    FailOnProblem(view);
    view.SetPredicting(true);
    for (const Routine routine : kRoutines) {
        ChooseRoutine(view, routine);
        ASSERT_TRUE(view.Load());
        ASSERT_TRUE(view.Asking()) << "a new run starts at its first question, whatever the last one showed";
        const StepThrough& run = *view.Recording();
        while (view.Shown() < run.Events()) {
            if (view.Asking())
                view.Answer(run.FirstFit(view.Shown()));
            else
                view.StepTest(1);
        }
        const int entries = static_cast<int>(run.Input().entries.size());
        EXPECT_EQ(view.Quiz().Right(), entries) << NameOf(routine);
        EXPECT_EQ(view.Quiz().Asked(), entries) << NameOf(routine);
        EXPECT_EQ(view.Canvas().ListedTexts(), run.Result()) << NameOf(routine);
    }
}

// A race runs two panes on one list in lockstep; each reaches its own
// routine's result, the one done first showing it while the other goes on.
TEST(Race, EachPaneReachesItsOwnResult)
{
    StepView view;
    FailOnProblem(view);
    ChooseRoutine(view, Routine::ByField);
    const struct {
        StepView::Race race;
        Routine other;
    } races[] = {{StepView::Race::OtherRoutine, Routine::ByFieldUnique},
                 {StepView::Race::Reversed, Routine::ByField},
                 {StepView::Race::Ascending, Routine::ByField}};
    for (const auto& r : races) {
        view.SetRace(r.race, r.other);
        ASSERT_TRUE(view.Load());
        const StepPane& left = view.Left();
        const StepPane& right = view.Right();
        const auto leftRun = view.Session().Run(StepSession::kLeft);
        const auto rightRun = view.Session().Run(StepSession::kRight);
        ASSERT_TRUE(rightRun);
        EXPECT_EQ(rightRun->Input().routine, r.other);
        while (!Done(view, StepSession::kLeft) || !Done(view, StepSession::kRight)) {
            const bool leftWasDone = Done(view, StepSession::kLeft);
            view.StepTest(1);
            if (leftWasDone && !Done(view, StepSession::kRight)) {
                EXPECT_EQ(left.Canvas().ListedTexts(), leftRun->Result()) << "the result stays on show";
            }
        }
        EXPECT_EQ(left.Canvas().ListedTexts(), leftRun->Result());
        EXPECT_EQ(right.Canvas().ListedTexts(), rightRun->Result());
        EXPECT_EQ(rightRun->Result(), rightRun->StableResult());
    }
    // Reversed and ascending orders hold the same entries; ascending keys scan the longest.
    view.SetRace(StepView::Race::Ascending);
    ASSERT_TRUE(view.Load());
    const auto leftRun = view.Session().Run(StepSession::kLeft);
    const auto rightRun = view.Session().Run(StepSession::kRight);
    EXPECT_GT(rightRun->Predicted().steps, leftRun->Predicted().steps);
    EXPECT_EQ(rightRun->Result(), leftRun->Result()) << "the same entries, sorted alike";
}

// A race whose second routine cannot take the list names that routine and
// keeps the run on show.
TEST(Race, ARoutineThatCannotTakeTheListIsNamedAndNothingIsLost)
{
    QStringList complaints;
    StepView view;
    QObject::connect(&view, &StepView::problem, [&complaints](const QString& problem) { complaints.append(problem); });
    view.findChildren<QComboBox*>().front()->setCurrentIndex(2);  // a typed list
    view.findChild<QPlainTextEdit*>()->setPlainText(QStringLiteral("3\n\n1"));
    ChooseRoutine(view, Routine::Numbers);
    ASSERT_TRUE(view.Load());
    const StepThrough* shown = view.Recording();
    view.SetRace(StepView::Race::OtherRoutine, Routine::ByField);  // a blank line has no field 0
    EXPECT_FALSE(view.Load());
    ASSERT_EQ(complaints.size(), 1);
    EXPECT_TRUE(complaints[0].startsWith(QStringLiteral("SortByField cannot take this list"))) << complaints[0].toStdString();
    EXPECT_EQ(view.Recording(), shown);
    EXPECT_FALSE(view.Session().Racing());
}

// The animation read back with giflib's decoder: a frame per test, or per
// entry, at the width asked for, and looping; with the code below, taller
// by the code's height.
TEST(AnimateRun, WritesAFrameEachAtTheSizeShown)
{
    StepInput input{Routine::NumbersUnique, 0, {}, {}};
    for (const char16_t* entry : {u"20", u"-30", u"30", u"20"})
        input.entries.emplace_back(Text(entry));
    const StepThrough run(input);
    for (const FramesPer per : {FramesPer::Test, FramesPer::Entry}) {
        const Animation animation = AnimateRun(run, per, 640, false);
        ASSERT_FALSE(animation.gif.isEmpty()) << animation.error.toStdString();
        EXPECT_TRUE(animation.gif.contains("NETSCAPE2.0"));
        QByteArray bytes = animation.gif;
        GifFileType* gif = OpenGif(bytes);
        ASSERT_TRUE(gif);
        EXPECT_EQ(gif->SWidth, 640);
        EXPECT_GT(gif->SHeight, 200);
        const std::size_t frames = per == FramesPer::Test ? run.Events() + 1 : 5;  // the start and four entries
        EXPECT_EQ(static_cast<std::size_t>(gif->ImageCount), frames);
        EXPECT_EQ(animation.plan.events.size(), frames);
        // A placed cell keeps its shade: the table holds it, and frames draw with it.
        const QRgb placed = PlacedFill(QPalette().color(QPalette::Base)).rgb();
        const ColorMapObject& map = *gif->SColorMap;
        int shade = -1;
        for (int k = 0; k < map.ColorCount; ++k)
            if (qRgb(map.Colors[k].Red, map.Colors[k].Green, map.Colors[k].Blue) == placed)
                shade = k;
        ASSERT_GE(shade, 0) << "the placed cell's shade in the table";
        std::size_t shaded = 0;
        for (int frame = 0; frame < gif->ImageCount; ++frame) {
            const SavedImage& image = gif->SavedImages[frame];
            const auto pixels = static_cast<std::size_t>(image.ImageDesc.Width) * static_cast<std::size_t>(image.ImageDesc.Height);
            shaded += static_cast<std::size_t>(std::count(image.RasterBits, image.RasterBits + pixels, shade));
        }
        EXPECT_GT(shaded, 100U) << "drawn in the placed cells, not turned grey";
        int error = 0;
        DGifCloseFile(gif, &error);
    }
    const auto heightOf = [](const Animation& animation) {
        QByteArray bytes = animation.gif;
        GifFileType* gif = OpenGif(bytes);
        const int height = gif ? gif->SHeight : 0;
        int error = 0;
        DGifCloseFile(gif, &error);
        return height;
    };
    CodePanel code;
    code.Show(&run, 0);
    EXPECT_EQ(heightOf(AnimateRun(run, FramesPer::Entry, 640, true)),
              heightOf(AnimateRun(run, FramesPer::Entry, 640, false)) + code.heightForWidth(640))
        << "the code below the list";
}

}  // namespace
}  // namespace sentinel

namespace sentinel {
namespace {

// The canvas's layout, made without painting: what each frame lays out
// where, read off its cells, lines and marker.
TEST(TraceLayout, LaysOutEachFrameOfAKnownRun)
{
    TraceScene scene;
    scene.run = std::make_shared<const StepThrough>(StepInputOf(Routine::NumbersUnique, 0, {u"3", u"1", u"3"}));
    const QFont font;
    const QPalette colours;
    const auto layOut = [&](std::size_t events) {
        scene.events = events;
        scene.frame = scene.run->At(events);
        return LayOutTrace(scene, font, colours, 600);
    };
    const TraceLayout start = layOut(0);
    EXPECT_EQ(start.lines.front().text, "The list starts with its two sentinels.");
    ASSERT_EQ(start.listCount, 2U);
    EXPECT_EQ(start.cells[start.listFirst].below, "low sentinel");
    EXPECT_FALSE(start.gapMarker);

    std::size_t tested = 0;
    while (scene.run->At(tested).last == nullptr || scene.run->At(tested).last->kind != TraceEvent::Kind::Tested)
        ++tested;
    const TraceLayout test = layOut(tested);
    ASSERT_TRUE(test.gapMarker) << "a marker in the gap under test";
    EXPECT_EQ(test.markerStyle, Qt::SolidLine) << "the first entry fits the one gap there is";
    EXPECT_EQ(test.outcome, QString::fromStdU16String(scene.frame.test));
    std::size_t placed = tested;
    while (scene.run->At(placed).last == nullptr || scene.run->At(placed).last->kind != TraceEvent::Kind::Placed)
        ++placed;
    EXPECT_EQ(layOut(placed).outcome, "Inserted into gap 1: it is list[1] now.")
        << "the first entry goes between the sentinels, list[0] and list[1], as the code counts";

    const TraceLayout end = layOut(scene.run->Events());
    EXPECT_EQ(end.lines.front().text, "Done: the sentinels are removed.");
    EXPECT_EQ(end.listCount, 2U) << "1 and 3 placed; the sentinels gone from the result";
    const auto dropped = std::find_if(end.cells.begin(), end.cells.end(),
                                      [](const TraceLayout::Cell& cell) { return cell.mark == QStringLiteral("\u2212"); });
    ASSERT_NE(dropped, end.cells.end()) << "the second 3 in the dropped lane";
    EXPECT_EQ(dropped->key, "3");
    EXPECT_EQ(end.lines.back().text, QStringLiteral("\u2713 identical to the stable sort keeping the first of each key"))
        << "a strict routine keeps the first of each key";
    EXPECT_EQ(end.bars.size(), 3U) << "a bar of steps for each entry";
    EXPECT_TRUE(end.bars[2].dropped);
    EXPECT_GT(layOut(scene.run->Events()).height, 0);
    scene.chosenGap = 1;
    scene.prompt = QStringLiteral("Where does 3 go?");
    EXPECT_EQ(layOut(0).outcome, scene.prompt) << "a question is what a screen reader reads";
}

}  // namespace
}  // namespace sentinel
