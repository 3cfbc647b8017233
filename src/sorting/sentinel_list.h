// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace sentinel {

// The keys of the list being built, low sentinel first and high sentinel
// last, each beside the input position of its entry (the sentinels have
// positions of their own, outside those of the entries).
//
// The list is kept as two runs in key order, which merged make it: the
// settled entries, in one array that the scan reads straight through, and a
// short run of recent entries, each with the number of settled entries that
// come before it in the list. An entry goes into the recent run, which moves
// the shorter side of that run; when the run is full it merges into the
// settled array. The merge leaves in place the longest stretch of settled
// entries that no recent entry falls between, and moves the rest outwards
// into the room at both ends of the array. So an insertion moves about the
// square root of the list's size, and sorted input of either direction moves
// next to nothing.
//
// A short list is cheaper kept as one array: while fewer than kRunsFrom
// entries are settled, an entry settles at once, moving the shorter side of
// the settled array (InRunsOnceLong, the sorts' way; README, Performance).
// A scan that jumps about the list by index (the variants) would have to
// search the recent run at every index it reads: for it, each entry settles
// at once however long the list (AtOnce). InRuns keeps runs from the first
// entry.
enum class Settling { InRunsOnceLong, InRuns, AtOnce };

class SentinelList {
public:
    SentinelList(std::int32_t entries, double low, double high, std::int32_t lowPosition = 0,
                 std::int32_t highPosition = 0, Settling settling = Settling::InRunsOnceLong);

    // Entries, both sentinels included.
    std::size_t Size() const noexcept { return SettledSize() + RecentSize(); }

    // The settled entries, the sentinels among them.
    const double* SettledKeys() const noexcept { return keys_.data() + first_; }
    const std::int32_t* SettledPositions() const noexcept { return positions_.data() + first_; }
    std::size_t SettledSize() const noexcept { return end_ - first_; }

    // The recent entries, in key order.
    const double* RecentKeys() const noexcept { return recentKeys_.data() + recentFirst_; }
    std::size_t RecentSize() const noexcept { return recentEnd_ - recentFirst_; }
    std::int32_t RecentPosition(std::size_t r) const noexcept { return recent_[recentFirst_ + r].position; }
    // The settled entries before recent entry r in the list.
    std::size_t SettledBefore(std::size_t r) const noexcept { return recent_[recentFirst_ + r].settledBefore; }

    // Inserts an entry that has `settled` settled and `recent` recent entries
    // before it in the list, so list index settled + recent, 1 <= settled <
    // SettledSize(). Returns the entries it moved, a merge's included.
    std::size_t InsertAt(std::size_t settled, std::size_t recent, double key, std::int32_t position)
    {
        if (settling_ == Settling::AtOnce || (settling_ == Settling::InRunsOnceLong && SettledSize() < kRunsFrom))
            return Settle(settled, key, position);
        std::size_t moved = OpenSlot(recentFirst_, recentEnd_, recent, recentKeys_, recent_);
        recentKeys_[recentFirst_ + recent] = key;
        recent_[recentFirst_ + recent] = {position, static_cast<std::uint32_t>(settled)};
        if (RecentSize() == recentLimit_)
            moved += Merge();
        return moved;
    }

    // The recent entries before list index `index`, from 0 (the low sentinel).
    std::size_t RecentBefore(std::size_t index) const noexcept
    {
        // Recent entry r is at list index r + SettledBefore(r), which grows with r.
        std::size_t low = 0;
        std::size_t high = RecentSize();
        while (low < high) {
            const std::size_t middle = low + (high - low) / 2;
            if (middle + SettledBefore(middle) < index)
                low = middle + 1;
            else
                high = middle;
        }
        return low;
    }
    double KeyAt(std::size_t index) const noexcept
    {
        const std::size_t recent = RecentBefore(index);
        if (recent < RecentSize() && recent + SettledBefore(recent) == index)
            return RecentKeys()[recent];
        return SettledKeys()[index - recent];
    }

    // The input positions of the entries between the sentinels, in order.
    std::vector<std::int32_t> PlacedPositions() const;

    // Settled entries from which InRunsOnceLong keeps runs: below, moving the
    // shorter side of the array costs less than keeping the recent run in
    // order and merging it.
    static constexpr std::size_t kRunsFrom = 1024;

private:
    // Moves entries [from, to) to start at `at`, which may overlap them.
    // Sorted input moves one entry (a sentinel) an insertion: that one goes
    // without a call.
    template <class Array>
    static void MoveEntries(Array& entries, std::size_t from, std::size_t to, std::size_t at) noexcept
    {
        if (to == from + 1)
            entries[at] = entries[from];
        else if (to > from)
            std::memmove(entries.data() + at, entries.data() + from, (to - from) * sizeof(entries[0]));
    }
    // Opens a slot at offset `at` of the entries [first, end) of `arrays`, by
    // moving the shorter side one slot outwards; returns the entries moved.
    template <class... Arrays>
    static std::size_t OpenSlot(std::size_t& first, std::size_t& end, std::size_t at, Arrays&... arrays) noexcept
    {
        const std::size_t after = end - first - at;
        if (at <= after) {
            (MoveEntries(arrays, first, first + at, first - 1), ...);
            --first;
            return at;
        }
        (MoveEntries(arrays, first + at, end, first + at + 1), ...);
        ++end;
        return after;
    }
    // Puts an entry straight into the settled array at index `at`, moving its
    // shorter side; returns the entries moved.
    std::size_t Settle(std::size_t at, double key, std::int32_t position);
    // Moves the recent entries into the settled array; returns the entries moved.
    std::size_t Merge();
    // Of the stretches of settled entries between recent ones, the one that
    // stays in place: the recent entries before it go in below.
    std::size_t StayingStretch() const noexcept;
    void EmptyRecent();

    // Room for the whole list on either side of its first entries, which
    // nothing reads before it is written: left as allocated.
    template <class T>
    struct Uninitialised : std::allocator<T> {
        template <class U>
        struct rebind {
            using other = Uninitialised<U>;
        };
        template <class U>
        void construct(U* at) noexcept
        {
            ::new (static_cast<void*>(at)) U;
        }
    };
    std::vector<double, Uninitialised<double>> keys_;
    std::vector<std::int32_t, Uninitialised<std::int32_t>> positions_;
    std::size_t first_;  // the low sentinel's index
    std::size_t end_;  // one past the high sentinel's

    // Beside each recent key, in a second array so that the keys lie together for the count.
    struct Recent {
        std::int32_t position;
        std::uint32_t settledBefore;
    };
    std::vector<double> recentKeys_;
    std::vector<Recent> recent_;
    std::size_t recentFirst_ = 0;
    std::size_t recentEnd_ = 0;
    std::size_t recentLimit_ = 0;  // the size at which the recent run merges
    Settling settling_;
};

// Reads a list's keys from the top down, a list index at a time, without
// searching for each.
class KeysDownward {
public:
    explicit KeysDownward(const SentinelList& list)
        : list_(list), settled_(list.SettledSize()), recent_(list.RecentSize())
    {
    }
    // The key at list index `at`, the one below the last read (the top first).
    double At([[maybe_unused]] std::size_t at) noexcept
    {
        assert(at + 1 == settled_ + recent_ && "read one list index at a time, downwards");
        if (recent_ > 0 && list_.SettledBefore(recent_ - 1) == settled_)
            return list_.RecentKeys()[--recent_];
        return list_.SettledKeys()[--settled_];
    }

private:
    const SentinelList& list_;
    std::size_t settled_;  // the settled entries not read yet
    std::size_t recent_;  // the recent entries not read yet
};

}  // namespace sentinel
