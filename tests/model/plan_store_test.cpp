// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "cost/input_error.h"
#include "cost/text_file.h"
#include "model/plan_store.h"

namespace sentinel {
namespace {

// A folder of the test's own, removed at the end.
class PlanStoreTest : public ::testing::Test {
protected:
    PlanStoreTest()
        : folder_(std::filesystem::temp_directory_path()
                  / ("plan_store_test." + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "."
                     + std::to_string(reinterpret_cast<std::uintptr_t>(this))))
    {
        std::filesystem::create_directories(folder_);
    }
    ~PlanStoreTest() override { std::filesystem::remove_all(folder_); }

    std::string File(const std::string& name, const std::string& text) const
    {
        const std::string path = (folder_ / name).string();
        std::ofstream(path) << text;
        return path;
    }

    std::filesystem::path folder_;
};

TEST_F(PlanStoreTest, APlanComesBackAsItWasStored)
{
    SweepPlan plan = DefaultPlan();
    plan.routines = {Routine::StringsUnique, Routine::Numbers};
    plan.kind = InputKind::Words;
    plan.shapes = {DefaultShape(ShapeKind::Swaps), Shape::OrganPipe};
    plan.sizes = {10, 300, 7};  // not doubling: kept as given
    plan.repeat = kMostRepeats;
    const RecalledPlan recalled = RecallPlan(StorePlan(plan));
    EXPECT_TRUE(recalled.fallbacks.empty());
    EXPECT_EQ(recalled.plan.routines, plan.routines);
    EXPECT_EQ(recalled.plan.kind, InputKind::Words);
    EXPECT_EQ(recalled.plan.shapes, plan.shapes);
    EXPECT_EQ(recalled.plan.sizes, plan.sizes);
    EXPECT_EQ(recalled.plan.repeat, kMostRepeats);

    SweepPlan order = DefaultPlan();
    order.shapes = OrderSweepShapes(0.2, 0.8, 4);
    order.sizes = {500};
    const std::vector<Shape> levels = RecallPlan(StorePlan(order)).plan.shapes;
    ASSERT_EQ(levels.size(), order.shapes.size()) << "an order sweep over part of the range";
    for (std::size_t i = 0; i < levels.size(); ++i)
        EXPECT_EQ(NameOf(levels[i]), NameOf(order.shapes[i])) << "the level as it is named";
}

TEST_F(PlanStoreTest, AFileIsReadAgainAndOneThatIsGoneFallsBackToMadeInput)
{
    SweepPlan plan = DefaultPlan();
    const std::string path = File("words.txt", "pear\napple\nfig\n");
    plan.UseFile(path, {u"stale"});
    plan.shapes = {Shape::AsGiven};
    plan.sizes = {1};
    const StoredPlan stored = StorePlan(plan);
    EXPECT_EQ(stored.at("input"), path);

    std::ofstream(path, std::ios::app) << "kiwi\n";  // changed since: read as it is now
    RecalledPlan recalled = RecallPlan(stored);
    EXPECT_TRUE(recalled.fallbacks.empty());
    EXPECT_EQ(recalled.plan.kind, InputKind::File);
    EXPECT_EQ(recalled.plan.FileEntries(), (std::vector<Text>{u"pear", u"apple", u"fig", u"kiwi"}));
    EXPECT_EQ(recalled.plan.sizes, std::vector<std::int32_t>{1}) << "a size within the file is kept";

    std::filesystem::remove(path);
    recalled = RecallPlan(stored);
    EXPECT_EQ(recalled.plan.kind, InputKind::Numbers);
    EXPECT_EQ(recalled.plan.shapes, DefaultPlan().shapes);
    EXPECT_EQ(recalled.plan.sizes, DefaultSizes()) << "the file's sizes went with it";
    ASSERT_EQ(recalled.fallbacks.size(), 2U) << "the file, then its shape";
    EXPECT_NE(recalled.fallbacks[0].find(path), std::string::npos) << recalled.fallbacks[0];
    EXPECT_NE(recalled.fallbacks[0].find("made number texts are measured instead"), std::string::npos);
    EXPECT_NO_THROW(CheckPlan(recalled.plan));
}

// What an earlier version stored: "given" with no file, which once crashed every start.
TEST_F(PlanStoreTest, TheShapeGivenWithNoFileFallsBackAndTheRestIsKept)
{
    const RecalledPlan recalled = RecallPlan({{"shapes", "given"}, {"repeat", "9"}, {"kind", "0"}});
    EXPECT_EQ(recalled.plan.shapes, DefaultPlan().shapes);
    EXPECT_EQ(recalled.plan.repeat, 9);
    EXPECT_EQ(recalled.plan.kind, InputKind::Numbers);
    ASSERT_EQ(recalled.fallbacks.size(), 2U);
    EXPECT_EQ(recalled.fallbacks[0], "the stored kind \"0\" could not be used");
    EXPECT_EQ(recalled.fallbacks[1], "made input is measured in the default shapes");
}

TEST_F(PlanStoreTest, ValuesAtTheirLimitsAreKeptAndOnePastFallsBack)
{
    const auto repeat = [](const std::string& text) { return RecallPlan({{"repeat", text}}).plan.repeat; };
    EXPECT_EQ(repeat("1"), 1);
    EXPECT_EQ(repeat("100"), 100);
    EXPECT_EQ(repeat("0"), kDefaultRepeats);
    EXPECT_EQ(repeat("101"), kDefaultRepeats);
    EXPECT_EQ(repeat("5x"), kDefaultRepeats);
    const auto sizes = [](const std::string& text) { return RecallPlan({{"sizes", text}}).plan.sizes; };
    EXPECT_EQ(sizes("100000"), std::vector<std::int32_t>{100000});
    EXPECT_EQ(sizes("100001"), DefaultSizes());
    EXPECT_EQ(sizes("10,,20"), DefaultSizes()) << "an empty item";
    EXPECT_EQ(RecallPlan({{"routines", ""}}).plan.routines, DefaultPlan().routines);
}

// Random and cut values of every key: whatever is stored, the plan
// recalled can be measured. The seed is printed, so that a failure replays.
TEST_F(PlanStoreTest, AnyStoredValueGivesAPlanThatCanBeMeasured)
{
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    const StoredPlan good = StorePlan(DefaultPlan());
    const std::string pieces[] = {"SortNumbers", "given", "sorted:2", "swaps:-1", "runs:0", "sawtooth:abc", ",", "0",
                                  "100000", "100001", "-5", "file", "numbers", "\xff", "", "random", "sorted:0.5"};
    for (int round = 0; round < 2000; ++round) {
        StoredPlan stored = good;
        for (auto& [key, value] : stored) {
            switch (random() % 4) {
            case 0: value = value.substr(0, random() % (value.size() + 1)); break;  // cut
            case 1: value = pieces[random() % std::size(pieces)]; break;
            case 2: value += "," + pieces[random() % std::size(pieces)]; break;
            default: break;
            }
        }
        if (random() % 8 == 0)
            stored["input"] = random() % 2 ? "/nonexistent/file.txt" : (folder_ / "").string();
        const RecalledPlan recalled = RecallPlan(stored);
        EXPECT_NO_THROW(CheckPlan(recalled.plan));
    }
}

// A file that shrank since it was stored is measured whole; the plan's
// other entries stay, and the window is told.
TEST_F(PlanStoreTest, AFileThatShrankKeepsThePlansOtherEntries)
{
    SweepPlan plan;
    plan.routines = {Routine::StringsUnique, Routine::Strings};
    const std::string path = File("words.txt", "a\nb\nc\nd\ne\n");
    plan.UseFile(path, ReadEntries(path));
    plan.shapes = {Shape::AsGiven};
    plan.sizes = {2, 5};
    plan.repeat = 7;
    const StoredPlan stored = StorePlan(plan);
    File("words.txt", "a\nb\nc\n");
    const RecalledPlan recalled = RecallPlan(stored);
    EXPECT_EQ(recalled.plan.routines, plan.routines);
    EXPECT_EQ(recalled.plan.repeat, 7);
    EXPECT_EQ(recalled.plan.kind, InputKind::File);
    EXPECT_EQ(recalled.plan.sizes, std::vector<std::int32_t>{3}) << "the whole of what is left";
    EXPECT_EQ(recalled.fallbacks, std::vector<std::string>{"the stored sizes pass the input's 3 entries"});
}

}  // namespace
}  // namespace sentinel
