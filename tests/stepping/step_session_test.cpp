// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "stepping/step_session.h"

namespace sentinel {
namespace {

std::shared_ptr<const StepThrough> Recorded(Routine routine, std::vector<Text> entries)
{
    return std::make_shared<const StepThrough>(StepInputOf(routine, 0, std::move(entries)));
}

// A position always belongs to its run: new runs start at their beginning,
// and no position passes its run's end, whichever pane ends first.
TEST(StepSession, APositionNeverOutlivesItsRun)
{
    StepSession session;
    session.StepTest(1);
    session.StepEntry(1);
    EXPECT_EQ(session.Shown(), 0U) << "nothing loaded: nothing moves";
    EXPECT_FALSE(session.Finished());

    session.Load(Recorded(Routine::Numbers, {u"3", u"1", u"2", u"5", u"4"}), nullptr);
    session.StepEntry(1);
    session.StepEntry(1);
    const std::size_t deep = session.Shown();
    ASSERT_GT(deep, 0U);
    auto shortRun = Recorded(Routine::NumbersUnique, {u"1"});
    session.Load(shortRun, Recorded(Routine::Numbers, {u"2", u"1"}));
    EXPECT_EQ(session.Shown(StepSession::kLeft), 0U) << "the new run starts at its beginning";
    EXPECT_EQ(session.Shown(StepSession::kRight), 0U);
    session.Show(1000);
    EXPECT_EQ(session.Shown(StepSession::kLeft), shortRun->Events());
    EXPECT_EQ(session.Shown(StepSession::kRight), session.Run(StepSession::kRight)->Events());
    EXPECT_TRUE(session.Finished());
    session.StepTest(1);
    EXPECT_EQ(session.Shown(StepSession::kLeft), shortRun->Events()) << "not past the end";
    session.StepEntry(-1);
    EXPECT_LT(session.Shown(StepSession::kRight), session.Run(StepSession::kRight)->Events());
    session.Show(0);
    session.StepTest(-1);
    EXPECT_EQ(session.Shown(), 0U) << "not before the start";
}

TEST(StepSession, PredictModeAsksAndARaceEndsIt)
{
    StepSession session;
    EXPECT_TRUE(session.SetPredicting(true));
    session.Load(Recorded(Routine::NumbersUnique, {u"3", u"1", u"3"}), nullptr);
    ASSERT_TRUE(session.Asking()) << "the first entry is asked at once";
    EXPECT_EQ(session.ChosenGap(), 1U);
    session.MoveChoice(1);
    EXPECT_EQ(session.ChosenGap(), 1U) << "two sentinels: one gap";
    const std::size_t asked = session.Shown();
    session.StepTest(1);
    EXPECT_EQ(session.Shown(), asked) << "the run waits for the answer";
    session.Answer(1);
    EXPECT_FALSE(session.Asking());
    EXPECT_EQ(session.Quiz().Score(), u"1 of 1");
    session.StepTest(1);
    ASSERT_TRUE(session.Asking());
    session.MoveChoice(1);
    session.MoveChoice(1);
    EXPECT_EQ(session.ChosenGap(), 2U) << "three cells: two gaps, and no third";

    session.Load(Recorded(Routine::Numbers, {u"1"}), Recorded(Routine::Numbers, {u"1"}));
    EXPECT_FALSE(session.Predicting()) << "a race ends predict mode";
    EXPECT_FALSE(session.SetPredicting(true));
    EXPECT_EQ(session.Quiz().Asked(), 0) << "a new run, a new score";
}

}  // namespace
}  // namespace sentinel
