// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sentinel {

// The orders an input's keys can come in. Each family is one row of the
// shape table (shapes.cpp): its name, its parameter and range, the words
// that describe it, and how its keys are made. Everything that names,
// offers, explains or makes a shape reads that row.
enum class ShapeKind { Random, Ascending, Descending, Equal, Few, Nearly, Swaps, Runs, Sawtooth, OrganPipe, Sorted, AsGiven };

struct Shape {
    ShapeKind kind = ShapeKind::Random;
    double parameter = 0;  // the family's parameter; 0 for a family without one

    auto operator<=>(const Shape&) const = default;

    static const Shape Random, Ascending, Descending, Equal, Few, Nearly, OrganPipe, AsGiven;
};
inline constexpr Shape Shape::Random{ShapeKind::Random};
inline constexpr Shape Shape::Ascending{ShapeKind::Ascending};
inline constexpr Shape Shape::Descending{ShapeKind::Descending};
inline constexpr Shape Shape::Equal{ShapeKind::Equal};
inline constexpr Shape Shape::Few{ShapeKind::Few};
inline constexpr Shape Shape::Nearly{ShapeKind::Nearly};
inline constexpr Shape Shape::OrganPipe{ShapeKind::OrganPipe};
inline constexpr Shape Shape::AsGiven{ShapeKind::AsGiven};

// The whole-number keys an input draws from, and the generator it draws with.
struct KeyRange {
    std::int64_t low;
    std::int64_t high;
};
using ShapeEngine = std::mt19937_64;

// A family's parameter: its letter in the family's syntax ("swaps:K"), what
// it counts, its range, its default.
struct ShapeParameter {
    char letter = 0;  // 0: the family takes no parameter
    const char* label = nullptr;  // a setting's name for it (translatable, context "Shapes")
    const char* meaning = nullptr;  // "a whole number K of pairs", for the error that refuses one
    double low = 0;
    double high = 0;
    double byDefault = 0;
    int decimals = 0;  // 0: whole numbers only
};

struct ShapeFamily {
    ShapeKind kind;
    std::string_view name;  // as the command line, the CSV and the settings file write it
    const char* description;  // what the order is, for --help (empty for the plain ones)
    ShapeParameter parameter;
    bool distinctKeys;  // every key differs
    bool made;  // made from a seed; false for a file's lines as given
    // n keys in this order, drawn from `range`.
    std::vector<std::int64_t> (*keys)(const KeyRange& range, double parameter, std::int32_t n, ShapeEngine& engine);

    bool TakesParameter() const { return parameter.letter != 0; }
    // "swaps:K", or the name of a family without a parameter.
    std::string Syntax() const;
};

// Every family, in the order they are offered.
std::span<const ShapeFamily> ShapeFamilies();
const ShapeFamily& FamilyOf(ShapeKind kind);

// Each family at its default parameter: those made from a seed, and all.
std::span<const Shape> MadeShapes();
std::span<const Shape> AllShapes();
// A family at its default parameter.
Shape DefaultShape(ShapeKind kind);

// "random", "swaps:10", "sorted:0.3".
std::string NameOf(const Shape& shape);
// A shape by its name; a shape with a parameter takes it after a colon, or
// its default. Nothing for an unknown name or a parameter out of range.
std::optional<Shape> ShapeNamed(std::string_view name);
// Why a name ShapeNamed refuses is no shape: the shapes there are, or the
// range its parameter must lie in.
std::string ShapeProblem(std::string_view name);
// Whether the shape's keys are all distinct.
bool HasDistinctKeys(const Shape& shape);

// The shapes of an order sweep: sortedness from `from` to `to` in `levels`
// even steps (levels >= 2).
std::vector<Shape> OrderSweepShapes(double from, double to, int levels);
bool IsSortedness(const Shape& shape);

}  // namespace sentinel
