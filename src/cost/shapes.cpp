// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cost/shapes.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <unordered_set>

#include "runtime/user_text.h"

namespace sentinel {
namespace {

std::int64_t Uniform(ShapeEngine& engine, std::int64_t low, std::int64_t high)
{
    return std::uniform_int_distribution<std::int64_t>(low, high)(engine);
}

// n distinct keys of the range, ascending (Floyd's sampling).
std::vector<std::int64_t> DistinctAscending(const KeyRange& range, std::int32_t n, ShapeEngine& engine)
{
    std::unordered_set<std::int64_t> chosen;
    for (std::int64_t top = range.high - n + 1; top <= range.high; ++top) {
        const std::int64_t pick = Uniform(engine, range.low, top);
        chosen.insert(chosen.contains(pick) ? top : pick);
    }
    std::vector<std::int64_t> keys(chosen.begin(), chosen.end());
    std::sort(keys.begin(), keys.end());
    return keys;
}

// Counts of positions, with the k-th still free found in O(log n).
class FreePositions {
public:
    explicit FreePositions(std::size_t n) : tree_(n + 1, 0), top_(std::bit_floor(n))
    {
        for (std::size_t i = 1; i <= n; ++i) {
            ++tree_[i];
            if (const std::size_t parent = i + (i & (~i + 1)); parent <= n)
                tree_[parent] += tree_[i];
        }
    }
    // Takes the k-th free position (from 0) and returns it.
    std::size_t Take(std::int64_t k)
    {
        std::size_t at = 0;
        for (std::size_t step = top_; step > 0; step >>= 1) {
            if (at + step < tree_.size() && tree_[at + step] <= k) {
                at += step;
                k -= tree_[at];
            }
        }
        for (std::size_t i = at + 1; i < tree_.size(); i += i & (~i + 1))
            --tree_[i];
        return at;
    }

private:
    std::vector<std::int64_t> tree_;
    std::size_t top_;
};

// A random permutation of 0 to n-1 with exactly `inversions` inversions,
// from its Lehmer code: code[i] of the values after position i are smaller
// than the i-th, from 0 to its room n-1-i. Each is drawn as room * U^a with
// U uniform and a = 1/share - 1, so that its mean is the asked share of its
// room (at a share of one half, a uniformly random permutation); then the
// sum is corrected to the exact count, and the code decoded.
std::vector<std::size_t> PermutationWithInversions(std::int32_t n, std::int64_t inversions, ShapeEngine& engine)
{
    const auto count = static_cast<std::size_t>(n);
    const double pairs = double(n) * double(n - 1) / 2;
    const double share = pairs > 0 ? double(inversions) / pairs : 0;
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<std::int64_t> code(count);
    std::int64_t sum = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const auto room = static_cast<std::int64_t>(count - 1 - i);
        const double drawn = share <= 0 ? 0 : std::pow(unit(engine), 1 / share - 1) * double(room + 1);
        code[i] = std::min(room, static_cast<std::int64_t>(drawn));
        sum += code[i];
    }
    while (sum != inversions) {
        const auto i = static_cast<std::size_t>(Uniform(engine, 0, n - 1));
        const auto room = static_cast<std::int64_t>(count - 1 - i);
        const std::int64_t change = sum < inversions ? 1 : -1;
        if (code[i] + change >= 0 && code[i] + change <= room) {
            code[i] += change;
            sum += change;
        }
    }
    FreePositions values(count);
    std::vector<std::size_t> permutation;
    permutation.reserve(count);
    for (const std::int64_t smallerLater : code)
        permutation.push_back(values.Take(smallerLater));
    return permutation;
}

// The ascending order of n positions, 0 to n-1.
std::vector<std::size_t> Ascending(std::int32_t n)
{
    std::vector<std::size_t> order(static_cast<std::size_t>(n));
    std::iota(order.begin(), order.end(), std::size_t{0});
    return order;
}

void SwapRandomPairs(std::vector<std::size_t>& order, std::int64_t swaps, ShapeEngine& engine)
{
    const auto n = static_cast<std::int64_t>(order.size());
    for (std::int64_t s = 0; n >= 2 && s < swaps; ++s)
        std::swap(order[static_cast<std::size_t>(Uniform(engine, 0, n - 1))],
                  order[static_cast<std::size_t>(Uniform(engine, 0, n - 1))]);
}

// The orders of distinct keys: each gives indices into the keys ascending.
using Order = std::vector<std::size_t> (*)(std::int32_t n, double parameter, ShapeEngine& engine);

std::vector<std::size_t> AscendingOrder(std::int32_t n, double, ShapeEngine&)
{
    return Ascending(n);
}

std::vector<std::size_t> DescendingOrder(std::int32_t n, double, ShapeEngine&)
{
    std::vector<std::size_t> order = Ascending(n);
    std::reverse(order.begin(), order.end());
    return order;
}

std::vector<std::size_t> NearlyOrder(std::int32_t n, double, ShapeEngine& engine)
{
    std::vector<std::size_t> order = Ascending(n);
    SwapRandomPairs(order, n < 2 ? 0 : std::max(1, n / 200), engine);  // 1 % of the entries move
    return order;
}

std::vector<std::size_t> SwapsOrder(std::int32_t n, double swaps, ShapeEngine& engine)
{
    std::vector<std::size_t> order = Ascending(n);
    SwapRandomPairs(order, static_cast<std::int64_t>(swaps), engine);
    return order;
}

std::vector<std::size_t> RunsOrder(std::int32_t n, double length, ShapeEngine& engine)
{
    const auto count = static_cast<std::size_t>(n);
    const auto run = static_cast<std::size_t>(length);
    std::vector<std::size_t> starts;
    for (std::size_t start = 0; start < count; start += run)
        starts.push_back(start);
    std::shuffle(starts.begin(), starts.end(), engine);
    std::vector<std::size_t> order;
    for (const std::size_t start : starts)
        for (std::size_t i = start; i < std::min(count, start + run); ++i)
            order.push_back(i);
    return order;
}

std::vector<std::size_t> SawtoothOrder(std::int32_t n, double teeth, ShapeEngine&)
{
    std::vector<std::size_t> order = Ascending(n);
    const auto count = static_cast<std::size_t>(teeth);
    std::stable_sort(order.begin(), order.end(), [count](std::size_t a, std::size_t b) { return a % count < b % count; });
    return order;
}

std::vector<std::size_t> OrganPipeOrder(std::int32_t n, double, ShapeEngine&)
{
    std::vector<std::size_t> order = Ascending(n);
    std::stable_partition(order.begin(), order.end(), [](std::size_t i) { return i % 2 == 0; });
    std::reverse(order.begin() + (n + 1) / 2, order.end());
    return order;
}

std::vector<std::size_t> SortednessOrder(std::int32_t n, double sortedness, ShapeEngine& engine)
{
    const double pairs = double(n) * double(n - 1) / 2;
    return PermutationWithInversions(n, std::llround((1 - sortedness) * pairs), engine);
}

// n distinct keys of the range in an order.
template <Order order>
std::vector<std::int64_t> DistinctKeys(const KeyRange& range, double parameter, std::int32_t n, ShapeEngine& engine)
{
    const std::vector<std::int64_t> ascending = DistinctAscending(range, n, engine);
    std::vector<std::int64_t> keys;
    keys.reserve(ascending.size());
    for (const std::size_t index : order(n, parameter, engine))
        keys.push_back(ascending[index]);
    return keys;
}

std::vector<std::int64_t> RandomKeys(const KeyRange& range, double, std::int32_t n, ShapeEngine& engine)
{
    std::vector<std::int64_t> keys;
    for (std::int32_t i = 0; i < n; ++i)
        keys.push_back(Uniform(engine, range.low, range.high));
    return keys;
}

std::vector<std::int64_t> EqualKeys(const KeyRange& range, double, std::int32_t n, ShapeEngine& engine)
{
    return std::vector<std::int64_t>(static_cast<std::size_t>(n), Uniform(engine, range.low, range.high));
}

// About the square root of n distinct keys, each drawn many times.
std::vector<std::int64_t> FewKeys(const KeyRange& range, double, std::int32_t n, ShapeEngine& engine)
{
    const auto distinct = std::max<std::int32_t>(1, static_cast<std::int32_t>(std::lround(std::sqrt(n))));
    const std::vector<std::int64_t> few = DistinctAscending(range, distinct, engine);
    std::vector<std::int64_t> keys;
    for (std::int32_t i = 0; i < n; ++i)
        keys.push_back(few[static_cast<std::size_t>(Uniform(engine, 0, distinct - 1))]);
    return keys;
}

constexpr double kMostCount = 1e9;

// The shape table, in ShapeKind's order.
constexpr std::array<ShapeFamily, 12> kFamilies = {{
    {ShapeKind::Random, "random", "", {}, false, true, RandomKeys},
    {ShapeKind::Ascending, "ascending", "", {}, true, true, DistinctKeys<AscendingOrder>},
    {ShapeKind::Descending, "descending", "", {}, true, true, DistinctKeys<DescendingOrder>},
    {ShapeKind::Equal, "equal", "", {}, false, true, EqualKeys},
    {ShapeKind::Few, "few", Translatable("Shapes", "about sqrt(n) distinct keys"), {}, false, true, FewKeys},
    {ShapeKind::Nearly, "nearly", Translatable("Shapes", "ascending, 1 % swapped"), {}, true, true, DistinctKeys<NearlyOrder>},
    {ShapeKind::Swaps, "swaps", Translatable("Shapes", "ascending, K random pairs swapped"),
     {'K', Translatable("Shapes", "Pairs swapped"), "a whole number K of pairs", 0, kMostCount, 10, 0}, true, true,
     DistinctKeys<SwapsOrder>},
    {ShapeKind::Runs, "runs", Translatable("Shapes", "ascending runs of L keys in random order"),
     {'L', Translatable("Shapes", "Run length"), "a whole run length L", 1, kMostCount, 50, 0}, true, true,
     DistinctKeys<RunsOrder>},
    {ShapeKind::Sawtooth, "sawtooth", Translatable("Shapes", "T ascending teeth, each spanning the whole range of keys"),
     {'T', Translatable("Shapes", "Sawtooth teeth"), "a whole number T of teeth", 1, kMostCount, 8, 0}, true, true,
     DistinctKeys<SawtoothOrder>},
    {ShapeKind::OrganPipe, "organ", Translatable("Shapes", "ascending, then descending"), {}, true, true, DistinctKeys<OrganPipeOrder>},
    {ShapeKind::Sorted, "sorted", Translatable("Shapes", "a sortedness S from 0 to 1, reached exactly"),
     {'S', Translatable("Shapes", "Sortedness"), "a sortedness S", 0, 1, 0.5, 2}, true, true,
     DistinctKeys<SortednessOrder>},
    {ShapeKind::AsGiven, "given", Translatable("Shapes", "a file's lines in their own order"), {}, false, false, RandomKeys},
}};

template <class Items>
std::vector<Shape> Defaults(const Items& families)
{
    std::vector<Shape> shapes;
    for (const ShapeFamily& family : families)
        shapes.push_back({family.kind, family.parameter.byDefault});
    return shapes;
}

const ShapeFamily* FamilyNamed(std::string_view name)
{
    const auto found = std::find_if(kFamilies.begin(), kFamilies.end(),
                                    [name](const ShapeFamily& family) { return family.name == name; });
    return found == kFamilies.end() ? nullptr : &*found;
}

bool ParameterFits(const ShapeParameter& parameter, double value)
{
    const bool whole = parameter.decimals > 0 || value == std::trunc(value);
    return whole && value >= parameter.low && value <= parameter.high;
}

std::string NumberText(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

}  // namespace

std::string ShapeFamily::Syntax() const
{
    return TakesParameter() ? std::string(name) + ':' + parameter.letter : std::string(name);
}

std::span<const ShapeFamily> ShapeFamilies()
{
    return kFamilies;
}

const ShapeFamily& FamilyOf(ShapeKind kind)
{
    return kFamilies[static_cast<std::size_t>(kind)];
}

std::span<const Shape> MadeShapes()
{
    static const std::vector<Shape> made = Defaults(
        std::vector<ShapeFamily>(kFamilies.begin(), std::find_if(kFamilies.begin(), kFamilies.end(),
                                                                 [](const ShapeFamily& family) { return !family.made; })));
    return made;
}

std::span<const Shape> AllShapes()
{
    static const std::vector<Shape> all = Defaults(kFamilies);
    return all;
}

Shape DefaultShape(ShapeKind kind)
{
    return {kind, FamilyOf(kind).parameter.byDefault};
}

std::string NameOf(const Shape& shape)
{
    const ShapeFamily& family = FamilyOf(shape.kind);
    return family.TakesParameter() ? std::string(family.name) + ':' + NumberText(shape.parameter)
                                   : std::string(family.name);
}

std::optional<Shape> ShapeNamed(std::string_view name)
{
    const std::size_t colon = name.find(':');
    const ShapeFamily* family = FamilyNamed(name.substr(0, colon));
    if (!family || (colon != std::string_view::npos && !family->TakesParameter()))
        return std::nullopt;
    Shape shape = DefaultShape(family->kind);
    if (colon == std::string_view::npos)
        return shape;
    const std::string_view text = name.substr(colon + 1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), shape.parameter);
    if (error != std::errc() || end != text.data() + text.size() || !ParameterFits(family->parameter, shape.parameter))
        return std::nullopt;
    return shape;
}

