// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cost/inputs.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <random>
#include <unordered_set>

#include "runtime/conversions.h"
#include "runtime/start_up_data.h"

namespace sentinel {
namespace {

constexpr std::array<std::string_view, 5> kKindNames = {"numbers", "words", "vectors", "pairs", "file"};
// By ShapeKind.
constexpr std::array<std::string_view, 12> kShapeNames = {"random", "ascending", "descending", "equal",
                                                          "few",    "nearly",    "swaps",      "runs",
                                                          "sawtooth", "organ",   "sorted",     "given"};

bool TakesParameter(ShapeKind kind)
{
    return kind == ShapeKind::Swaps || kind == ShapeKind::Runs || kind == ShapeKind::Sawtooth
        || kind == ShapeKind::Sorted;
}

bool ParameterFits(ShapeKind kind, double parameter)
{
    if (kind == ShapeKind::Sorted)
        return parameter >= 0 && parameter <= 1;
    const bool whole = parameter == std::trunc(parameter) && parameter <= 1e9;
    return whole && parameter >= (kind == ShapeKind::Swaps ? 0 : 1);
}

Shape DefaultOf(ShapeKind kind)
{
    for (const Shape& shape : kAllShapes)
        if (shape.kind == kind)
            return shape;
    return {kind, 0};
}

template <class Enum, std::size_t size>
std::optional<Enum> Named(const std::array<std::string_view, size>& names, std::string_view name)
{
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end())
        return std::nullopt;
    return static_cast<Enum>(found - names.begin());
}

using Engine = std::mt19937_64;

std::int64_t Uniform(Engine& engine, std::int64_t low, std::int64_t high)
{
    return std::uniform_int_distribution<std::int64_t>(low, high)(engine);
}

// The whole-number keys of a kind: the range its program draws from,
// widened where n distinct keys are asked of a smaller one.
struct KeyRange {
    std::int64_t low;
    std::int64_t high;
};

KeyRange RangeOf(InputKind kind, std::int64_t distinct)
{
    switch (kind) {
    case InputKind::Words: return {0, 26 * 26 * 26 * 26 - 1};
    case InputKind::Vectors: return {-9999, std::max<std::int64_t>(9999, -9999 + distinct - 1)};
    case InputKind::Pairs: return {0, std::max<std::int64_t>(9999, distinct - 1)};
    default: return {1, std::max<std::int64_t>(9999, distinct)};
    }
}

Text WordFor(std::int64_t key)
{
    Text word(4, u'A');
    for (int letter = 3; letter >= 0; --letter, key /= 26)
        word[static_cast<std::size_t>(letter)] = static_cast<char16_t>(u'A' + key % 26);
    return word;
}

Text VectorText(Engine& engine, std::int64_t x)
{
    const auto component = [&engine] { return static_cast<Single>(Uniform(engine, -200, 200)); };
    return FormatVector(MakeVector(static_cast<Single>(x), component(), component()), 0);
}

Value EntryFor(InputKind kind, std::int64_t key, Engine& engine)
{
    switch (kind) {
    case InputKind::Words: return WordFor(key);
    case InputKind::Vectors: return VectorText(engine, key);
    case InputKind::Pairs: return static_cast<Single>(key);
    default: return RightAlign(WholeNumberText(key), 3);
    }
}

// n distinct keys of the range, ascending (Floyd's sampling).
std::vector<std::int64_t> DistinctAscending(const KeyRange& range, std::int32_t n, Engine& engine)
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
std::vector<std::size_t> PermutationWithInversions(std::int32_t n, std::int64_t inversions, Engine& engine)
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

// The order of n distinct keys in a shape: indices into the keys ascending.
std::vector<std::size_t> DistinctOrder(const Shape& shape, std::int32_t n, Engine& engine)
{
    const auto count = static_cast<std::size_t>(n);
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), std::size_t{0});
    const auto swapRandomPairs = [&](std::int64_t swaps) {
        for (std::int64_t s = 0; n >= 2 && s < swaps; ++s)
            std::swap(order[static_cast<std::size_t>(Uniform(engine, 0, n - 1))],
                      order[static_cast<std::size_t>(Uniform(engine, 0, n - 1))]);
    };
    const auto parameter = static_cast<std::size_t>(shape.parameter);
    switch (shape.kind) {
    case ShapeKind::Descending: std::reverse(order.begin(), order.end()); break;
    case ShapeKind::Nearly: swapRandomPairs(n < 2 ? 0 : std::max(1, n / 200)); break;  // 1 % of the entries move
    case ShapeKind::Swaps: swapRandomPairs(static_cast<std::int64_t>(parameter)); break;
    case ShapeKind::Runs: {
        std::vector<std::size_t> starts;
        for (std::size_t start = 0; start < count; start += parameter)
            starts.push_back(start);
        std::shuffle(starts.begin(), starts.end(), engine);
        order.clear();
        for (const std::size_t start : starts)
            for (std::size_t i = start; i < std::min(count, start + parameter); ++i)
                order.push_back(i);
        break;
    }
    case ShapeKind::Sawtooth:
        std::stable_sort(order.begin(), order.end(),
                         [parameter](std::size_t a, std::size_t b) { return a % parameter < b % parameter; });
        break;
    case ShapeKind::OrganPipe:
        std::stable_partition(order.begin(), order.end(), [](std::size_t i) { return i % 2 == 0; });
        std::reverse(order.begin() + static_cast<std::ptrdiff_t>((count + 1) / 2), order.end());
        break;
    case ShapeKind::Sorted: {
        const double pairs = double(n) * double(n - 1) / 2;
        return PermutationWithInversions(n, std::llround((1 - shape.parameter) * pairs), engine);
    }
    default: break;
    }
    return order;
}

