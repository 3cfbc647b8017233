// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include <functional>

#include "runtime/runtime_error.h"
#include "runtime/conversions.h"
#include "sorting/scan_paths.h"
#include "sorting/sentinel_list.h"
#include "sorting/sort_family.h"
#include "support/text.h"

namespace sentinel {
namespace {

using Texts_ = std::vector<Text>;
using SortRoutine = std::function<void(CollectionRef&)>;

struct SortRow {
    const char* name;
    SortRoutine sort;
    Texts_ input;
    Texts_ expected;
};

const SortRoutine kNumbers = SortNumbers;
const SortRoutine kNumbersUnique = SortNumbersUnique;
const SortRoutine kStrings = SortStrings;
const SortRoutine kStringsUnique = SortStringsUnique;
SortRoutine ByField(std::int16_t index) { return [index](CollectionRef& c) { SortByField(c, index); }; }
SortRoutine ByFieldUnique(std::int16_t index) { return [index](CollectionRef& c) { SortByFieldUnique(c, index); }; }

TEST(SortFamily, OrdersAndDropsAsDescribed)
{
    const Text kLow = u"-99999999999999";
    const Text kHigh = u"99999999999999";
    const Text kBeyond = u"100000000000000";
    const SortRow rows[] = {
        {"empty", kNumbers, {}, {}},
        {"equal keys reversed", kNumbers, {u"7", u" 7", u"007"}, {u"007", u" 7", u"7"}},
        {"equal keys, first kept", kNumbersUnique, {u"7", u" 7", u"007"}, {u"7"}},
        {"later equal key in front", kNumbers, {u"5", u"3", u"5b"}, {u"3", u"5b", u"5"}},
        {"words all key 0", kNumbers, {u"ABCD", u"EFGH", u"IJKL"}, {u"IJKL", u"EFGH", u"ABCD"}},
        {"words unique", kNumbersUnique, {u"ABCD", u"EFGH", u"IJKL"}, {u"ABCD"}},
        {"sentinel keys placed", kNumbers, {kHigh, u"1", kLow}, {kLow, u"1", kHigh}},
        {"sentinel keys dropped", kNumbersUnique, {kHigh, u"1", kLow}, {u"1"}},
        {"beyond sentinels", kNumbers, {kBeyond, u"-" + kBeyond, u"2"}, {u"2"}},
        {"beyond sentinels unique", kNumbersUnique, {kBeyond, u"-" + kBeyond, u"2"}, {u"2"}},
        {"descending reversed", kNumbers, {u"9", u"5", u"1"}, {u"1", u"5", u"9"}},
        {"padded number texts", kStrings, {u"  7", u" 42", u"123", u"9999"}, {u"123", u"9999"}},
        {"character order", kStrings, {u"101", u"1000", u"100"}, {u"100", u"1000", u"101"}},
        {"text edges", kStrings,
         {u"", u" A", u"-1", u"abcd", u"ZZZZZZZZZZZZZZ", u"ZZZZ", u"ZZZZZZZZZZZZZ", u"0"},
         {u"0", u"ZZZZ", u"ZZZZZZZZZZZZZ"}},
        {"text edges unique", kStringsUnique,
         {u"ZZZZ", u"0", u"ZZZZZZZZZZZZZ", u"ZZZZ", u"AB"}, {u"AB", u"ZZZZ"}},
        {"code unit order", kStrings, {u"A\uFF21", u"A\U0001F600"}, {u"A\U0001F600", u"A\uFF21"}},
        {"case sensitive", kStrings, {u"Za", u"ZZ", u"Z", u"Aa", u"AB"}, {u"AB", u"Aa", u"Z", u"ZZ"}},
        {"field 0", ByField(0), {u"2,9,9", u"1,5,5", u"2,0,0"}, {u"1,5,5", u"2,0,0", u"2,9,9"}},
        {"field 1", ByField(1), {u"2,9,9", u"1,5,5", u"2,0,0"}, {u"2,0,0", u"1,5,5", u"2,9,9"}},
        {"field 0 unique", ByFieldUnique(0), {u"2,9,9", u"1,5,5", u"2,0,0"}, {u"1,5,5", u"2,9,9"}},
        {"empty field is 0", ByField(1), {u"1,,1", u"1,-1,1"}, {u"1,-1,1", u"1,,1"}},
        {"empty input, bad index", ByField(3), {}, {}},
        {"empty input, negative index", ByFieldUnique(-1), {}, {}},
    };
    for (const auto& row : rows) {
        CollectionRef items = TextsCollection(row.input);
        row.sort(items);
        EXPECT_EQ(Texts(items), row.expected) << row.name;
    }
}

// Every field of the record sentinels: a key at a sentinel is kept by the
// inclusive routine only, one just inside by both, one just beyond by neither.
TEST(SortByField, EachFieldKeepsWhatLiesWithinTheRecordSentinels)
{
    const Texts_ values = {u"100000000000000", u"99999999999999", u"99999999999998",
                           u"-99999999999998", u"-99999999999999", u"-100000000000000"};
    for (std::int16_t field = 0; field <= 2; ++field) {
        const auto record = [field](const Text& value) {
            Text fields[3] = {u"7", u"7", u"7"};
            fields[field] = value;
            return fields[0] + u"," + fields[1] + u"," + fields[2];
        };
        Texts_ input;
        for (const Text& value : values)
            input.push_back(record(value));
        CollectionRef all = TextsCollection(input);
        SortByField(all, field);
        EXPECT_EQ(Texts(all), (Texts_{input[4], input[3], input[2], input[1]})) << "field " << field;
        CollectionRef unique = TextsCollection(input);
        SortByFieldUnique(unique, field);
        EXPECT_EQ(Texts(unique), (Texts_{input[3], input[2]})) << "field " << field;
    }
}

TEST(SortFamily, ReplacesTheReferenceAndLeavesTheOldCollectionAsItWas)
{
    CollectionRef items = TextsCollection({u"3", u"1", u"2"});
    const CollectionRef before = items;
    SortNumbers(items);
    EXPECT_NE(items, before);
    EXPECT_EQ(Texts(before), (Texts_{u"3", u"1", u"2"}));
    EXPECT_EQ(Texts(items), (Texts_{u"1", u"2", u"3"}));

    CollectionRef none;
    SortStrings(none);
    ASSERT_NE(none, nullptr) << "a reference to no collection gets the (empty) result";
    EXPECT_EQ(none->Count(), 0);
}

TEST(SortFamily, NumberEntriesAreKeyedByTheirText)
{
    CollectionRef numbers = std::make_shared<Collection>(
        std::vector<Value>{Single{20}, Single{0}, Single{7}, Single{0.5F}, Single{7}});
    SortNumbers(numbers);
    ASSERT_EQ(numbers->Count(), 5);
    EXPECT_EQ(Texts(numbers), (Texts_{u"0", u"0.5", u"7", u"7", u"20"}));
    EXPECT_TRUE(std::holds_alternative<Single>(numbers->Item(1))) << "entries keep their kind";

    CollectionRef mixed = std::make_shared<Collection>(std::vector<Value>{Single{5}, Text(u"10"), Single{100}});
    SortStrings(mixed);
    EXPECT_EQ(Texts(mixed), (Texts_{u"10", u"100", u"5"}));
}

TEST(SortPairs, CarryTheCompanionAlong)
{
    CollectionRef keys = TextsCollection({u"3", u"1", u"3"});
    CollectionRef companion = TextsCollection({u"a", u"b", u"c", u"extra"});
    SortPairsByNumber(keys, companion);
    EXPECT_EQ(Texts(keys), (Texts_{u"1", u"3", u"3"}));
    EXPECT_EQ(Texts(companion), (Texts_{u"b", u"c", u"a"}));

    keys = TextsCollection({u"3", u"1", u"3"});
    companion = TextsCollection({u"a", u"b", u"c"});
    SortPairsByNumberUnique(keys, companion);
    EXPECT_EQ(Texts(keys), (Texts_{u"1", u"3"}));
    EXPECT_EQ(Texts(companion), (Texts_{u"b", u"a"}));
}

// Every failing call must leave the caller's references and collections as they were.
TEST(SortFamily, ErrorsLeaveTheCallersCollectionsUnchanged)
{
    struct FailingRow {
        const char* name;
        std::function<void(CollectionRef&, CollectionRef&)> sort;
        Texts_ first;
        Texts_ second;
    };
    const FailingRow rows[] = {
        {"missing field", [](CollectionRef& c, CollectionRef&) { SortByField(c, 2); }, {u"1,2,3", u"4,5"}, {}},
        {"index beyond sentinel fields", [](CollectionRef& c, CollectionRef&) { SortByField(c, 3); },
         {u"1,2,3,4", u"5,6,7,8"}, {}},
        {"negative index", [](CollectionRef& c, CollectionRef&) { SortByFieldUnique(c, -1); }, {u"1"}, {}},
        {"empty text has no field", [](CollectionRef& c, CollectionRef&) { SortByFieldUnique(c, 0); },
         {u"1", u""}, {}},
        {"short companion", [](CollectionRef& k, CollectionRef& c) { SortPairsByNumber(k, c); },
         {u"1", u"2", u"3"}, {u"a", u"b"}},
        {"short companion, dropped key", [](CollectionRef& k, CollectionRef& c) { SortPairsByNumberUnique(k, c); },
         {u"1", u"1"}, {u"a"}},
    };
    for (const auto& row : rows) {
        CollectionRef first = TextsCollection(row.first);
        CollectionRef second = TextsCollection(row.second);
        const CollectionRef firstBefore = first;
        const CollectionRef secondBefore = second;
        try {
            row.sort(first, second);
            ADD_FAILURE() << row.name << ": no error";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Kind(), ErrorKind::PositionOutOfRange) << row.name;
        }
        EXPECT_EQ(first, firstBefore) << row.name;
        EXPECT_EQ(second, secondBefore) << row.name;
        EXPECT_EQ(Texts(first), row.first) << row.name;
        EXPECT_EQ(Texts(second), row.second) << row.name;
    }
}

}  // namespace
}  // namespace sentinel

