// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "cost/input_error.h"
#include "model/plan_editor.h"
#include "model/plan_store.h"
#include "support/plan_cases.h"
#include "support/scratch_folder.h"

namespace sentinel {
namespace {

void ExpectSamePlan(const SweepPlan& got, const SweepPlan& wanted, const std::string& said)
{
    EXPECT_EQ(StorePlan(got), StorePlan(wanted)) << said;
    EXPECT_EQ(got.kind, wanted.kind) << said;
    EXPECT_EQ(got.FileEntries(), wanted.FileEntries()) << said;
    EXPECT_EQ(got.IsOrderSweep(), wanted.IsOrderSweep()) << said;
}

// Every plan the command line accepts goes into the editor, out to the
// stored settings, back into an editor, and comes out as it went in.
TEST(PlanEditor, EveryPlanTheCommandLineAcceptsComesBackUnchanged)
{
    ScratchFolder folder;
    const std::string file = folder.File("words.txt", "pear\napple\nfig\nkiwi\nlime\n");
    for (const auto& words : PlanCommandLines(file)) {
        const SweepPlan given = Parsed(words);
        PlanEditor editor;
        editor.Load(given);
        EXPECT_EQ(editor.Problem(), "") << Joined(words);
        ExpectSamePlan(editor.Plan(), given, "the editor: " + Joined(words));
        const RecalledPlan recalled = RecallPlan(StorePlan(editor.Plan()));
        EXPECT_TRUE(recalled.fallbacks.empty()) << Joined(words);
        PlanEditor reopened;
        reopened.Load(recalled.plan);
        ExpectSamePlan(reopened.Plan(), given, "stored and recalled: " + Joined(words));
    }
}

// A family offered twice keeps two rows, each with its parameter; a row of
// a family shown once cannot be removed.
TEST(PlanEditor, AFamilyOfferedTwiceKeepsARowForEachParameter)
{
    PlanEditor editor;
    const auto rowOf = [&editor](const Shape& shape) {
        for (std::size_t row = 0; row < editor.ShapeRows().size(); ++row)
            if (editor.ShapeRows()[row].shape == shape)
                return row;
        ADD_FAILURE() << NameOf(shape);
        return std::size_t{0};
    };
    const std::size_t swaps = rowOf(DefaultShape(ShapeKind::Swaps));
    EXPECT_FALSE(editor.Removable(swaps));
    const std::size_t added = editor.AddShapeLike(swaps);
    EXPECT_EQ(added, swaps + 1) << "beside its family";
    EXPECT_TRUE(editor.Removable(swaps) && editor.Removable(added));
    editor.SetParameter(added, 50);
    editor.ChooseShape(swaps, true);
    EXPECT_EQ(editor.Plan().shapes, (std::vector<Shape>{Shape::Random, Shape::Ascending, Shape::Descending,
                                                         {ShapeKind::Swaps, 10}, {ShapeKind::Swaps, 50}}));
    editor.RemoveShape(swaps);
    EXPECT_EQ(editor.Plan().shapes.back(), (Shape{ShapeKind::Swaps, 50}));
    EXPECT_FALSE(editor.Removable(rowOf({ShapeKind::Swaps, 50})));
}

// A parameter is held to its family's range: taken at each end, held there
// one past it, and rounded where the family counts whole numbers.
TEST(PlanEditor, AParameterIsHeldToItsRange)
{
    PlanEditor editor;
    std::size_t runs = 0, sorted = 0;
    for (std::size_t row = 0; row < editor.ShapeRows().size(); ++row) {
        runs = editor.ShapeRows()[row].shape.kind == ShapeKind::Runs ? row : runs;
        sorted = editor.ShapeRows()[row].shape.kind == ShapeKind::Sorted ? row : sorted;
    }
    const auto parameter = [&editor](std::size_t row, double value) {
        editor.SetParameter(row, value);
        return editor.ShapeRows()[row].shape.parameter;
    };
    EXPECT_EQ(parameter(runs, 1), 1);
    EXPECT_EQ(parameter(runs, 0), 1) << "a run of no keys";
    EXPECT_EQ(parameter(runs, 2.6), 3);
    EXPECT_EQ(parameter(sorted, 1), 1);
    EXPECT_EQ(parameter(sorted, 1.01), 1);
    EXPECT_EQ(parameter(sorted, 0.25), 0.25);
    EXPECT_EQ(parameter(sorted, -0.01), 0);
    const std::size_t random = 0;
    EXPECT_EQ(parameter(random, 7), 0) << "random takes none";
}

// A file is measured as given and whole; made input gets back the shapes
// and sizes it had, and an order sweep leaves the file for made input.
TEST(PlanEditor, AFileAndMadeInputEachKeepTheirOwnShapesAndSizes)
{
    ScratchFolder folder;
    PlanEditor editor;
    editor.SetKind(InputKind::Words);
    editor.SetTo(4000);
    editor.SetKind(InputKind::File);
    EXPECT_EQ(editor.Kind(), InputKind::Words) << "no file offered yet";
    editor.ChooseFile("five.txt", std::make_shared<const std::vector<Text>>(5, Text(u"x")));
    SweepPlan plan = editor.Plan();
    EXPECT_EQ(plan.shapes, std::vector{Shape::AsGiven});
    EXPECT_EQ(plan.sizes, std::vector<std::int32_t>{5});
    EXPECT_EQ(editor.LargestSize(), 5);
    editor.SetTo(6);
    EXPECT_EQ(editor.To(), 5) << "no more than the file holds";
    editor.SetKind(InputKind::Words);
    plan = editor.Plan();
    EXPECT_EQ(plan.shapes, (std::vector<Shape>{Shape::Random, Shape::Ascending, Shape::Descending}));
    EXPECT_EQ(plan.sizes, DefaultSizes());
    editor.SetKind(InputKind::File);
    editor.SetSweep(PlanEditor::Sweep::Order);
    EXPECT_EQ(editor.Kind(), InputKind::Words) << "the made kind chosen last";
    EXPECT_EQ(editor.Plan().sizes, std::vector<std::int32_t>{kDefaultOrderSweepSize});
    EXPECT_TRUE(editor.Plan().IsOrderSweep());
}

// What cannot be measured says why; From above To is kept as set.
TEST(PlanEditor, APlanThatCannotBeMeasuredSaysWhy)
{
    PlanEditor editor;
    editor.SetFrom(9000);
    editor.SetTo(300);
    EXPECT_EQ(editor.Problem(), "From (9000) lies above To (300): choose sizes from the smaller to the larger");
    EXPECT_EQ(editor.Plan().sizes, (std::vector<std::int32_t>{9000, 300}));
    editor.SetTo(9000);
    EXPECT_EQ(editor.Problem(), "");
    editor.ChooseRoutine(Routine::Numbers, false);
    EXPECT_EQ(editor.Problem(), "choose at least one routine");
    editor.ChooseRoutine(Routine::NumbersFromHigh, true);
    EXPECT_EQ(editor.Plan().routines, std::vector{Routine::NumbersFromHigh});
    editor.SetFrom(0);
    EXPECT_EQ(editor.From(), 1);
    editor.SetLevels(PlanEditor::kMostLevels + 1);
    EXPECT_EQ(editor.Levels(), PlanEditor::kMostLevels);
    editor.SetRepeat(kMostRepeats + 1);
    EXPECT_EQ(editor.Repeat(), kMostRepeats);
}

// A file's lines choose the routine that keys them when none chosen does:
// words, numbers and fields each by most of the lines that are not blank.
TEST(PlanEditor, AFileChoosesTheRoutineThatKeysItsLines)
{
    const auto lines = [](std::initializer_list<const char16_t*> texts) {
        std::vector<Text> entries;
        for (const char16_t* text : texts)
            entries.emplace_back(text);
        return std::make_shared<const std::vector<Text>>(std::move(entries));
    };
    EXPECT_EQ(RoutineForEntries(*lines({u"pear", u"12", u"fig"})), Routine::Strings);
    EXPECT_EQ(RoutineForEntries(*lines({u" 12", u"-3.5", u"", u"1e6", u"pear"})), Routine::Numbers) << "blank lines aside";
    EXPECT_EQ(RoutineForEntries(*lines({u"3,1,0", u"2,x", u"name,1"})), Routine::ByField);
    EXPECT_EQ(RoutineForEntries(*lines({u"12abc", u"7 days", u"3"})), Routine::Strings) << "a number and more is a word";

    PlanEditor editor;  // SortNumbers chosen
    EXPECT_EQ(editor.ChooseFile("words.txt", lines({u"pear", u"apple"})), Routine::Strings);
    EXPECT_EQ(editor.Plan().routines, std::vector{Routine::Strings});
    editor.ChooseRoutine(Routine::StringsUnique, true);
    EXPECT_EQ(editor.ChooseFile("more.txt", lines({u"kiwi"})), std::nullopt) << "routines that fit stay";
    EXPECT_EQ(editor.Plan().routines, (std::vector{Routine::Strings, Routine::StringsUnique}));
    EXPECT_EQ(editor.ChooseFile("numbers.txt", lines({u"5", u"3"})), Routine::Numbers);
    editor.ChooseRoutine(Routine::PairsUnique, true);
    EXPECT_EQ(editor.ChooseFile("again.txt", lines({u"8"})), std::nullopt) << "a paired routine keys numbers too";
}

}  // namespace
}  // namespace sentinel
