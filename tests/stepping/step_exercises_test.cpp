// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "sorting/sort_family.h"
#include "stepping/step_through.h"

#include <sstream>

#include "stepping/predict_quiz.h"
#include "stepping/step_export.h"
#include "runtime/conversions.h"
#include "support/text.h"

namespace sentinel {
namespace {

StepThrough RunOf(Routine routine, std::initializer_list<const char16_t*> entries)
{
    StepInput input{routine, 0, {}, {}};
    for (const char16_t* entry : entries)
        input.entries.emplace_back(Text(entry));
    return StepThrough(input);
}

// The event counts at which each entry is asked about, in order.
std::vector<std::size_t> Questions(const StepThrough& run)
{
    std::vector<std::size_t> asked;
    const PredictQuiz fresh;
    for (std::size_t events = 0; events <= run.Events(); ++events)
        if (fresh.Asks(run, events))
            asked.push_back(events);
    return asked;
}

constexpr const char16_t* kHigh = u"99999999999999";

// Inclusive: a right gap, a wrong gap, "dropped" for an entry that fits, and
// a repeated key that several gaps enclose; the score counts the right ones.
TEST(PredictQuiz, JudgesGapsAndDropsOfAnInclusiveRoutine)
{
    const StepThrough run = RunOf(Routine::Numbers, {u"20", u"-30", u"30", u"20"});
    const std::vector<std::size_t> asked = Questions(run);
    ASSERT_EQ(asked.size(), 4U);
    PredictQuiz quiz;
    EXPECT_TRUE(quiz.Right() == 0 && quiz.Asked() == 0);
    EXPECT_TRUE(quiz.Answer(run, asked[0], 1).right);
    const auto& wrongGap = quiz.Answer(run, asked[1], 2);
    EXPECT_FALSE(wrongGap.right);
    EXPECT_EQ(wrongGap.text, Text(u"\u2717 At the gap you picked: 20 > -30 < ") + kHigh
                                 + u" \u2192 goes on. At the first gap that encloses -30: -99999999999999 < -30 < 20"
                                   u" \u2192 fits.");
    EXPECT_EQ(quiz.Answer(run, asked[2], PredictQuiz::kDropped).text,
              Text(u"\u2717 Not dropped. At the first gap that encloses 30: 20 < 30 < ") + kHigh + u" \u2192 fits.");
    EXPECT_EQ(quiz.Answer(run, asked[3], 2).text,
              u"\u2713 Right: At the first gap that encloses 20: -30 < 20 = 20 \u2192 fits. 2 gaps enclose 20: the "
              u"first one wins.");
    EXPECT_EQ(quiz.Score(), u"2 of 4");
    EXPECT_FALSE(quiz.Asks(run, asked[3])) << "an answered entry is not asked again";
    EXPECT_FALSE(quiz.Asks(run, asked[3] + 1)) << "only where the key has just been computed";
}

// Strict: a repeated key is dropped, so "dropped" is right for it, and a gap
// picked for it is answered with the reason.
TEST(PredictQuiz, JudgesDropsOfAStrictRoutine)
{
    const StepThrough run = RunOf(Routine::NumbersUnique, {u"20", u"-30", u"30", u"20"});
    const std::vector<std::size_t> asked = Questions(run);
    ASSERT_EQ(asked.size(), 4U);
    PredictQuiz quiz;
    EXPECT_EQ(quiz.Answer(run, asked[3], PredictQuiz::kDropped).text, u"\u2713 Right: dropped, key already placed.");
    PredictQuiz other;
    EXPECT_EQ(other.Answer(run, asked[3], 3).text,
              u"\u2717 At the gap you picked: 20 = 20 < 30 \u2192 goes on. No gap encloses 20: dropped, key already "
              u"placed.");
    EXPECT_EQ(other.Answer(run, asked[0], PredictQuiz::kDropped).right, false);
    EXPECT_EQ(other.Score(), u"0 of 2");
    EXPECT_EQ(quiz.VerdictOf(4)->right, true);
    EXPECT_EQ(quiz.VerdictOf(1), nullptr);
}

// One row per position tested, each verdict as the trace has it; texts with
// commas are quoted.
TEST(StepCsv, HasARowPerStepWithTheTracesVerdicts)
{
    const StepThrough run = RunOf(Routine::StringsUnique, {u"B,1", u"A\"X", u"B,1", u"/"});
    const std::string csv = StepCsv(run);
    std::istringstream lines(csv);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, kStepCsvHeader);
    std::vector<std::string> rows;
    while (std::getline(lines, line))
        rows.push_back(line);
    const ScanCounts counts = run.At(run.Events()).counts;
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(counts.steps));
    std::int64_t fits = 0, dropped = 0;
    for (const std::string& row : rows) {
        fits += row.find(",fits,") != std::string::npos;
        dropped += row.find(",dropped: ") != std::string::npos;
    }
    EXPECT_EQ(fits, counts.placed);
    EXPECT_EQ(dropped, counts.dropped);
    // The last column is the code's line: 6 the test that fits, 5 the scan going on.
    EXPECT_EQ(rows[0], "1,\"B,1\",1,0,ZZZZZZZZZZZZZ,fits,6");
    EXPECT_EQ(rows[3], "3,\"B,1\",2,\"A\"\"X\",\"B,1\",goes on,5");
    EXPECT_EQ(rows[4], "3,\"B,1\",3,\"B,1\",ZZZZZZZZZZZZZ,dropped: key already placed,5");
    EXPECT_EQ(rows.back(), "4,/,3,\"B,1\",ZZZZZZZZZZZZZ,dropped: below the low sentinel,5");
}

