#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace sentinel {

// The eight routines of the sentinel insertion family.
enum class Routine { Numbers, NumbersUnique, Strings, StringsUnique, ByField, ByFieldUnique, Pairs, PairsUnique };

inline constexpr std::array kRoutines = {Routine::Numbers, Routine::NumbersUnique, Routine::Strings,
                                         Routine::StringsUnique, Routine::ByField, Routine::ByFieldUnique,
                                         Routine::Pairs, Routine::PairsUnique};

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
};

const RoutineDescription& Describe(Routine routine);

std::string_view NameOf(Routine routine);
std::optional<Routine> RoutineNamed(std::string_view name);
bool IsStrict(Routine routine);
bool IsPaired(Routine routine);
bool TakesText(Routine routine);
bool TakesField(Routine routine);

}  // namespace sentinel
