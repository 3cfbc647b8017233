#pragma once

#include <cstdint>
#include <optional>
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

// The order of the keys. Ascending, descending and nearly sorted inputs have
// distinct keys; few distinct has about the square root of n; nearly sorted
// is ascending with 1 % of the entries swapped at random. A file is taken as
// given.
enum class Shape { Random, Ascending, Descending, Equal, Few, Nearly, AsGiven };
inline constexpr Shape kMadeShapes[] = {Shape::Random, Shape::Ascending, Shape::Descending,
                                        Shape::Equal,  Shape::Few,       Shape::Nearly};
inline constexpr Shape kAllShapes[] = {Shape::Random, Shape::Ascending, Shape::Descending, Shape::Equal,
                                       Shape::Few,    Shape::Nearly,    Shape::AsGiven};

std::string_view NameOf(InputKind kind);
std::string_view NameOf(Shape shape);
std::optional<InputKind> KindNamed(std::string_view name);
std::optional<Shape> ShapeNamed(std::string_view name);

struct Input {
    std::vector<Value> entries;
    std::vector<Value> companion;  // as long as the entries, for the paired routines
};

// n entries of a made kind in a shape, the same for the same seed.
Input MakeInput(InputKind kind, Shape shape, std::int32_t n, std::uint64_t seed);

// The demo's start-up data: its 21 vector texts, and as the companion its
// 21 start-up numbers, rounded, as every start draws them.
Input StartUpInput();

// The first n lines of a file, with their line numbers as the companion.
Input FirstEntries(const std::vector<Text>& lines, std::int32_t n);

}  // namespace sentinel
