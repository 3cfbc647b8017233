#include "sorting/routines.h"

#include <algorithm>

namespace sentinel {
namespace {

constexpr std::array<std::string_view, kRoutines.size()> kNames = {
    "SortNumbers", "SortNumbersUnique", "SortStrings",       "SortStringsUnique",
    "SortByField", "SortByFieldUnique", "SortPairsByNumber", "SortPairsByNumberUnique"};

}  // namespace

std::string_view NameOf(Routine routine)
{
    return kNames[static_cast<std::size_t>(routine)];
}

std::optional<Routine> RoutineNamed(std::string_view name)
{
    const auto found = std::find(kNames.begin(), kNames.end(), name);
    if (found == kNames.end())
        return std::nullopt;
    return kRoutines[static_cast<std::size_t>(found - kNames.begin())];
}

bool IsStrict(Routine routine)
{
    return routine == Routine::NumbersUnique || routine == Routine::StringsUnique
        || routine == Routine::ByFieldUnique || routine == Routine::PairsUnique;
}

bool IsPaired(Routine routine)
{
    return routine == Routine::Pairs || routine == Routine::PairsUnique;
}

bool TakesField(Routine routine)
{
    return routine == Routine::ByField || routine == Routine::ByFieldUnique;
}

}  // namespace sentinel
