// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The shape table: each family's name and parameter range, as the parser,
// its errors, --help, the manual page and the completion read them, and
// the keys each family's row makes.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iomanip>
#include <set>
#include <sstream>

#include "cost/inputs.h"
#include "model/command_line.h"
#include "sorting/sort_keys.h"

namespace sentinel {
namespace {

std::string Packaged(const char* file)
{
    std::ifstream in(std::string(PACKAGING_DIR "/") + file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The words with a blank before and after (built in steps: GCC 12 warns wrongly of " " + text).
std::string Padded(const std::string& words)
{
    std::string padded(1, ' ');
    padded += words;
    padded += ' ';
    return padded;
}

std::string NumberText(double value)
{
    std::ostringstream text;
    text << std::setprecision(17) << value;
    return text.str();
}

std::vector<std::int64_t> KeysOf(const Input& input)
{
    std::vector<std::int64_t> keys;
    for (const Value& entry : input.entries)
        keys.push_back(static_cast<std::int64_t>(NumericKey(entry)));
    return keys;
}

int Descents(const std::vector<std::int64_t>& keys)
{
    int descents = 0;
    for (std::size_t i = 1; i < keys.size(); ++i)
        descents += keys[i] < keys[i - 1];
    return descents;
}

// Each family's parameter is taken at both ends of its range and refused one
// step past either; the refusal names the family's syntax and what it takes.
TEST(ShapeTable, EachParameterIsTakenAtItsLimitsAndRefusedPastThem)
{
    for (const ShapeFamily& family : ShapeFamilies()) {
        const std::string name(family.name);
        EXPECT_EQ(ShapeNamed(name), DefaultShape(family.kind)) << name;
        EXPECT_EQ(ShapeNamed(NameOf(DefaultShape(family.kind))), DefaultShape(family.kind)) << name;
        if (!family.TakesParameter()) {
            EXPECT_EQ(ShapeNamed(name + ":3"), std::nullopt) << name;
            EXPECT_EQ(ShapeProblem(name + ":3"), "\"" + name + ":3\": " + name + " takes no parameter");
            continue;
        }
        const ShapeParameter& parameter = family.parameter;
        const double step = parameter.decimals > 0 ? 0.01 : 1;
        for (const double value : {parameter.low, parameter.high})
            EXPECT_EQ(ShapeNamed(name + ":" + NumberText(value)), (Shape{family.kind, value})) << name << value;
        for (const double value : {parameter.low - step, parameter.high + step}) {
            const std::string refused = name + ":" + NumberText(value);
            EXPECT_EQ(ShapeNamed(refused), std::nullopt) << refused;
            const std::string problem = ShapeProblem(refused);
            EXPECT_NE(problem.find(family.Syntax() + " takes " + parameter.meaning), std::string::npos) << problem;
        }
        if (parameter.decimals == 0) {
            EXPECT_EQ(ShapeNamed(name + ":2.5"), std::nullopt) << "whole numbers only: " << name;
        }
    }
    EXPECT_EQ(NameOf(Shape{ShapeKind::Sorted, 0.3}), "sorted:0.3");
    EXPECT_NE(ShapeProblem("zigzag").find("is no shape (random, ascending,"), std::string::npos);
}

// The names are the command line's, the CSV's and the settings file's: each
// is one word, and no two families share one.
TEST(ShapeTable, NamesAreDistinctAndMadeFamiliesComeFirst)
{
    std::set<std::string_view> names;
    for (const ShapeFamily& family : ShapeFamilies()) {
        EXPECT_TRUE(names.insert(family.name).second) << family.name;
        EXPECT_EQ(family.name.find_first_of(":, "), std::string_view::npos) << family.name;
    }
    EXPECT_EQ(MadeShapes().size() + 1, AllShapes().size()) << "all made, but for a file's lines as given";
    EXPECT_EQ(AllShapes().back(), Shape::AsGiven);
}

// --help, the manual page and the completion offer every made family, with
// its parameter's letter.
TEST(ShapeTable, HelpManualPageAndCompletionOfferEveryFamily)
{
    const std::string help = HelpText(), manual = Packaged("sentinel-cost.1");
    // The words the completion offers after --shapes, each with a blank on both sides.
    const std::string script = Packaged("sentinel-cost.bash-completion");
    const std::size_t list = script.find('"', script.find("\"$current\"", script.find("--shapes)")) + 10);
    const std::string completion = Padded(script.substr(list + 1, script.find('"', list + 1) - list - 1));
    for (const ShapeFamily& family : ShapeFamilies()) {
        if (!family.made)
            continue;
        const std::string name(family.name);
        EXPECT_NE(help.find(family.Syntax()), std::string::npos) << name;
        const std::string roff = family.TakesParameter() ? name + ":\\fI" + family.parameter.letter + "\\fR" : name;
        EXPECT_NE(manual.find(roff), std::string::npos) << "manual page: " << roff;
        const std::string offered = family.TakesParameter() ? name + ":" : name;
        EXPECT_NE(completion.find(Padded(offered)), std::string::npos) << "completion: " << name;
    }
}

// Each family's row makes keys in its own order: read off the keys made.
TEST(ShapeTable, EachRowMakesItsOwnOrder)
{
    const std::int32_t n = 120;
    const auto keys = [n](ShapeKind kind, double parameter) {
        return KeysOf(MakeInput(InputKind::Numbers, {kind, parameter}, n, 11));
    };
    EXPECT_EQ(Descents(keys(ShapeKind::Ascending, 0)), 0);
    EXPECT_EQ(Descents(keys(ShapeKind::Descending, 0)), n - 1);
    EXPECT_EQ(Descents(keys(ShapeKind::Swaps, 0)), 0) << "no pair swapped";
    EXPECT_EQ(Descents(keys(ShapeKind::Sawtooth, 4)), 3) << "four teeth";
    EXPECT_EQ(Descents(keys(ShapeKind::Sawtooth, 1)), 0) << "one tooth is ascending";
    EXPECT_LE(Descents(keys(ShapeKind::Runs, 30)), 3) << "four runs of 30";
    EXPECT_EQ(Descents(keys(ShapeKind::Runs, n)), 0) << "one run";
    EXPECT_EQ(Descents(keys(ShapeKind::OrganPipe, 0)), n / 2 - 1) << "up, then down";
    const std::vector<std::int64_t> equal = keys(ShapeKind::Equal, 0);
    EXPECT_EQ(std::set<std::int64_t>(equal.begin(), equal.end()).size(), 1U);
    const std::vector<std::int64_t> sorted = keys(ShapeKind::Sorted, 1);
    EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end())) << "a sortedness of 1";
}

}  // namespace
}  // namespace sentinel
