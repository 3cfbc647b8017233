// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/plan_store.h"

#include <algorithm>

#include "cost/input_error.h"
#include "cost/text_file.h"
#include "model/plan_text.h"
#include "runtime/user_text.h"

namespace sentinel {
namespace {

// Takes the items read, when all could be.
template <class Item>
bool Take(ReadList<Item> read, std::vector<Item>& into)
{
    if (!read.problem.empty())
        return false;
    into = std::move(read.items);
    return true;
}

// Recalls one value: `take` sets it from the stored text and says whether it
// could; else the default stays and the fallback is said.
class Recaller {
public:
    Recaller(const StoredPlan& stored, RecalledPlan& recalled) : stored_(stored), recalled_(recalled) {}

    template <class Read>
    void Recall(const std::string& key, const char* what, Read read)
    {
        const auto found = stored_.find(key);
        if (found != stored_.end() && !read(found->second))
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
        plan.shapes = DefaultShapesFor(plan);
        plan.sizes = DefaultSizesFor(plan);
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
    const auto misfit = [&plan](const Shape& shape) { return !FitsInput(shape, plan.kind); };
    if (std::any_of(plan.shapes.begin(), plan.shapes.end(), misfit)) {
        recalled.fallbacks.push_back(file ? UserText("Settings", "a file is measured as given")
                                            : UserText("Settings", "made input is measured in the default shapes"));
        plan.shapes = DefaultShapesFor(plan);
    }
    const auto largest = file ? static_cast<std::int32_t>(plan.FileEntries().size()) : kLargestSize;
    if (std::any_of(plan.sizes.begin(), plan.sizes.end(), [largest](std::int32_t n) { return n > largest; })) {
        recalled.fallbacks.push_back(
            Substituted(UserText("Settings", "the stored sizes pass the input's %1 entries"), {std::to_string(largest)}));
        plan.sizes = DefaultSizesFor(plan);
    }
}

}  // namespace

StoredPlan StorePlan(const SweepPlan& plan)
{
    return {{"routines", RoutinesText(plan.routines)},
            {"kind", std::string(NameOf(plan.kind == InputKind::File ? InputKind::Numbers : plan.kind))},
            {"input", plan.kind == InputKind::File ? plan.inputPath : std::string()},
            {"shapes", ShapesText(plan.shapes)},
            {"sizes", SizesText(plan.sizes)},
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
        return Take(ReadRoutines(text), plan.routines);
    });
    recaller.Recall("shapes", Translatable("Settings", "shapes"), [&](const std::string& text) {
        return Take(ReadShapes(text), plan.shapes);
    });
    recaller.Recall("sizes", Translatable("Settings", "sizes"), [&](const std::string& text) {
        return Take(ReadSizes(text), plan.sizes);
    });
    if (fileLost)
        plan.sizes = DefaultSizes();  // the file's sizes, gone with it
    recaller.Recall("repeat", Translatable("Settings", "repetitions"), [&](const std::string& text) {
        std::vector<int> repeat{plan.repeat};
        const bool read = Take(ReadWholeNumber(text, 1, kMostRepeats), repeat);
        plan.repeat = repeat.front();
        return read;
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
