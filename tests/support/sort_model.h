// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An independent formulation of what each sort routine yields, including when
// it fails, for the model-based test and the fuzzer.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "runtime/runtime_error.h"
#include "sorting/routines.h"
#include "sorting/sort_family.h"
#include "support/reference_reading.h"
#include "sorting/stable_floor.h"
#include "support/text.h"

namespace sentinel {

// The input of one call: the entries, the companion (paired routines) and the field index.
struct SortCall {
    Routine routine;
    std::vector<Value> entries;
    std::vector<Value> companion;
    std::int16_t fieldIndex = 0;
};

// What a call leaves: whether it failed (and then kept the caller's
// references as they were), and the entries and companion the references
// then point to.
struct SortOutcome {
    bool failedKeepingReferences = false;
    std::vector<Value> entries;
    std::vector<Value> companion;

    bool operator==(const SortOutcome& other) const
    {
        return failedKeepingReferences == other.failedKeepingReferences && SameEntries(entries, other.entries)
            && SameEntries(companion, other.companion);
    }

    // Entries of the same kind and value, Singles compared bit for bit (a NaN is itself).
    static bool SameEntries(const std::vector<Value>& a, const std::vector<Value>& b)
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Value& x, const Value& y) {
            if (std::holds_alternative<Single>(x) && std::holds_alternative<Single>(y))
                return std::bit_cast<std::uint32_t>(std::get<Single>(x)) == std::bit_cast<std::uint32_t>(std::get<Single>(y));
            return x == y;
        });
    }
};

inline std::string Describe(const std::vector<Value>& entries)
{
    std::string out = "{";
    for (const Value& entry : entries) {
        out += std::holds_alternative<Single>(entry) ? "#'" : "'";
        out += Printable(TextOf(entry));
        out += "' ";
    }
    return out + "}";
}

// Lets GoogleTest print an outcome in a failure message.
inline void PrintTo(const SortOutcome& outcome, std::ostream* out)
{
    *out << (outcome.failedKeepingReferences ? "failed, " : "") << "entries " << Describe(outcome.entries)
         << " companion " << Describe(outcome.companion);
}

namespace model {

using Key = std::variant<double, Text>;

inline bool HasField(const Value& entry, std::int16_t index)
{
    const Text text = TextOf(entry);
    return !text.empty() && index >= 0 && std::count(text.begin(), text.end(), u',') >= index;
}

inline std::function<Key(const Value&)> KeyOf(const SortCall& call)
{
    switch (call.routine) {
    case Routine::Strings:
    case Routine::StringsUnique: return [](const Value& v) { return Key(TextOf(v)); };
    case Routine::ByField:
    case Routine::ByFieldUnique:
        return [index = call.fieldIndex](const Value& v) {
            if (!HasField(v, index))
                throw RuntimeError(ErrorKind::PositionOutOfRange, "no such field");
            return Key(ReferenceLeadingNumber(ReferenceField(TextOf(v), index)));
        };
    default: return [](const Value& v) { return Key(ReferenceLeadingNumber(TextOf(v))); };
    }
}

inline std::vector<Value> Pick(const std::vector<Value>& entries, const std::vector<std::int32_t>& order)
{
    std::vector<Value> picked;
    for (const std::int32_t i : order)
        picked.push_back(entries[static_cast<std::size_t>(i - 1)]);
    return picked;
}

}  // namespace model

// Field routines fail, with at least one entry, on an index outside the
// sentinels' fields 0 to 2 or on any entry without the field; paired routines
// fail on a companion shorter than the keys. Otherwise: the reference order.
inline SortOutcome ExpectedOutcome(const SortCall& call)
{
    const bool byField = call.routine == Routine::ByField || call.routine == Routine::ByFieldUnique;
    const bool paired = call.routine == Routine::Pairs || call.routine == Routine::PairsUnique;
    if (byField && !call.entries.empty()
        && (call.fieldIndex > 2 || std::any_of(call.entries.begin(), call.entries.end(), [&](const Value& v) {
                return !model::HasField(v, call.fieldIndex);
            }))) {
        return {true, call.entries, call.companion};
    }
    if (paired && call.companion.size() < call.entries.size())
        return {true, call.entries, call.companion};

    const bool text = TakesText(call.routine);
    const model::Key low = text ? model::Key(Text(u"0")) : model::Key(-99999999999999.0);
    const model::Key high = text ? model::Key(Text(u"ZZZZZZZZZZZZZ")) : model::Key(99999999999999.0);
    const auto keyOf = model::KeyOf(call);
    const auto order = StableFloorOrder(
        static_cast<std::int32_t>(call.entries.size()),
        [&](std::int32_t i) { return keyOf(call.entries[static_cast<std::size_t>(i - 1)]); }, low, high,
        EqualKeysOf(call.routine));
    return {false, model::Pick(call.entries, order), paired ? model::Pick(call.companion, order) : call.companion};
}

// Runs the routine by its own function, or counted when `counts` is given;
// only the position-out-of-range error is expected.
inline SortOutcome ActualOutcome(const SortCall& call, ScanCounts* counts = nullptr)
{
    CollectionRef entries = std::make_shared<Collection>(call.entries);
    CollectionRef companion = std::make_shared<Collection>(call.companion);
    const CollectionRef entriesBefore = entries;
    const CollectionRef companionBefore = companion;
    bool failed = false;
    try {
        if (counts || IsVariant(call.routine)) {
            ScanCounts uncalledFor;
            *(counts ? counts : &uncalledFor) = SortCounted(call.routine, entries, companion, call.fieldIndex);
        } else {
            switch (call.routine) {
            case Routine::Numbers: SortNumbers(entries); break;
            case Routine::NumbersUnique: SortNumbersUnique(entries); break;
            case Routine::Strings: SortStrings(entries); break;
            case Routine::StringsUnique: SortStringsUnique(entries); break;
            case Routine::ByField: SortByField(entries, call.fieldIndex); break;
            case Routine::ByFieldUnique: SortByFieldUnique(entries, call.fieldIndex); break;
            case Routine::Pairs: SortPairsByNumber(entries, companion); break;
            case Routine::PairsUnique: SortPairsByNumberUnique(entries, companion); break;
            case Routine::NumbersFromHigh:
            case Routine::NumbersBinary: break;  // counted above: a variant has no function of its own
            }
        }
    } catch (const RuntimeError& error) {
        if (error.Kind() != ErrorKind::PositionOutOfRange)
            throw;
        failed = true;
    }
    const bool referencesKept = entries == entriesBefore && companion == companionBefore;
    return {failed && referencesKept, Entries(entries), Entries(companion)};
}

}  // namespace sentinel
