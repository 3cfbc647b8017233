// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/plan_store.h"

#include <algorithm>
#include <charconv>

#include "cost/input_error.h"
#include "cost/text_file.h"
#include "runtime/user_text.h"

namespace sentinel {
namespace {

std::string Joined(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ",") + item;
    return text;
}

std::vector<std::string> Split(const std::string& list)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    for (std::size_t comma; (comma = list.find(',', start)) != std::string::npos; start = comma + 1)
        items.push_back(list.substr(start, comma - start));
    items.push_back(list.substr(start));
    return items;
}

// Each item parsed; nothing when any cannot be, or there are none.
template <class Parse>
auto ParsedList(const std::string& list, Parse parse) -> std::optional<std::vector<typename decltype(parse(""))::value_type>>
{
    std::vector<typename decltype(parse(""))::value_type> values;
    for (const std::string& item : Split(list)) {
        const auto value = parse(item);
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

std::optional<std::int32_t> WholeNumber(std::string_view text, std::int32_t low, std::int32_t high)
{
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

// Recalls one value: `take` sets it from the stored text and says whether it
// could; else the default stays and the fallback is said.
class Recaller {
public:
    Recaller(const StoredPlan& stored, RecalledPlan& recalled) : stored_(stored), recalled_(recalled) {}

    template <class Take>
    void Recall(const std::string& key, const char* what, Take take)
    {
        const auto found = stored_.find(key);
        if (found != stored_.end() && !take(found->second))
            recalled_.fallbacks.push_back(Substituted(UserText("Settings", "the stored %1 \"%2\" could not be used"),
                                                      {UserText("Settings", what), found->second}));
    }

private:
    const StoredPlan& stored_;
    RecalledPlan& recalled_;
};

// The stored file, read again; false, and made number texts, when it cannot be.
bool RecallFile(const std::string& path, RecalledPlan& recalled)
{
    SweepPlan& plan = recalled.plan;
    try {
        plan.UseFile(path, ReadEntries(path));
        plan.shapes = {Shape::AsGiven};
        plan.sizes = {static_cast<std::int32_t>(plan.FileEntries().size())};
        return true;
    } catch (const InputError& error) {
        recalled.fallbacks.push_back(
            Substituted(UserText("Settings", "%1; made number texts are measured instead"), {error.what()}));
        return false;
    }
}

// Shapes and sizes that do not suit the input recalled go back to its own.
void FitToInput(RecalledPlan& recalled)
{
    SweepPlan& plan = recalled.plan;
    const bool file = plan.kind == InputKind::File;
    const auto misfit = [file](const Shape& shape) { return file != (shape == Shape::AsGiven); };
    if (std::any_of(plan.shapes.begin(), plan.shapes.end(), misfit)) {
        recalled.fallbacks.push_back(file ? UserText("Settings", "a file is measured as given")
                                            : UserText("Settings", "made input is measured in the default shapes"));
        plan.shapes = file ? std::vector{Shape::AsGiven} : DefaultPlan().shapes;
    }
    const auto largest = file ? static_cast<std::int32_t>(plan.FileEntries().size()) : kLargestSize;
    if (std::any_of(plan.sizes.begin(), plan.sizes.end(), [largest](std::int32_t n) { return n > largest; })) {
        recalled.fallbacks.push_back(
            Substituted(UserText("Settings", "the stored sizes pass the input's %1 entries"), {std::to_string(largest)}));
        plan.sizes = file ? std::vector{largest} : DefaultSizes();
    }
}

}  // namespace

StoredPlan StorePlan(const SweepPlan& plan)
{
    std::vector<std::string> routines, shapes, sizes;
    for (const Routine routine : plan.routines)
        routines.emplace_back(NameOf(routine));
    for (const Shape& shape : plan.shapes)
        shapes.push_back(NameOf(shape));
    for (const std::int32_t n : plan.sizes)
        sizes.push_back(std::to_string(n));
    return {{"routines", Joined(routines)},
            {"kind", std::string(NameOf(plan.kind == InputKind::File ? InputKind::Numbers : plan.kind))},
            {"input", plan.kind == InputKind::File ? plan.inputPath : std::string()},
            {"shapes", Joined(shapes)},
            {"sizes", Joined(sizes)},
            {"repeat", std::to_string(plan.repeat)}};
}

RecalledPlan RecallPlan(const StoredPlan& stored)
{
    RecalledPlan recalled{DefaultPlan(), {}};
    SweepPlan& plan = recalled.plan;
    Recaller recaller(stored, recalled);
    recaller.Recall("kind", Translatable("Settings", "kind"), [&](const std::string& text) {
        const auto kind = KindNamed(text);
        if (kind && kind != InputKind::File)
            plan.kind = *kind;
        return kind && kind != InputKind::File;
    });
    const auto input = stored.find("input");
    const bool fileLost = input != stored.end() && !input->second.empty() && !RecallFile(input->second, recalled);
    plan.routines = {DefaultRoutine(plan.kind)};
    recaller.Recall("routines", Translatable("Settings", "routines"), [&](const std::string& text) {
        const auto routines = ParsedList(text, RoutineNamed);
        if (routines)
            plan.routines = *routines;
        return routines.has_value();
    });
    recaller.Recall("shapes", Translatable("Settings", "shapes"), [&](const std::string& text) {
        const auto shapes = ParsedList(text, ShapeNamed);
        if (shapes)
            plan.shapes = *shapes;
        return shapes.has_value();
    });
    recaller.Recall("sizes", Translatable("Settings", "sizes"), [&](const std::string& text) {
        const auto sizes = ParsedList(text, [](std::string_view n) { return WholeNumber(n, 1, kLargestSize); });
        if (sizes)
            plan.sizes = *sizes;
        return sizes.has_value();
    });
    if (fileLost)
        plan.sizes = DefaultSizes();  // the file's sizes, gone with it
    recaller.Recall("repeat", Translatable("Settings", "repetitions"), [&](const std::string& text) {
        const auto repeat = WholeNumber(text, 1, kMostRepeats);
        plan.repeat = repeat.value_or(plan.repeat);
        return repeat.has_value();
    });
    FitToInput(recalled);
    try {
        CheckPlan(plan);
    } catch (const InputError& error) {
        recalled = {DefaultPlan(), {std::string(error.what()) + "; the default plan is shown"}};
    }
    return recalled;
}

}  // namespace sentinel
