// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cost/shapes.h"
#include "runtime/value.h"

namespace sentinel {

// What the entries are: number texts as CreateNumber makes them, four-capital
// words as CreateString makes them, "x,y,z" vector texts, whole numbers with
// a companion list of vector texts, or the lines of the user's file.
enum class InputKind { Numbers, Words, Vectors, Pairs, File };
inline constexpr InputKind kMadeKinds[] = {InputKind::Numbers, InputKind::Words, InputKind::Vectors,
                                           InputKind::Pairs};

std::string_view NameOf(InputKind kind);
std::optional<InputKind> KindNamed(std::string_view name);

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
