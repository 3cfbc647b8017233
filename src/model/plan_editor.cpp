// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/plan_editor.h"

#include <algorithm>
#include <cmath>

#include "cost/input_error.h"
#include "runtime/user_text.h"

namespace sentinel {
namespace {

bool IsDefaultShape(const Shape& shape)
{
    return std::find(std::begin(kDefaultShapes), std::end(kDefaultShapes), shape) != std::end(kDefaultShapes)
        || !FamilyOf(shape.kind).made;
}

}  // namespace

PlanEditor::PlanEditor() : routines_(kRoutinesAndVariants.size(), false)
{
    ChooseRoutine(DefaultRoutine(InputKind::Numbers), true);
    ResetShapes();
}

void PlanEditor::ResetShapes()
{
    shapes_.clear();
    for (const Shape& shape : AllShapes())
        shapes_.push_back({shape, IsDefaultShape(shape)});
    shapeOrder_.clear();
}

void PlanEditor::Load(const SweepPlan& plan)
{
    std::fill(routines_.begin(), routines_.end(), false);
    for (const Routine routine : plan.routines)
        ChooseRoutine(routine, true);
    routineOrder_ = plan.routines;
    kind_ = plan.kind;
    if (plan.kind == InputKind::File)
        OfferFile(plan.inputPath, plan.fileEntries);
    else
        madeKind_ = plan.kind;
    sweep_ = plan.IsOrderSweep() ? Sweep::Order : Sweep::Sizes;
    ResetShapes();
    if (sweep_ == Sweep::Sizes) {
        for (ShapeRow& row : shapes_)
            if (FitsInput(row.shape, kind_))
                row.chosen = false;
        for (const Shape& shape : plan.shapes)
            ChooseLoaded(shape);
        shapeOrder_ = plan.shapes;
    }
    loadedLevels_ = sweep_ == Sweep::Order ? plan.shapes : std::vector<Shape>();
    levels_ = sweep_ == Sweep::Order ? static_cast<int>(plan.shapes.size()) : levels_;
    loadedSizes_ = plan.sizes;
    from_ = plan.sizes.empty() ? kDefaultSmallest : plan.sizes.front();
    to_ = plan.sizes.empty() ? kDefaultLargest : plan.sizes.back();
    repeat_ = plan.repeat;
}

// The row that says the shape: one that does already, else the family's
// first row not chosen yet, else a new row of the family.
void PlanEditor::ChooseLoaded(const Shape& shape)
{
    for (ShapeRow& row : shapes_)
        if (row.shape == shape) {
            row.chosen = true;
            return;
        }
    for (ShapeRow& row : shapes_)
        if (row.shape.kind == shape.kind && !row.chosen) {
            row = {shape, true};
            return;
        }
    const auto family = std::find_if(shapes_.begin(), shapes_.end(),
                                     [&shape](const ShapeRow& row) { return row.shape.kind == shape.kind; });
    shapes_[AddShapeLike(static_cast<std::size_t>(family - shapes_.begin()))].shape = shape;
}

SweepPlan PlanEditor::Plan() const
{
    SweepPlan plan = kind_ == InputKind::File && file_ ? *file_ : SweepPlan();
    plan.kind = kind_;
    // What was loaded keeps its order; what was chosen since follows in the rows' order.
    plan.routines.clear();
    for (const Routine routine : routineOrder_)
        if (RoutineChosen(routine))
            plan.routines.push_back(routine);
    for (const Routine routine : kRoutinesAndVariants)
        if (RoutineChosen(routine) && std::find(plan.routines.begin(), plan.routines.end(), routine) == plan.routines.end())
            plan.routines.push_back(routine);
    const bool sizesAsLoaded = !loadedSizes_.empty() && from_ == loadedSizes_.front()
                            && (sweep_ == Sweep::Order || to_ == loadedSizes_.back());
    if (sweep_ == Sweep::Order) {
        const bool levelsAsLoaded = static_cast<int>(loadedLevels_.size()) == levels_;
        plan.shapes = levelsAsLoaded ? loadedLevels_ : OrderSweepShapes(0, 1, levels_);
        plan.sizes = {from_};
    } else {
        std::vector<Shape> chosen;
        for (std::size_t row = 0; row < shapes_.size(); ++row)
            if (shapes_[row].chosen && Offered(row))
                chosen.push_back(shapes_[row].shape);
        for (const Shape& shape : shapeOrder_)
            if (std::find(chosen.begin(), chosen.end(), shape) != chosen.end())
                plan.shapes.push_back(shape);
        for (const Shape& shape : chosen)
            if (std::find(plan.shapes.begin(), plan.shapes.end(), shape) == plan.shapes.end())
                plan.shapes.push_back(shape);
        if (sizesAsLoaded)
            plan.sizes = loadedSizes_;
        else
            plan.sizes = from_ <= to_ ? DoublingSizes(from_, to_) : std::vector{from_, to_};  // as set: Problem() says so
    }
    plan.repeat = repeat_;
    return plan;
}

std::string PlanEditor::Problem() const
{
    if (sweep_ == Sweep::Sizes && from_ > to_)
        return Substituted(UserText("Plan", "From (%1) lies above To (%2): choose sizes from the smaller to the larger"),
                           {std::to_string(from_), std::to_string(to_)});
    try {
        CheckPlan(Plan());
        return {};
    } catch (const InputError& error) {
        return error.what();
    }
}

bool PlanEditor::RoutineChosen(Routine routine) const
{
    return routines_[static_cast<std::size_t>(routine)];
}

void PlanEditor::ChooseRoutine(Routine routine, bool chosen)
{
    routines_[static_cast<std::size_t>(routine)] = chosen;
}

void PlanEditor::SetKind(InputKind kind)
{
    if (kind == kind_ || (kind == InputKind::File && !file_))
        return;
    const bool wasFile = kind_ == InputKind::File;
    kind_ = kind;
    if (kind == InputKind::File) {
        TakeWholeFile();
        return;
    }
    madeKind_ = kind;
    if (wasFile) {
        from_ = kDefaultSmallest;
        to_ = kDefaultLargest;
        loadedSizes_.clear();
    }
}

// The file alone: its path and entries, with nothing else of a plan.
void PlanEditor::OfferFile(std::string path, std::shared_ptr<const std::vector<Text>> entries)
{
    file_.emplace();
    file_->UseFile(std::move(path), std::move(entries));
}

// A file is measured as given, all of it.
void PlanEditor::TakeWholeFile()
{
    sweep_ = Sweep::Sizes;
    from_ = to_ = LargestSize();
    loadedSizes_.clear();
}

std::optional<Routine> PlanEditor::ChooseFile(std::string path, std::shared_ptr<const std::vector<Text>> entries)
{
    OfferFile(std::move(path), std::move(entries));
    kind_ = InputKind::File;
    TakeWholeFile();
    const Routine fitting = RoutineForEntries(file_->FileEntries());
    const KeyKind key = Describe(fitting).key;
    if (std::any_of(kRoutinesAndVariants.begin(), kRoutinesAndVariants.end(),
                    [&](Routine routine) { return RoutineChosen(routine) && Describe(routine).key == key; }))
        return std::nullopt;
    std::fill(routines_.begin(), routines_.end(), false);
    ChooseRoutine(fitting, true);
    return fitting;
}

bool PlanEditor::Offered(std::size_t row) const
{
    return FitsInput(shapes_[row].shape, kind_);
}

void PlanEditor::ChooseShape(std::size_t row, bool chosen)
{
    shapes_[row].chosen = chosen;
}

void PlanEditor::SetParameter(std::size_t row, double parameter)
{
    const ShapeParameter& range = FamilyOf(shapes_[row].shape.kind).parameter;
    if (range.letter == 0)
        return;
    const double rounded = range.decimals == 0 ? std::round(parameter) : parameter;
    shapes_[row].shape.parameter = std::clamp(rounded, range.low, range.high);
}

std::size_t PlanEditor::AddShapeLike(std::size_t row)
{
    const ShapeKind family = shapes_[row].shape.kind;
    std::size_t after = row;
    while (after + 1 < shapes_.size() && shapes_[after + 1].shape.kind == family)
        ++after;
    shapes_.insert(shapes_.begin() + static_cast<std::ptrdiff_t>(after + 1), {shapes_[row].shape, true});
    return after + 1;
}

bool PlanEditor::Removable(std::size_t row) const
{
    const ShapeKind family = shapes_[row].shape.kind;
    return std::count_if(shapes_.begin(), shapes_.end(), [family](const ShapeRow& each) { return each.shape.kind == family; })
         > 1;
}

void PlanEditor::RemoveShape(std::size_t row)
{
    if (Removable(row))
        shapes_.erase(shapes_.begin() + static_cast<std::ptrdiff_t>(row));
}

void PlanEditor::SetSweep(Sweep sweep)
{
    if (sweep == sweep_)
        return;
    if (sweep == Sweep::Order && kind_ == InputKind::File)
        SetKind(madeKind_);  // an order sweep makes its own inputs
    sweep_ = sweep;
    if (sweep == Sweep::Order && from_ == kDefaultSmallest)
        from_ = kDefaultOrderSweepSize;
}

std::int32_t PlanEditor::LargestSize() const
{
    return kind_ == InputKind::File && file_ ? static_cast<std::int32_t>(file_->FileEntries().size()) : kLargestSize;
}

void PlanEditor::SetFrom(std::int32_t n)
{
    from_ = std::clamp(n, 1, LargestSize());
}

void PlanEditor::SetTo(std::int32_t n)
{
    to_ = std::clamp(n, 1, LargestSize());
}

void PlanEditor::SetLevels(int levels)
{
    levels_ = std::clamp(levels, kFewestLevels, kMostLevels);
}

void PlanEditor::SetRepeat(int repeat)
{
    repeat_ = std::clamp(repeat, 1, kMostRepeats);
}

}  // namespace sentinel