std::string ShapeProblem(std::string_view name)
{
    const std::size_t colon = name.find(':');
    const ShapeFamily* family = FamilyNamed(name.substr(0, colon));
    std::string quoted(1, '"');  // built in steps: GCC 12 warns wrongly of "\"" + text
    quoted.append(name).push_back('"');
    if (!family) {
        std::string known;
        for (const ShapeFamily& each : kFamilies)
            known += (known.empty() ? "" : ", ") + std::string(each.name);
        return quoted + " is no shape (" + known + ")";
    }
    if (!family->TakesParameter())
        return quoted + ": " + std::string(family->name) + " takes no parameter";
    const ShapeParameter& parameter = family->parameter;
    return quoted + ": " + family->Syntax() + " takes " + parameter.meaning + " from " + NumberText(parameter.low)
         + (parameter.high < kMostCount ? " to " + NumberText(parameter.high) : std::string());
}

bool HasDistinctKeys(const Shape& shape)
{
    return FamilyOf(shape.kind).distinctKeys;
}

std::vector<Shape> OrderSweepShapes(double from, double to, int levels)
{
    std::vector<Shape> shapes;
    for (int level = 0; level < levels; ++level)
        shapes.push_back({ShapeKind::Sorted, from + (to - from) * level / (levels - 1)});
    return shapes;
}

bool IsSortedness(const Shape& shape)
{
    return shape.kind == ShapeKind::Sorted;
}

}  // namespace sentinel
