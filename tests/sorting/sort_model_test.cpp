// Every routine against an independent formulation of its result, over many
// generated inputs of every shape.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <variant>

#include "runtime/conversions.h"
#include "runtime/runtime_error.h"
#include "sorting/sort_family.h"
#include "sorting/sort_keys.h"
#include "support/reference_sort.h"
#include "support/text.h"

namespace sentinel {
namespace {

using Key = std::variant<double, Text>;

struct Model {
    std::function<Key(const Value&)> key;
    Key low;
    Key high;
    bool strict;
};

std::vector<std::int32_t> ModelOrder(const std::vector<Value>& entries, const Model& model)
{
    return ReferenceOrder(
        static_cast<std::int32_t>(entries.size()),
        [&](std::int32_t i) { return model.key(entries[static_cast<std::size_t>(i - 1)]); }, model.low, model.high,
        model.strict);
}

std::vector<Value> Pick(const std::vector<Value>& entries, const std::vector<std::int32_t>& order)
{
    std::vector<Value> picked;
    for (const std::int32_t i : order)
        picked.push_back(entries[static_cast<std::size_t>(i - 1)]);
    return picked;
}

class InputMaker {
public:
    explicit InputMaker(unsigned seed) : engine_(seed) {}

    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }

    Text Digits(int low, int high) { return WholeNumberText(Uniform(low, high)); }

    Value Entry(bool records)
    {
        if (records)
            return Record();
        switch (Uniform(0, 11)) {
        case 0: return RightAlign(Digits(1, 9999), 3);
        case 1: return Text(Uniform(0, 3), u' ') + Digits(0, 99);
        case 2: return Text(Uniform(0, 1) ? u"-" : u"+") + Digits(0, 50);
        case 3: return Digits(0, 20) + u"AB";
        case 4: return Word(4, u'A', u'Z');
        case 5: return Word(Uniform(0, 3), u'Y', u'Z');
        case 6: return Text(Uniform(0, 1) ? u"" : u"-") + Text(u"99999999999999") + Text(Uniform(0, 1), u'0');
        case 7: return Text(u"ZZZZZZZZZZZZ") + Text(Uniform(0, 2), u'Z');
        case 8: return Single(static_cast<float>(Uniform(-5, 20)) / static_cast<float>(Uniform(1, 2)));
        case 9: return Text(1, static_cast<char16_t>(Uniform(0x2F, 0x31))) + Text(1, u'\uFF21');
        case 10: return Text(u"A") + Text(Uniform(0, 1) ? u"\U0001F600" : u"\uFF21");
        default: return Record();
        }
    }

    // Comma texts of 0 to 4 fields, some of them empty or not numbers.
    Text Record()
    {
        const int fields = Uniform(0, 10) == 0 ? Uniform(0, 2) : Uniform(3, 4);
        Text text;
        for (int f = 0; f < fields; ++f) {
            if (f > 0)
                text += u',';
            if (Uniform(0, 8) > 0)
                text += Digits(-3, 3);
        }
        return text;
    }

    Text Word(int length, char16_t first, char16_t last)
    {
        Text word;
        for (int i = 0; i < length; ++i)
            word.push_back(static_cast<char16_t>(Uniform(first, last)));
        return word;
    }

    // Random, ascending, descending, all equal or few distinct.
    std::vector<Value> Input(bool records, const Model& model)
    {
        std::vector<Value> entries(static_cast<std::size_t>(Uniform(0, Uniform(0, 1) ? 8 : 300)));
        for (Value& entry : entries)
            entry = Entry(records);
        const auto byKey = [&](const Value& a, const Value& b) { return SafeKey(model, a) < SafeKey(model, b); };
        switch (Uniform(0, 4)) {
        case 1: std::stable_sort(entries.begin(), entries.end(), byKey); break;
        case 2: std::stable_sort(entries.rbegin(), entries.rend(), byKey); break;
        case 3: std::fill(entries.begin(), entries.end(), entries.empty() ? Value{} : entries.front()); break;
        case 4:
            for (Value& entry : entries)
                entry = entries[static_cast<std::size_t>(Uniform(0, std::min<int>(2, static_cast<int>(entries.size()) - 1)))];
            break;
        default: break;
        }
        return entries;
    }

private:
    // Shapes by key; an entry without the field sorts first.
    static Key SafeKey(const Model& model, const Value& entry)
    {
        try {
            return model.key(entry);
        } catch (const RuntimeError&) {
            return -1e300;
        }
    }

