#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace sentinel {

// The eight routines of the sentinel insertion family, by what they take:
// a key kind, and an inclusive or a strict (dropping) test.
enum class Routine { Numbers, NumbersUnique, Strings, StringsUnique, ByField, ByFieldUnique, Pairs, PairsUnique };

inline constexpr std::array kRoutines = {Routine::Numbers, Routine::NumbersUnique, Routine::Strings,
                                         Routine::StringsUnique, Routine::ByField, Routine::ByFieldUnique,
                                         Routine::Pairs, Routine::PairsUnique};

// The routine's own name, as its function is called.
std::string_view NameOf(Routine routine);
std::optional<Routine> RoutineNamed(std::string_view name);

// Drops every entry whose key is already placed.
bool IsStrict(Routine routine);
// Orders a companion list in step with the keys.
bool IsPaired(Routine routine);
// Keys on one numeric field of a comma-separated text.
bool TakesField(Routine routine);

}  // namespace sentinel
