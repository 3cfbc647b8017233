// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace sentinel {

// The eight routines of the sentinel insertion family, and two variants of
// SortNumbers that find the same kind of gap by another scan.
enum class Routine {
    Numbers, NumbersUnique, Strings, StringsUnique, ByField, ByFieldUnique, Pairs, PairsUnique,
    NumbersFromHigh, NumbersBinary
};

inline constexpr std::array kRoutines = {Routine::Numbers, Routine::NumbersUnique, Routine::Strings,
                                         Routine::StringsUnique, Routine::ByField, Routine::ByFieldUnique,
                                         Routine::Pairs, Routine::PairsUnique};
inline constexpr std::array kVariants = {Routine::NumbersFromHigh, Routine::NumbersBinary};
// What the explorer offers: the routines, then the variants.
inline constexpr std::array kRoutinesAndVariants = {
    Routine::Numbers, Routine::NumbersUnique, Routine::Strings, Routine::StringsUnique, Routine::ByField,
    Routine::ByFieldUnique, Routine::Pairs, Routine::PairsUnique, Routine::NumbersFromHigh, Routine::NumbersBinary};

// How the scan looks for an entry's gap in the list being built:
// from the low sentinel up (the routines), from the high sentinel down, or
// by halving the gaps, which the list's order allows.
enum class ScanOrder { FromLow, FromHigh, Halving };

// How a routine reads an entry's key: its leading number, its whole text,
// or the leading number of one comma-separated field. The key decides the
// sentinels too (see routine_keys.h).
enum class KeyKind { Number, Text, Field };

// What a routine is. Every part of the program that must know how a routine
// keys, tests or carries its entries reads it here.
struct RoutineDescription {
    std::string_view name;  // as its function is called
    KeyKind key;
    bool strict;  // drops every entry whose key is already placed
    bool paired;  // orders a companion list in step with the keys
    ScanOrder scan = ScanOrder::FromLow;
    std::string_view variant = {};  // a variant's scan, as a reader is told it; empty for a routine
};

const RoutineDescription& Describe(Routine routine);

std::string_view NameOf(Routine routine);
std::optional<Routine> RoutineNamed(std::string_view name);
bool IsStrict(Routine routine);
bool IsPaired(Routine routine);
bool TakesText(Routine routine);
bool TakesField(Routine routine);
ScanOrder ScanOrderOf(Routine routine);
bool IsVariant(Routine routine);

}  // namespace sentinel