    std::mt19937 engine_;
};

Model NumberModel(bool strict)
{
    return {[](const Value& v) { return Key(NumericKey(v)); }, -99999999999999.0, 99999999999999.0, strict};
}

Model TextModel(bool strict)
{
    return {[](const Value& v) { return Key(TextOf(v)); }, Text(u"0"), Text(u"ZZZZZZZZZZZZZ"), strict};
}

Model FieldModel(std::int16_t index, bool strict)
{
    return {[index](const Value& v) { return Key(FieldKey(v, index)); }, -99999999999999.0, 99999999999999.0,
            strict};
}

constexpr int kInputsPerRoutine = 1500;

void CheckSingleListRoutine(const char* name, const std::function<void(CollectionRef&)>& sort,
                            const Model& model, bool records, unsigned seed)
{
    InputMaker maker(seed);
    for (int run = 0; run < kInputsPerRoutine; ++run) {
        const std::vector<Value> entries = maker.Input(records, model);
        CollectionRef items = std::make_shared<Collection>(entries);
        sort(items);
        ASSERT_EQ(Entries(items), Pick(entries, ModelOrder(entries, model))) << name << " run " << run;
    }
}

TEST(SortModel, NumbersAndStrings)
{
    CheckSingleListRoutine("SortNumbers", SortNumbers, NumberModel(false), false, 1);
    CheckSingleListRoutine("SortNumbersUnique", SortNumbersUnique, NumberModel(true), false, 2);
    CheckSingleListRoutine("SortStrings", SortStrings, TextModel(false), false, 3);
    CheckSingleListRoutine("SortStringsUnique", SortStringsUnique, TextModel(true), false, 4);
}

// A field routine fails, changing nothing, when any entry lacks the field or,
// with at least one entry, when the index is outside the sentinels' 0 to 2.
TEST(SortModel, ByFieldIncludingMissingFields)
{
    for (const bool strict : {false, true}) {
        InputMaker maker(strict ? 5 : 6);
        for (int run = 0; run < kInputsPerRoutine; ++run) {
            const auto index = static_cast<std::int16_t>(maker.Uniform(-1, 4));
            const Model model = FieldModel(index, strict);
            const std::vector<Value> entries = maker.Input(true, model);
            CollectionRef items = std::make_shared<Collection>(entries);
            const CollectionRef before = items;
            const bool fails = !entries.empty()
                && (index < 0 || index > 2 || std::any_of(entries.begin(), entries.end(), [&](const Value& v) {
                        return std::get<Text>(v).empty()
                            || std::count(std::get<Text>(v).begin(), std::get<Text>(v).end(), u',') < index;
                    }));
            try {
                strict ? SortByFieldUnique(items, index) : SortByField(items, index);
                ASSERT_FALSE(fails) << "run " << run;
                ASSERT_EQ(Entries(items), Pick(entries, ModelOrder(entries, model))) << "run " << run;
            } catch (const RuntimeError& error) {
                ASSERT_TRUE(fails) << "run " << run << ": " << error.what();
                ASSERT_EQ(error.Kind(), ErrorKind::PositionOutOfRange);
                ASSERT_EQ(items, before);
                ASSERT_EQ(Entries(items), entries);
            }
        }
    }
}

TEST(SortModel, PairsWithLongerAndShorterCompanions)
{
    for (const bool strict : {false, true}) {
        InputMaker maker(strict ? 7 : 8);
        const Model model = NumberModel(strict);
        for (int run = 0; run < kInputsPerRoutine; ++run) {
            const std::vector<Value> keyEntries = maker.Input(false, model);
            std::vector<Value> companionEntries;
            const int companionCount = std::max(0, static_cast<int>(keyEntries.size()) + maker.Uniform(-2, 3));
            for (int c = 0; c < companionCount; ++c)
                companionEntries.emplace_back(WholeNumberText(c));
            CollectionRef keys = std::make_shared<Collection>(keyEntries);
            CollectionRef companion = std::make_shared<Collection>(companionEntries);
            const CollectionRef keysBefore = keys;
            const CollectionRef companionBefore = companion;
            try {
                strict ? SortPairsByNumberUnique(keys, companion) : SortPairsByNumber(keys, companion);
                ASSERT_GE(companionEntries.size(), keyEntries.size()) << "run " << run;
                const auto order = ModelOrder(keyEntries, model);
                ASSERT_EQ(Entries(keys), Pick(keyEntries, order)) << "run " << run;
                ASSERT_EQ(Entries(companion), Pick(companionEntries, order)) << "run " << run;
            } catch (const RuntimeError& error) {
                ASSERT_LT(companionEntries.size(), keyEntries.size()) << "run " << run << ": " << error.what();
                ASSERT_EQ(keys, keysBefore);
                ASSERT_EQ(companion, companionBefore);
                ASSERT_EQ(Entries(keys), keyEntries);
                ASSERT_EQ(Entries(companion), companionEntries);
            }
        }
    }
}

}  // namespace
}  // namespace sentinel
