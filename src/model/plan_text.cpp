// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/plan_text.h"

#include <algorithm>
#include <charconv>

namespace sentinel {
namespace {

std::string Quoted(std::string_view text)
{
    std::string quoted(1, '"');  // built in steps: GCC 12 warns wrongly of "\"" + text
    quoted.append(text).push_back('"');
    return quoted;
}

template <class Item, class Write>
std::string Joined(const std::vector<Item>& items, Write write)
{
    std::string text;
    for (const Item& item : items) {
        if (!text.empty())
            text += ',';
        text += write(item);
    }
    return text;
}

// An item named twice is measured once.
template <class Item>
void AddOnce(std::vector<Item>& items, const Item& item)
{
    if (std::find(items.begin(), items.end(), item) == items.end())
        items.push_back(item);
}

}  // namespace

std::vector<std::string_view> SplitAtCommas(std::string_view list)
{
    std::vector<std::string_view> items;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(',', start);
        items.push_back(list.substr(start, comma == std::string_view::npos ? comma : comma - start));
        if (comma == std::string_view::npos)
            return items;
        start = comma + 1;
    }
}

ReadList<Routine> ReadRoutines(std::string_view list)
{
    ReadList<Routine> read;
    for (const std::string_view name : SplitAtCommas(list)) {
        const auto routine = RoutineNamed(name);
        if (!routine)
            return {{}, "unknown value " + Quoted(name)};
        AddOnce(read.items, *routine);
    }
    return read;
}

ReadList<Shape> ReadShapes(std::string_view list)
{
    ReadList<Shape> read;
    for (const std::string_view name : SplitAtCommas(list)) {
        const auto shape = ShapeNamed(name);
        if (!shape)
            return {{}, ShapeProblem(name)};
        AddOnce(read.items, *shape);
    }
    return read;
}

ReadList<int> ReadWholeNumber(std::string_view text, int low, int high)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return {{}, Quoted(text) + " is not a whole number from " + std::to_string(low) + " to " + std::to_string(high)};
    return {{value}, {}};
}

ReadList<std::int32_t> ReadSizes(std::string_view list)
{
    ReadList<std::int32_t> read;
    for (const std::string_view text : SplitAtCommas(list)) {
        const ReadList<int> n = ReadWholeNumber(text, 1, kLargestSize);
        if (!n.problem.empty())
            return {{}, n.problem};
        AddOnce(read.items, n.items.front());
    }
    return read;
}

std::string RoutinesText(const std::vector<Routine>& routines)
{
    return Joined(routines, [](Routine routine) { return NameOf(routine); });
}

std::string ShapesText(const std::vector<Shape>& shapes)
{
    return Joined(shapes, [](const Shape& shape) { return NameOf(shape); });
}

std::string SizesText(const std::vector<std::int32_t>& sizes)
{
    return Joined(sizes, [](std::int32_t n) { return std::to_string(n); });
}

std::string PlanArguments(const SweepPlan& plan)
{
    const std::string input = plan.kind == InputKind::File ? "--input " + plan.inputPath
                                                           : "--kind " + std::string(NameOf(plan.kind));
    return "--routines " + RoutinesText(plan.routines) + ' ' + input + " --shapes " + ShapesText(plan.shapes)
         + " --sizes " + SizesText(plan.sizes) + " --repeat " + std::to_string(plan.repeat);
}

}  // namespace sentinel