namespace sentinel {
namespace {

// Each routine's description agrees with its name, and a name finds its routine.
TEST(RoutineDescription, FlagsFollowTheName)
{
    for (const Routine routine : kRoutines) {
        const std::string_view name = NameOf(routine);
        EXPECT_EQ(RoutineNamed(name), routine) << name;
        EXPECT_EQ(IsStrict(routine), name.ends_with("Unique")) << name;
        EXPECT_EQ(IsPaired(routine), name.starts_with("SortPairs")) << name;
        EXPECT_EQ(TakesText(routine), name.starts_with("SortStrings")) << name;
        EXPECT_EQ(TakesField(routine), name.starts_with("SortByField")) << name;
    }
    EXPECT_EQ(RoutineNamed("SortNumber"), std::nullopt);
}

}  // namespace
}  // namespace sentinel

namespace sentinel {
namespace {

// Each path the processor has can be forced, is the one reported, and sorts
// and counts exactly as the others do.
TEST(ScanPaths, AForcedPathIsTheOneReportedAndAgreesWithEveryOther)
{
    const ScanPath chosen = ActiveKernels().path;
    std::vector<Value> entries;
    for (int i = 0; i < 700; ++i)
        entries.emplace_back(WholeNumberText((i * 7919) % 1009 - 300));
    std::vector<std::pair<std::vector<Value>, ScanCounts>> results;
    for (const ScanPath path : SupportedPaths()) {
        ASSERT_TRUE(ForceScanPath(path)) << NameOf(path);
        EXPECT_EQ(ActiveKernels().path, path);
        for (const Routine routine : {Routine::Numbers, Routine::NumbersUnique, Routine::Strings, Routine::StringsUnique}) {
            CollectionRef items = std::make_shared<Collection>(entries);
            CollectionRef companion;
            const ScanCounts counts = SortCounted(routine, items, companion, 0);
            results.emplace_back(Entries(items), counts);
        }
    }
    for (std::size_t i = 4; i < results.size(); ++i)
        EXPECT_EQ(results[i], results[i % 4]) << "path " << i / 4 << ", routine " << i % 4;
    if (SupportedPaths().front() != ScanPath::Generic) {
        EXPECT_FALSE(ForceScanPath(ScanPath::Generic)) << "a path this processor does not take is refused";
    }
    ForceScanPath(chosen);
}

// Past its first kRunsFrom entries the key store moves about the root of the
// list's size an entry, not half the list: on random keys its shifted count
// stays within what the short list moved and n·√n.
TEST(KeyStore, ShiftsWithinTheRootOfTheListAnEntry)
{
    for (const std::int32_t n : {2000, 8000}) {
        std::mt19937 random(7);
        std::vector<Value> entries;
        for (std::int32_t i = 0; i < n; ++i)
            entries.emplace_back(WholeNumberText(std::uniform_int_distribution<std::int64_t>(1, 1000000)(random)));
        CollectionRef items = std::make_shared<Collection>(entries);
        CollectionRef none;
        const ScanCounts counts = SortCounted(Routine::Numbers, items, none, 0, nullptr);
        // Up to kRunsFrom settled entries, at most half the list an entry;
        // past that, within the root of the list's size.
        const double shortList = double(SentinelList::kRunsFrom) * SentinelList::kRunsFrom / 4;
        const double bound = shortList + n * std::sqrt(double(n));
        EXPECT_LE(double(counts.shifted), bound) << "n = " << n;
        EXPECT_GT(counts.shifted, 0) << "n = " << n;
        EXPECT_LT(counts.shifted, counts.moves / 4) << "far fewer than the moves the algorithm counts";
    }
}

}  // namespace
}  // namespace sentinel
