#include "cost/inputs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <unordered_set>

#include "runtime/conversions.h"
#include "runtime/start_up_data.h"

namespace sentinel {
namespace {

constexpr std::array<std::string_view, 5> kKindNames = {"numbers", "words", "vectors", "pairs", "file"};
constexpr std::array<std::string_view, 7> kShapeNames = {"random", "ascending", "descending", "equal",
                                                         "few",    "nearly",    "given"};

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

std::vector<std::int64_t> KeysInShape(const KeyRange& range, Shape shape, std::int32_t n, Engine& engine)
{
    const auto count = static_cast<std::size_t>(n);
    std::vector<std::int64_t> keys;
    switch (shape) {
    case Shape::Ascending: return DistinctAscending(range, n, engine);
    case Shape::Descending:
        keys = DistinctAscending(range, n, engine);
        std::reverse(keys.begin(), keys.end());
        return keys;
    case Shape::Nearly: {
        keys = DistinctAscending(range, n, engine);
        const std::int32_t swaps = n < 2 ? 0 : std::max(1, n / 200);  // 1 % of the entries move
        for (std::int32_t s = 0; s < swaps; ++s)
            std::swap(keys[static_cast<std::size_t>(Uniform(engine, 0, n - 1))],
                      keys[static_cast<std::size_t>(Uniform(engine, 0, n - 1))]);
        return keys;
    }
    case Shape::Equal: return std::vector<std::int64_t>(count, Uniform(engine, range.low, range.high));
    case Shape::Few: {
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

std::string_view NameOf(Shape shape)
{
    return kShapeNames[static_cast<std::size_t>(shape)];
}

std::optional<InputKind> KindNamed(std::string_view name)
{
    return Named<InputKind>(kKindNames, name);
}

std::optional<Shape> ShapeNamed(std::string_view name)
{
    return Named<Shape>(kShapeNames, name);
}

Input MakeInput(InputKind kind, Shape shape, std::int32_t n, std::uint64_t seed)
{
    Engine engine(seed);
    Input input;
    const bool distinct = shape == Shape::Ascending || shape == Shape::Descending || shape == Shape::Nearly;
    for (const std::int64_t key : KeysInShape(RangeOf(kind, distinct ? n : 0), shape, n, engine)) {
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
