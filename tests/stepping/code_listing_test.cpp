// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The code panel's pseudo-code: a line for every event, every line that an
// event can light lit by some run, and the line and values of known moments.
#include <gtest/gtest.h>

#include <set>

#include "cost/text_file.h"
#include "runtime/conversions.h"
#include "stepping/code_listing.h"
#include "support/text.h"

namespace sentinel {
namespace {

StepThrough RunOf(Routine routine, std::initializer_list<const char16_t*> entries)
{
    std::vector<Text> texts;
    for (const char16_t* entry : entries)
        texts.emplace_back(entry);
    return StepThrough(StepInputOf(routine, 0, texts));
}

// The lines the run lights, from its start to its end.
std::set<std::size_t> LitLines(const StepThrough& run)
{
    std::set<std::size_t> lit;
    for (std::size_t events = 0; events <= run.Events(); ++events)
        lit.insert(LineAt(run, events));
    return lit;
}

// Every routine's code has 8 to 15 lines; every event finds a line that is
// not a comment; every line an event can light is lit by the start-up data
// (fields 0 to 2), or, for a drop beyond a sentinel, which the start-up data
// never holds for number keys, by a list with keys beyond both sentinels.
TEST(CodeListing, EveryEventHasALineAndEveryLineAnEvent)
{
    for (const Routine routine : kRoutinesAndVariants) {
        const std::vector<CodeLine> code = CodeOf(routine);
        EXPECT_GE(code.size(), 8U) << NameOf(routine);
        EXPECT_LE(code.size(), 15U) << NameOf(routine);
        std::set<std::size_t> lit;
        for (const std::int16_t field : {0, 1, 2}) {
            const std::set<std::size_t> more = LitLines(StepThrough(StartUpStepInput(routine, field)));
            lit.insert(more.begin(), more.end());
        }
        const std::set<std::size_t> beyond = LitLines(RunOf(routine, {u"5", u"-999999999999999", u"999999999999999", u"~"}));
        lit.insert(beyond.begin(), beyond.end());
        for (std::size_t line = 0; line < code.size(); ++line) {
            const bool unlit = code[line].step == CodeStep::Comment || code[line].step == CodeStep::Plain;
            EXPECT_EQ(lit.contains(line), !unlit) << NameOf(routine) << " line " << line + 1 << ": "
                                                  << ToUtf8(code[line].text);
        }
    }
}

// SortNumbers on 3, 1, 3 and its two variants, event by event.
TEST(CodeListing, TheLineAndValuesOfEachMomentOfAKnownRun)
{
    const StepThrough front = RunOf(Routine::Numbers, {u"3", u"1", u"3"});
    // Events: key 3, fits at 1, placed; key 1, fits at 1, placed; key 3, goes on at 1, fits at 2, placed.
    ASSERT_EQ(front.Events(), 10U);
    const std::vector<CodeLine> code = CodeOf(Routine::Numbers);
    const auto stepAt = [&](const StepThrough& run, std::size_t events) {
        return CodeOf(run.Input().routine)[LineAt(run, events)].step;
    };
    EXPECT_EQ(stepAt(front, 0), CodeStep::Sentinels);
    EXPECT_EQ(stepAt(front, 1), CodeStep::Key);
    EXPECT_EQ(stepAt(front, 2), CodeStep::Test);
    EXPECT_EQ(stepAt(front, 3), CodeStep::Insert);
    EXPECT_EQ(stepAt(front, 8), CodeStep::ScanOn);
    EXPECT_EQ(stepAt(front, 9), CodeStep::Test);
    EXPECT_EQ(stepAt(front, 10), CodeStep::Done);
    EXPECT_EQ(ToUtf8(code[LineAt(front, 9)].text), "if list[j \u2212 1] \u2264 k \u2264 list[j]:");
    EXPECT_EQ(ToUtf8(ValuesAt(front, 9)),
              "entry 3 of 3: 3 \u00B7 k = 3 \u00B7 gap 2: list[1] = 1, list[2] = 3 \u00B7 m = 2 placed \u00B7 steps 4 "
              "\u00B7 moves 3");
    EXPECT_EQ(ToUtf8(ValuesAt(front, 0)), "m = 0 placed \u00B7 steps 0 \u00B7 moves 0");

    // Halving finds the third entry's gap at once: j = 2 of 1 to 3.
    const StepThrough halving = RunOf(Routine::NumbersBinary, {u"3", u"1", u"3"});
    ASSERT_EQ(halving.Events(), 9U);
    EXPECT_EQ(stepAt(halving, 8), CodeStep::Test);
    // From the high end the second entry goes on past 3, and the third fits
    // at once, above the first 3.
    const StepThrough fromHigh = RunOf(Routine::NumbersFromHigh, {u"3", u"1", u"3"});
    EXPECT_EQ(stepAt(fromHigh, 5), CodeStep::ScanOn);
    EXPECT_EQ(stepAt(fromHigh, 9), CodeStep::Test);
    EXPECT_EQ(fromHigh.Result(), (std::vector<Text>{u"1", u"3", u"3"}));
    // Halving on 1, 2, 0: the last key goes left of gap 2, then fits at 1.
    const StepThrough left = RunOf(Routine::NumbersBinary, {u"1", u"2", u"0"});
    EXPECT_EQ(stepAt(left, 5), CodeStep::GoRight) << "the second key, 2, lies right of gap 1";
    EXPECT_EQ(stepAt(left, 9), CodeStep::GoLeft);
    EXPECT_EQ(stepAt(left, 10), CodeStep::Test);
}

// A drop's line says why: a repeat, or a key beyond a sentinel. (The run's
// last moment lights the sentinels' removal, so a later entry follows.)
TEST(CodeListing, ADropLightsTheLineOfItsReason)
{
    const StepThrough run = RunOf(Routine::NumbersUnique, {u"4", u"4", u"-999999999999999", u"7"});
    const std::vector<CodeLine> code = CodeOf(Routine::NumbersUnique);
    std::vector<CodeStep> drops;
    for (std::size_t events = 1; events <= run.Events(); ++events)
        if (code[LineAt(run, events)].step == CodeStep::DropRepeated || code[LineAt(run, events)].step == CodeStep::DropBeyond)
            drops.push_back(code[LineAt(run, events)].step);
    EXPECT_EQ(drops, (std::vector<CodeStep>{CodeStep::DropRepeated, CodeStep::DropBeyond}));
}

}  // namespace
}  // namespace sentinel
