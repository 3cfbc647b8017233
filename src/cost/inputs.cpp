// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cost/inputs.h"

#include <algorithm>
#include <array>
#include <random>

#include "runtime/conversions.h"
#include "runtime/start_up_data.h"

namespace sentinel {
namespace {

constexpr std::array<std::string_view, 5> kKindNames = {"numbers", "words", "vectors", "pairs", "file"};

std::int64_t Uniform(ShapeEngine& engine, std::int64_t low, std::int64_t high)
{
    return std::uniform_int_distribution<std::int64_t>(low, high)(engine);
}

// The whole-number keys of a kind: the range its program draws from,
// widened where n distinct keys are asked of a smaller one.
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

Text VectorText(ShapeEngine& engine, std::int64_t x)
{
    const auto component = [&engine] { return static_cast<Single>(Uniform(engine, -200, 200)); };
    return FormatVector(MakeVector(static_cast<Single>(x), component(), component()), 0);
}

Value EntryFor(InputKind kind, std::int64_t key, ShapeEngine& engine)
{
    switch (kind) {
    case InputKind::Words: return WordFor(key);
    case InputKind::Vectors: return VectorText(engine, key);
    case InputKind::Pairs: return static_cast<Single>(key);
    default: return RightAlign(WholeNumberText(key), 3);
    }
}

}  // namespace

std::string_view NameOf(InputKind kind)
{
    return kKindNames[static_cast<std::size_t>(kind)];
}

std::optional<InputKind> KindNamed(std::string_view name)
{
    const auto found = std::find(kKindNames.begin(), kKindNames.end(), name);
    if (found == kKindNames.end())
        return std::nullopt;
    return static_cast<InputKind>(found - kKindNames.begin());
}

Input MakeInput(InputKind kind, const Shape& shape, std::int32_t n, std::uint64_t seed)
{
    ShapeEngine engine(seed);
    Input input;
    const KeyRange range = RangeOf(kind, HasDistinctKeys(shape) ? n : 0);
    for (const std::int64_t key : FamilyOf(shape.kind).keys(range, shape.parameter, n, engine)) {
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
