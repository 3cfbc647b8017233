// Every routine against an independent formulation of its result, over many
// generated inputs of every shape.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "runtime/conversions.h"
#include "support/sort_model.h"
#include "support/trace_replay.h"

namespace sentinel {
namespace {

class InputMaker {
public:
    explicit InputMaker(unsigned seed) : engine_(seed) {}

    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }

    Text Digits(int low, int high) { return WholeNumberText(Uniform(low, high)); }

    Value Entry(bool records)
    {
        if (records)
            return Record();
        switch (Uniform(0, 13)) {
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
        case 11: return Text(u"QQQQQQ") + Word(Uniform(0, 2), u'A', u'B');  // alike far past the fourth unit
        case 12: return Text(u"QQ") + Text(Uniform(0, 2), u'\0') + Word(Uniform(0, 1), u'\0', u'\1');
        default: return Record();
        }
    }

    // At, just inside or just beyond a number sentinel.
    Text NearSentinel()
    {
        const Text magnitudes[] = {u"99999999999998", u"99999999999999", u"100000000000000"};
        return Text(Uniform(0, 1) ? u"-" : u"") + magnitudes[Uniform(0, 2)];
    }

    // Comma texts of 0 to 4 fields, some of them empty, not numbers or near a sentinel.
    Text Record()
    {
        const int fields = Uniform(0, 10) == 0 ? Uniform(0, 2) : Uniform(3, 4);
        Text text;
        for (int f = 0; f < fields; ++f) {
            if (f > 0)
                text += u',';
            if (Uniform(0, 8) > 0)
                text += Uniform(0, 6) > 0 ? Digits(-3, 3) : NearSentinel();
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
    std::vector<Value> Input(bool records, const std::function<model::Key(const Value&)>& keyOf)
    {
        std::vector<Value> entries(static_cast<std::size_t>(Uniform(0, Uniform(0, 1) ? 8 : 300)));
        for (Value& entry : entries)
            entry = Entry(records);
        const auto byKey = [&](const Value& a, const Value& b) { return SafeKey(keyOf, a) < SafeKey(keyOf, b); };
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
    static model::Key SafeKey(const std::function<model::Key(const Value&)>& keyOf, const Value& entry)
    {
        try {
            return keyOf(entry);
        } catch (const RuntimeError&) {
            return -1e300;
        }
    }

    std::mt19937 engine_;
};

constexpr int kInputsPerRoutine = 1500;

TEST(SortModel, EveryRoutineOnInputsOfEveryShape)
{
    for (const Routine routine : kRoutines) {
        InputMaker maker(static_cast<unsigned>(routine) + 1);
        const bool records = routine == Routine::ByField || routine == Routine::ByFieldUnique;
        for (int run = 0; run < kInputsPerRoutine; ++run) {
            SortCall call{routine, {}, {}, static_cast<std::int16_t>(maker.Uniform(-1, 4))};
            call.entries = maker.Input(records, model::KeyOf(call));
            const int companionCount = std::max(0, static_cast<int>(call.entries.size()) + maker.Uniform(-2, 3));
            for (int c = 0; c < companionCount; ++c)
                call.companion.emplace_back(WholeNumberText(c));
            const SortOutcome actual = ActualOutcome(call);
            ASSERT_EQ(actual, ExpectedOutcome(call)) << NameOf(routine) << " run " << run;

            ScanCounts counts;
            ASSERT_EQ(ActualOutcome(call, &counts), actual) << NameOf(routine) << " counted, run " << run;
            if (!actual.failedKeepingReferences && !call.entries.empty()) {
                CollectionRef entries = std::make_shared<Collection>(call.entries);
                CollectionRef companion = std::make_shared<Collection>(call.companion);
                const ScanTrace trace = SortTraced(routine, entries, companion, call.fieldIndex);
                ASSERT_TRUE(SortOutcome::SameEntries(Entries(Gather(Collection(call.entries), ReplayOrder(trace))),
                                                     actual.entries))
                    << NameOf(routine) << " replayed, run " << run;
                EXPECT_EQ(TraceTotals(trace), counts) << NameOf(routine) << " run " << run;
                const auto n = static_cast<std::int64_t>(call.entries.size());
                EXPECT_EQ(counts.placed, static_cast<std::int64_t>(actual.entries.size()));
                EXPECT_EQ(counts.placed + counts.dropped, n);
                EXPECT_EQ(counts.keys, n + 2);
                EXPECT_GE(counts.steps, n);
            }
        }
    }
}

}  // namespace
}  // namespace sentinel
