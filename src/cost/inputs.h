// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/value.h"

namespace sentinel {

// What the entries are: number texts as CreateNumber makes them, four-capital
// words as CreateString makes them, "x,y,z" vector texts, whole numbers with
// a companion list of vector texts, or the lines of the user's file.
enum class InputKind { Numbers, Words, Vectors, Pairs, File };
inline constexpr InputKind kMadeKinds[] = {InputKind::Numbers, InputKind::Words, InputKind::Vectors,
                                           InputKind::Pairs};

// The order of the keys. Ascending, descending, nearly sorted and the shapes
// with a parameter have distinct keys; equal has one key, few about the
// square root of n. A file is taken as given.
//   nearly:     ascending with 1 % of the entries swapped at random
//   swaps:K     ascending with K random pairs swapped
//   runs:L      ascending runs of L consecutive keys, in random order
//   sawtooth:T  T ascending teeth, each spanning the whole range of keys
//   organ:      ascending, then descending (an organ pipe)
//   sorted:S    a sortedness of S (0 to 1) on purpose: a random permutation
//               with exactly round((1 - S) n(n-1)/2) inversions
enum class ShapeKind { Random, Ascending, Descending, Equal, Few, Nearly, Swaps, Runs, Sawtooth, OrganPipe, Sorted, AsGiven };

struct Shape {
    ShapeKind kind = ShapeKind::Random;
    double parameter = 0;  // swaps, run length, teeth or sortedness; 0 for the others

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

// The shapes with a parameter, at their defaults.
inline constexpr Shape kSwapsShape{ShapeKind::Swaps, 10};
inline constexpr Shape kRunsShape{ShapeKind::Runs, 50};
inline constexpr Shape kSawtoothShape{ShapeKind::Sawtooth, 8};
inline constexpr Shape kSortedShape{ShapeKind::Sorted, 0.5};

inline constexpr Shape kMadeShapes[] = {Shape::Random, Shape::Ascending, Shape::Descending, Shape::Equal,
                                        Shape::Few,    Shape::Nearly,    kSwapsShape,        kRunsShape,
                                        kSawtoothShape, Shape::OrganPipe, kSortedShape};
inline constexpr Shape kAllShapes[] = {Shape::Random, Shape::Ascending, Shape::Descending, Shape::Equal,
                                       Shape::Few,    Shape::Nearly,    kSwapsShape,        kRunsShape,
                                       kSawtoothShape, Shape::OrganPipe, kSortedShape,      Shape::AsGiven};

std::string_view NameOf(InputKind kind);
// "random", "swaps:10", "sorted:0.3".
std::string NameOf(const Shape& shape);
std::optional<InputKind> KindNamed(std::string_view name);
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

struct Input {
    std::vector<Value> entries;
    std::vector<Value> companion;  // as long as the entries, for the paired routines
};

// n entries of a made kind in a shape, the same for the same seed.
Input MakeInput(InputKind kind, const Shape& shape, std::int32_t n, std::uint64_t seed);

// The demo's start-up data: its 21 vector texts, and as the companion its
// 21 start-up numbers, rounded, as every start draws them.
Input StartUpInput();

// The first n lines of a file, with their line numbers as the companion.
Input FirstEntries(const std::vector<Text>& lines, std::int32_t n);

}  // namespace sentinel
