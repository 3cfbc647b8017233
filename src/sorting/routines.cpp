// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sorting/routines.h"

#include <algorithm>

#include "runtime/user_text.h"

namespace sentinel {
namespace {

constexpr std::array<RoutineDescription, kRoutinesAndVariants.size()> kDescriptions = {{
    {"SortNumbers", KeyKind::Number, false, false},
    {"SortNumbersUnique", KeyKind::Number, true, false},
    {"SortStrings", KeyKind::Text, false, false},
    {"SortStringsUnique", KeyKind::Text, true, false},
    {"SortByField", KeyKind::Field, false, false},
    {"SortByFieldUnique", KeyKind::Field, true, false},
    {"SortPairsByNumber", KeyKind::Number, false, true},
    {"SortPairsByNumberUnique", KeyKind::Number, true, true},
    {"SortNumbersFromHigh", KeyKind::Number, false, false, ScanOrder::FromHigh, Translatable("Routines", "scan from the high end")},
    {"SortNumbersBinary", KeyKind::Number, false, false, ScanOrder::Halving, Translatable("Routines", "binary search for the gap")},
}};

// The other scans read the list by index, which the key store offers for
// number keys, and place inclusively (see sentinel_insertion.h).
static_assert(std::all_of(kDescriptions.begin(), kDescriptions.end(),
                          [](const RoutineDescription& routine) {
                              return routine.scan == ScanOrder::FromLow
                                  || (routine.key == KeyKind::Number && !routine.strict);
                          }),
              "a scan other than from the low end takes number keys and an inclusive test");

}  // namespace

const RoutineDescription& Describe(Routine routine)
{
    return kDescriptions[static_cast<std::size_t>(routine)];
}

std::string_view NameOf(Routine routine)
{
    return Describe(routine).name;
}

std::optional<Routine> RoutineNamed(std::string_view name)
{
    const auto found = std::find_if(kDescriptions.begin(), kDescriptions.end(),
                                    [name](const RoutineDescription& routine) { return routine.name == name; });
    if (found == kDescriptions.end())
        return std::nullopt;
    return kRoutinesAndVariants[static_cast<std::size_t>(found - kDescriptions.begin())];
}

bool IsStrict(Routine routine)
{
    return Describe(routine).strict;
}

bool IsPaired(Routine routine)
{
    return Describe(routine).paired;
}

bool TakesText(Routine routine)
{
    return Describe(routine).key == KeyKind::Text;
}

bool TakesField(Routine routine)
{
    return Describe(routine).key == KeyKind::Field;
}

ScanOrder ScanOrderOf(Routine routine)
{
    return Describe(routine).scan;
}

bool IsVariant(Routine routine)
{
    return !Describe(routine).variant.empty();
}

}  // namespace sentinel