// A frame per event up to the cap, exactly; one past it, a frame per entry.
TEST(PlanFrames, FallsBackToAFramePerEntryPastTheCap)
{
    const auto ascendingWithOneLow = [](int low) {
        StepInput input{Routine::Numbers, 0, {}, {}};
        for (int k = 1; k <= 30; ++k)
            input.entries.emplace_back(WholeNumberText(k == low ? 1 : 10 * k));
        return StepThrough(input);
    };
    const StepThrough atCap = ascendingWithOneLow(27);
    ASSERT_EQ(atCap.Events() + 1, kMostAnimationFrames);
    const FramePlan perTest = PlanFrames(atCap, FramesPer::Test);
    EXPECT_EQ(perTest.per, FramesPer::Test);
    EXPECT_EQ(perTest.events.size(), kMostAnimationFrames);
    const StepThrough pastCap = ascendingWithOneLow(26);
    ASSERT_EQ(pastCap.Events() + 1, kMostAnimationFrames + 1);
    const FramePlan fellBack = PlanFrames(pastCap, FramesPer::Test);
    EXPECT_EQ(fellBack.per, FramesPer::Entry);
    ASSERT_EQ(fellBack.events.size(), 31U) << "the start, then each entry's end";
    EXPECT_EQ(fellBack.events[1], pastCap.EndOfEntry(0));
    EXPECT_EQ(fellBack.events.back(), pastCap.Events());
}

// The step-through counts the entries the key store shifted as the counted
// run does, for every routine, on a list long enough to shift some.
TEST(StepThrough, ShiftsAsTheCountedRunDoes)
{
    std::vector<Text> lines;
    for (int i = 0; i < 60; ++i)
        lines.push_back(WholeNumberText((i * 37) % 61) + u"," + WholeNumberText(i) + u",0");
    for (const Routine routine : kRoutinesAndVariants) {
        const StepInput input = StepInputOf(routine, 0, lines);
        const StepThrough run(input);
        CollectionRef items = std::make_shared<Collection>(input.entries);
        CollectionRef companion = std::make_shared<Collection>(input.companion);
        const ScanCounts counted = SortCounted(routine, items, companion, 0, nullptr);
        const ScanCounts stepped = run.At(run.Events()).counts;
        EXPECT_EQ(stepped.shifted, counted.shifted) << NameOf(routine);
        EXPECT_EQ(stepped.steps, counted.steps) << NameOf(routine);
        if (!IsStrict(routine)) {
            EXPECT_GT(stepped.shifted, 0) << NameOf(routine) << ": a list that shifts";
        }
    }
}

}  // namespace
}  // namespace sentinel
