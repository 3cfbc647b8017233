// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <compare>
#include <cstdint>
#include <variant>
#include <vector>

#include "runtime/value.h"
#include "sorting/routines.h"
#include "sorting/scan_observers.h"

namespace sentinel {

// One thing the scan did, in the order it did it.
struct TraceEvent {
    enum class Kind { KeyComputed, Tested, Placed, Dropped };
    Kind kind;
    std::int32_t entry;  // the input position of the entry being placed
    std::int32_t at = 0;  // Tested: the position j; Placed: the j it goes after
    // Tested: the key's three-way comparison with the keys at j and j + 1
    // (-1, 0 or 1), and whether the entry fits there.
    int keyToLow = 0;
    int keyToHigh = 0;
    bool fits = false;
    std::int32_t shifted = 0;  // Placed: the entries the key store shifted
};

// A whole run of sentinel insertion, step by step, with every key as text.
struct ScanTrace {
    Text lowKey;
    Text highKey;
    std::vector<Text> keys;  // keys[i - 1]: the key of input entry i, once computed
    std::vector<TraceEvent> events;
    // Every key's place in key order, equal keys alike: [0] the low
    // sentinel's, [i] input entry i's, [keys.size() + 1] the high sentinel's.
    std::vector<std::int32_t> ranks;
};

// Records the trace: an observer of the scan (see scan_observers.h). It keeps
// its own copy of the list's keys and runs the routine's scan on it again to
// tell each tested gap and its neighbours.
class ScanTracer {
public:
    ScanTracer(ScanOrder order, bool strict) : order_(order), strict_(strict) {}

    template <class Key>
    void SentinelsComputed(const Key& low, const Key& high)
    {
        list_ = {Own(low), Own(high)};
        allKeys_ = {Own(low)};
        trace_.lowKey = Shown(low);
        trace_.highKey = Shown(high);
    }
    template <class Key>
    void KeyComputed(std::int32_t entry, const Key& key)
    {
        entry_ = entry;
        key_ = Own(key);
        allKeys_.push_back(key_);
        trace_.keys.push_back(Shown(key));
        trace_.events.push_back({TraceEvent::Kind::KeyComputed, entry});
    }
    void Placed(std::size_t after, std::size_t listSize, std::size_t tested, std::size_t shifted);
    void Dropped(std::size_t listSize, std::size_t tested);

    ScanTrace Take();

private:
    using OwnKey = std::variant<double, Text>;
    static OwnKey Own(double key) { return key; }
    static OwnKey Own(TextView key) { return Text(key); }
    static Text Shown(double key);
    static Text Shown(TextView key) { return Text(key); }
    // Tests again, and records, the gaps the scan tested for the entry.
    void Retest(std::size_t after, std::size_t last, std::size_t tested);

    ScanTrace trace_;
    std::vector<OwnKey> list_;
    std::vector<OwnKey> allKeys_;  // the low sentinel's, then each entry's
    OwnKey key_;
    std::int32_t entry_ = 0;
    ScanOrder order_;
    bool strict_;
};

}  // namespace sentinel
