// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cost/plan.h"

#include <algorithm>
#include <string>

#include "cost/input_error.h"
#include "runtime/user_text.h"

namespace sentinel {

static_assert(kLargestSize == 100000, "the messages below name the limit");

bool SweepPlan::IsOrderSweep() const
{
    return shapes.size() >= 2 && sizes.size() == 1
        && std::all_of(shapes.begin(), shapes.end(), IsSortedness);
}

const std::vector<Text>& SweepPlan::FileEntries() const
{
    static const std::vector<Text> none;
    return fileEntries ? *fileEntries : none;
}

void SweepPlan::UseFile(std::string path, std::vector<Text> entries)
{
    UseFile(std::move(path), std::make_shared<const std::vector<Text>>(std::move(entries)));
}

void SweepPlan::UseFile(std::string path, std::shared_ptr<const std::vector<Text>> entries)
{
    kind = InputKind::File;
    inputPath = std::move(path);
    fileEntries = std::move(entries);
}

SweepPlan DefaultPlan()
{
    SweepPlan plan;
    plan.routines = {DefaultRoutine(InputKind::Numbers)};
    plan.shapes = DefaultShapesFor(plan);
    plan.sizes = DefaultSizesFor(plan);
    return plan;
}

bool FitsInput(const Shape& shape, InputKind kind)
{
    return FamilyOf(shape.kind).made != (kind == InputKind::File);
}

std::vector<Shape> DefaultShapesFor(const SweepPlan& plan)
{
    if (plan.kind == InputKind::File)
        return {Shape::AsGiven};
    return {std::begin(kDefaultShapes), std::end(kDefaultShapes)};
}

std::vector<std::int32_t> DefaultSizesFor(const SweepPlan& plan)
{
    if (plan.kind == InputKind::File)
        return {static_cast<std::int32_t>(plan.FileEntries().size())};
    return DefaultSizes();
}

Routine DefaultRoutine(InputKind kind)
{
    switch (kind) {
    case InputKind::Words: return Routine::Strings;
    case InputKind::Vectors: return Routine::ByField;
    case InputKind::Pairs: return Routine::Pairs;
    case InputKind::File: return Routine::Strings;
    case InputKind::Numbers: break;
    }
    return Routine::Numbers;
}

namespace {

bool IsBlank(char16_t unit)
{
    return unit == u' ' || unit == u'\t';
}

// "12", " -3.5", "1e6": a number and nothing else, blanks aside.
bool IsNumberText(TextView text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    const bool digit = std::any_of(text.begin(), text.end(), [](char16_t unit) { return unit >= u'0' && unit <= u'9'; });
    return digit && std::all_of(text.begin(), text.end(), [](char16_t unit) {
        return (unit >= u'0' && unit <= u'9') || unit == u'-' || unit == u'+' || unit == u'.' || unit == u'e' || unit == u'E';
    });
}

}  // namespace

Routine RoutineForEntries(const std::vector<Text>& entries)
{
    std::size_t numbers = 0, fields = 0, lines = 0;
    for (const Text& entry : entries) {
        if (std::all_of(entry.begin(), entry.end(), IsBlank))
            continue;
        ++lines;
        const std::size_t comma = entry.find(u',');
        if (comma == Text::npos)
            numbers += IsNumberText(entry);
        else
            fields += IsNumberText(TextView(entry).substr(0, comma));
    }
    if (2 * numbers > lines)
        return Routine::Numbers;
    return 2 * fields > lines ? Routine::ByField : Routine::Strings;
}

void CheckPlan(const SweepPlan& plan)
{
    if (plan.routines.empty())
        throw InputError(UserText("Plan", "choose at least one routine"));
    if (plan.shapes.empty())
        throw InputError(UserText("Plan", "choose at least one shape"));
    if (plan.sizes.empty())
        throw InputError(UserText("Plan", "choose at least one size"));
    if (plan.repeat < 1 || plan.repeat > kMostRepeats)
        throw InputError(Substituted(UserText("Plan", "repetitions must be 1 to %1"), {std::to_string(kMostRepeats)}));
    const bool file = plan.kind == InputKind::File;
    for (const Shape shape : plan.shapes) {
        if (!FitsInput(shape, plan.kind))
            throw InputError(file ? UserText("Plan", "a file is measured as given: its shape is \"given\"")
                                  : UserText("Plan", "the shape \"given\" is for a file (--input)"));
    }
    for (const std::int32_t n : plan.sizes) {
        if (n < 1 || n > kLargestSize)
            throw InputError(Substituted(UserText("Plan", "size %1 is outside 1 to 100,000"), {std::to_string(n)}));
        if (file && static_cast<std::size_t>(n) > plan.FileEntries().size())
            throw InputError(Substituted(UserText("Plan", "size %1 is more than the file's %2 entries"),
                                         {std::to_string(n), std::to_string(plan.FileEntries().size())}));
    }
}

}  // namespace sentinel
