// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cost/plan.h"

namespace sentinel {

// A plan as the user edits it: which routines and variants are chosen, the
// input (a made kind or an opened file), a row for each shape offered (a
// family may have several rows, each with its own parameter), the sizes
// doubling or an order sweep at one size, and the repetitions. The settings
// panel is a view of it; the command line's plan and the stored one are
// loaded into it and read back from it unchanged.
class PlanEditor {
public:
    enum class Sweep { Sizes, Order };

    // A shape offered; its index in ShapeRows() is its id while rows are
    // neither added nor removed.
    struct ShapeRow {
        Shape shape;
        bool chosen = false;
    };

    // The default plan.
    PlanEditor();

    // Shows a plan: exactly its routines and shapes chosen (a shape with a
    // parameter not offered yet gets a row of its own), its input, sizes
    // and repetitions. What the choices cannot say (sizes that do not
    // double, an order sweep over part of the range) is kept until the
    // setting is changed.
    void Load(const SweepPlan& plan);
    // The plan the choices describe, as set: From above To gives those
    // two sizes, which Problem() refuses.
    SweepPlan Plan() const;
    // Why Plan() cannot be measured (From above To, or what CheckPlan
    // refuses); empty when it can.
    std::string Problem() const;

    bool RoutineChosen(Routine routine) const;
    void ChooseRoutine(Routine routine, bool chosen);

    InputKind Kind() const { return kind_; }
    // A made kind, or File once a file is offered. A file is measured as
    // given, whole; made input goes back to the shapes and sizes it had.
    void SetKind(InputKind kind);
    // Offers a file just read and chooses it; the other settings stay, but
    // for the routines: when none of those chosen keys its lines as they
    // are (numbers, fields or words), the one that does is chosen instead,
    // and returned.
    std::optional<Routine> ChooseFile(std::string path, std::shared_ptr<const std::vector<Text>> entries);
    // The file offered, if any: its path and entries.
    const SweepPlan* OfferedFile() const { return file_ ? &*file_ : nullptr; }

    const std::vector<ShapeRow>& ShapeRows() const { return shapes_; }
    // Whether a row applies to the input chosen (a file: "given" only).
    bool Offered(std::size_t row) const;
    void ChooseShape(std::size_t row, bool chosen);
    // Sets a row's parameter, held to its family's range.
    void SetParameter(std::size_t row, double parameter);
    // A second row of the row's family, chosen, right after the family's
    // last row; returns its index. Only for a family with a parameter.
    std::size_t AddShapeLike(std::size_t row);
    // Whether a row is one of several of its family, which may be removed.
    bool Removable(std::size_t row) const;
    void RemoveShape(std::size_t row);

    Sweep SweepKind() const { return sweep_; }
    void SetSweep(Sweep sweep);
    std::int32_t From() const { return from_; }
    std::int32_t To() const { return to_; }
    // The largest size the input allows.
    std::int32_t LargestSize() const;
    void SetFrom(std::int32_t n);
    void SetTo(std::int32_t n);
    int Levels() const { return levels_; }
    void SetLevels(int levels);
    int Repeat() const { return repeat_; }
    void SetRepeat(int repeat);

    static constexpr int kFewestLevels = 2;
    static constexpr int kMostLevels = 101;

private:
    void ResetShapes();
    void TakeWholeFile();
    void OfferFile(std::string path, std::shared_ptr<const std::vector<Text>> entries);
    void ChooseLoaded(const Shape& shape);

    std::vector<bool> routines_;  // by Routine
    std::vector<Routine> routineOrder_;  // as loaded: the plan keeps its order
    InputKind kind_ = InputKind::Numbers;
    InputKind madeKind_ = InputKind::Numbers;  // the made kind chosen last
    std::optional<SweepPlan> file_;  // its path and shared entries
    std::vector<ShapeRow> shapes_;
    std::vector<Shape> shapeOrder_;  // as loaded
    Sweep sweep_ = Sweep::Sizes;
    std::int32_t from_ = kDefaultSmallest;
    std::int32_t to_ = kDefaultLargest;
    int levels_ = 11;
    int repeat_ = kDefaultRepeats;
    std::vector<std::int32_t> loadedSizes_;  // as loaded, while From and To still say them
    std::vector<Shape> loadedLevels_;  // an order sweep's as loaded, while Levels still says them
};

}  // namespace sentinel
