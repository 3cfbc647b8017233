// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cost/plan.h"
#include "model/command_line.h"

namespace sentinel {

// Command lines of plans the command line accepts, read off the tables so
// that a new routine, variant or shape is among them: each routine and
// variant alone and several in no table order, each shape family twice with
// two parameters, made kinds, sizes that do not double, order sweeps, and a
// file (`file`, of at least five lines) measured whole and in part.
inline std::vector<std::vector<std::string>> PlanCommandLines(const std::string& file)
{
    std::vector<std::vector<std::string>> lines;
    for (const Routine routine : kRoutinesAndVariants)
        lines.push_back({"--routines", std::string(NameOf(routine))});
    lines.push_back({"--routines", "SortNumbersBinary,SortNumbers,SortNumbersFromHigh", "--repeat", "7"});
    for (const ShapeFamily& family : ShapeFamilies()) {
        if (!family.made)
            continue;
        std::string shapes(family.name);
        if (family.TakesParameter()) {
            const double low = family.parameter.low;
            const double other = family.parameter.decimals > 0 ? 0.75 * family.parameter.high : family.parameter.byDefault + 1;
            std::ostringstream text;
            text << family.name << ':' << other << ',' << family.name << ':' << low << ",random";
            shapes = text.str();
        }
        lines.push_back({"--shapes", shapes, "--sizes", "1000,2000"});
    }
    for (const InputKind kind : kMadeKinds)
        lines.push_back({"--kind", std::string(NameOf(kind)), "--sizes", "300,1000,7000"});
    lines.push_back({"--routines", "SortNumbers,SortNumbersFromHigh", "--shapes", "random,swaps:5,swaps:50", "--sizes",
                     "1000,2000"});
    lines.push_back({"--order-sweep", "0:1:0.25", "--sizes", "500"});
    lines.push_back({"--order-sweep", "0.2:0.6:0.2", "--routines", "SortNumbersFromHigh"});
    lines.push_back({"--input", file, "--routines", "SortStrings,SortStringsUnique"});
    lines.push_back({file, "--sizes", "2,3", "--repeat", "1"});
    return lines;
}

// The plan of a command line.
inline SweepPlan Parsed(const std::vector<std::string>& words)
{
    const std::vector<std::string_view> arguments(words.begin(), words.end());
    return ParseCommandLine(arguments).plan;
}

// A command line as one text, to say which one failed.
inline std::string Joined(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += word + ' ';
    return text;
}

}  // namespace sentinel
