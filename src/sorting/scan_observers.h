// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

namespace sentinel {

// The work of one run of sentinel insertion, as the algorithm states it.
// A step is one gap tested by the scan: scanning from the low end, a placed
// entry costs the position of its first fit, a dropped entry every position
// of the list (PositionsTested). A
// move is one entry shifted up by an insertion: those after the insertion
// point, the high sentinel included. The key store shifts far fewer, about
// the root of the list's size an entry (sentinel_list.h), and counts the
// entries it really moves itself.
//
// An entry is placed after position `after` (from 1), or dropped (`after`
// is 0), in a list of `listSize` entries, both sentinels included.
inline std::size_t PositionsTested(std::size_t after, std::size_t listSize)
{
    return after != 0 ? after : listSize - 1;
}
inline std::size_t EntriesMoved(std::size_t after, std::size_t listSize)
{
    return after != 0 ? listSize - after : 0;
}

struct ScanCounts {
    std::int64_t keys = 0;  // keys computed, the two sentinels' included
    std::int64_t steps = 0;
    std::int64_t placed = 0;
    std::int64_t dropped = 0;
    std::int64_t moves = 0;
    std::int64_t shifted = 0;  // entries the key store really moved

    // One entry's work: placed after `after`, or dropped when it is 0, after
    // testing `tested` gaps; the key store shifted `moved` entries for it.
    void AddEntry(std::size_t after, std::size_t listSize, std::size_t tested, std::size_t moved)
    {
        steps += static_cast<std::int64_t>(tested);
        moves += static_cast<std::int64_t>(EntriesMoved(after, listSize));
        shifted += static_cast<std::int64_t>(moved);
        ++(after != 0 ? placed : dropped);
    }

    bool operator==(const ScanCounts&) const = default;
};

// Observers of the scan, chosen at compile time. Each is told, in order: the
// sentinels' keys; then for each entry its key, and whether it was placed
// after position `after` or dropped, how many gaps the scan tested and how
// many entries the key store shifted to place it.
// `listSize` is the size of the list being built, both sentinels included,
// before the entry goes in.

// Observes nothing, and compiles away.
struct NoScanCounting {
    template <class Key>
    void SentinelsComputed(const Key& /*low*/, const Key& /*high*/)
    {
    }
    template <class Key>
    void KeyComputed(std::int32_t /*entry*/, const Key& /*key*/)
    {
    }
    void Placed(std::size_t /*after*/, std::size_t /*listSize*/, std::size_t /*tested*/, std::size_t /*shifted*/) {}
    void Dropped(std::size_t /*listSize*/, std::size_t /*tested*/) {}
};

// Raised by a counted run that was asked to stop.
struct ScanCancelled {};

// Adds up the counts. With `cancel`, reads it once an entry (a relaxed load
// beside a whole scan) and stops the run by raising ScanCancelled when it
// is set.
struct ScanCounter {
    ScanCounts counts;
    const std::atomic<bool>* cancel = nullptr;

    template <class Key>
    void SentinelsComputed(const Key&, const Key&)
    {
        counts.keys += 2;
    }
    template <class Key>
    void KeyComputed(std::int32_t, const Key&)
    {
        ++counts.keys;
    }
    void Placed(std::size_t after, std::size_t listSize, std::size_t tested, std::size_t shifted)
    {
        Add(after, listSize, tested, shifted);
    }
    void Dropped(std::size_t listSize, std::size_t tested) { Add(0, listSize, tested, 0); }

private:
    void Add(std::size_t after, std::size_t listSize, std::size_t tested, std::size_t shifted)
    {
        counts.AddEntry(after, listSize, tested, shifted);
        if (cancel && cancel->load(std::memory_order_relaxed))
            throw ScanCancelled{};
    }
};

}  // namespace sentinel
