// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Inputs for the model-based tests: entries of every kind the routines meet,
// in every shape, with keys at and beyond the sentinels.

#include <algorithm>
#include <functional>
#include <numeric>
#include <random>
#include <vector>

#include "runtime/conversions.h"
#include "runtime/runtime_error.h"
#include "support/sort_model.h"

namespace sentinel {

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

    // Random, ascending, descending, all equal or few distinct; of 0 to 300
    // entries, or of `from` to `to`.
    std::vector<Value> Input(bool records, const std::function<model::Key(const Value&)>& keyOf, int from = 0,
                             int to = 0)
    {
        const int count = to > 0 ? Uniform(from, to) : Uniform(0, Uniform(0, 1) ? 8 : 300);
        std::vector<Value> entries(static_cast<std::size_t>(count));
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

}  // namespace sentinel