std::vector<std::int64_t> KeysInShape(const KeyRange& range, const Shape& shape, std::int32_t n, Engine& engine)
{
    const auto count = static_cast<std::size_t>(n);
    std::vector<std::int64_t> keys;
    if (HasDistinctKeys(shape)) {
        const std::vector<std::int64_t> ascending = DistinctAscending(range, n, engine);
        for (const std::size_t index : DistinctOrder(shape, n, engine))
            keys.push_back(ascending[index]);
        return keys;
    }
    switch (shape.kind) {
    case ShapeKind::Equal: return std::vector<std::int64_t>(count, Uniform(engine, range.low, range.high));
    case ShapeKind::Few: {
        const auto distinct = std::max<std::int32_t>(1, static_cast<std::int32_t>(std::lround(std::sqrt(n))));
        const std::vector<std::int64_t> few = DistinctAscending(range, distinct, engine);
        for (std::size_t i = 0; i < count; ++i)
            keys.push_back(few[static_cast<std::size_t>(Uniform(engine, 0, distinct - 1))]);
        return keys;
    }
    default:
        for (std::size_t i = 0; i < count; ++i)
            keys.push_back(Uniform(engine, range.low, range.high));
        return keys;
    }
}

}  // namespace

std::string_view NameOf(InputKind kind)
{
    return kKindNames[static_cast<std::size_t>(kind)];
}

std::string NameOf(const Shape& shape)
{
    std::string name(kShapeNames[static_cast<std::size_t>(shape.kind)]);
    if (!TakesParameter(shape.kind))
        return name;
    char parameter[32];
    std::snprintf(parameter, sizeof parameter, ":%g", shape.parameter);
    return name + parameter;
}

std::optional<InputKind> KindNamed(std::string_view name)
{
    return Named<InputKind>(kKindNames, name);
}

std::optional<Shape> ShapeNamed(std::string_view name)
{
    const std::size_t colon = name.find(':');
    const auto kind = Named<ShapeKind>(kShapeNames, name.substr(0, colon));
    if (!kind || (colon != std::string_view::npos && !TakesParameter(*kind)))
        return std::nullopt;
    Shape shape = DefaultOf(*kind);
    if (colon == std::string_view::npos)
        return shape;
    const std::string_view text = name.substr(colon + 1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), shape.parameter);
    if (error != std::errc() || end != text.data() + text.size() || !ParameterFits(*kind, shape.parameter))
        return std::nullopt;
    return shape;
}

std::string ShapeProblem(std::string_view name)
{
    const std::size_t colon = name.find(':');
    const auto kind = Named<ShapeKind>(kShapeNames, name.substr(0, colon));
    std::string quoted(1, '"');  // built in steps: GCC 12 warns wrongly of "\"" + text
    quoted.append(name).push_back('"');
    if (!kind) {
        std::string known;
        for (const std::string_view each : kShapeNames)
            known += (known.empty() ? "" : ", ") + std::string(each);
        return quoted + " is no shape (" + known + ")";
    }
    if (!TakesParameter(*kind))
        return quoted + ": " + std::string(name.substr(0, colon)) + " takes no parameter";
    switch (*kind) {
    case ShapeKind::Sorted: return quoted + ": sorted:S takes a sortedness S from 0 to 1";
    case ShapeKind::Swaps: return quoted + ": swaps:K takes a whole number K of pairs from 0";
    case ShapeKind::Runs: return quoted + ": runs:L takes a whole run length L from 1";
    default: return quoted + ": sawtooth:T takes a whole number T of teeth from 1";
    }
}

bool HasDistinctKeys(const Shape& shape)
{
    switch (shape.kind) {
    case ShapeKind::Random:
    case ShapeKind::Equal:
    case ShapeKind::Few:
    case ShapeKind::AsGiven: return false;
    default: return true;
    }
}

std::vector<Shape> OrderSweepShapes(double from, double to, int levels)
{
    std::vector<Shape> shapes;
    for (int level = 0; level < levels; ++level)
        shapes.push_back({ShapeKind::Sorted, from + (to - from) * level / (levels - 1)});
    return shapes;
}

Input MakeInput(InputKind kind, const Shape& shape, std::int32_t n, std::uint64_t seed)
{
    Engine engine(seed);
    Input input;
    for (const std::int64_t key : KeysInShape(RangeOf(kind, HasDistinctKeys(shape) ? n : 0), shape, n, engine)) {
        input.entries.push_back(EntryFor(kind, key, engine));
        input.companion.push_back(kind == InputKind::Pairs ? VectorText(engine, Uniform(engine, -200, 200))
                                                           : Value(WholeNumberText(input.entries.size())));
    }
    return input;
}

Input StartUpInput()
{
    Input input;
    for (Text& text : StartUpVectorTexts())
        input.entries.emplace_back(std::move(text));
    Random generator;
    for (const Single number : DrawStartUpNumbers(generator))
        input.companion.emplace_back(RoundHalfEven(number, 0));
    return input;
}

Input FirstEntries(const std::vector<Text>& lines, std::int32_t n)
{
    Input input;
    for (std::size_t line = 0; line < std::min(lines.size(), static_cast<std::size_t>(n)); ++line) {
        input.entries.emplace_back(lines[line]);
        input.companion.emplace_back(WholeNumberText(static_cast<std::int64_t>(line) + 1));
    }
    return input;
}

}  // namespace sentinel
