// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sorting/sentinel_list.h"

#include <algorithm>
#include <cmath>


namespace sentinel {
namespace {

// How long the recent run grows before it merges, for `settled` settled
// entries: an insertion moves about half the run, a merge about the settled
// entries, so a run of about the root of the settled entries moves the
// fewest. kRecentPerRoot was chosen by measurement (README, Performance).
constexpr double kRecentPerRoot = 2.0;
constexpr std::size_t kShortestRecent = 8;

std::size_t RecentLimitFor(std::size_t settled)
{
    return std::max(kShortestRecent, static_cast<std::size_t>(kRecentPerRoot * std::sqrt(double(settled))));
}

}  // namespace

SentinelList::SentinelList(std::int32_t entries, double low, double high, std::int32_t lowPosition,
                           std::int32_t highPosition, Settling settling)
    : keys_(2 * static_cast<std::size_t>(entries) + 2), positions_(keys_.size()),
      first_(static_cast<std::size_t>(entries)), end_(first_ + 2), settling_(settling)
{
    keys_[first_] = low;
    keys_[first_ + 1] = high;
    positions_[first_] = lowPosition;
    positions_[first_ + 1] = highPosition;
    // Room for the longest run on either side of its middle.
    const std::size_t longest = RecentLimitFor(static_cast<std::size_t>(entries) + 2);
    recentKeys_.resize(2 * longest);
    recent_.resize(recentKeys_.size());
    EmptyRecent();
}

std::size_t SentinelList::Settle(std::size_t at, double key, std::int32_t position)
{
    const std::size_t moved = OpenSlot(first_, end_, at, keys_, positions_);
    keys_[first_ + at] = key;
    positions_[first_ + at] = position;
    return moved;
}

std::size_t SentinelList::StayingStretch() const noexcept
{
    std::size_t best = 0;
    std::size_t longest = 0;
    std::size_t from = 0;
    for (std::size_t r = 0; r <= RecentSize(); ++r) {
        const std::size_t to = r < RecentSize() ? SettledBefore(r) : SettledSize();
        if (to - from > longest) {
            longest = to - from;
            best = r;
        }
        from = to;
    }
    return best;
}

std::size_t SentinelList::Merge()
{
    const std::size_t count = RecentSize();
    const std::size_t below = StayingStretch();  // the recent entries that go in below the staying stretch
    std::size_t moved = count;
    // Below: each stretch moves down by the recent entries still to go in
    // below it, and the recent entry after it goes in behind it.
    std::size_t from = 0;
    for (std::size_t r = 0; r < below; ++r) {
        const std::size_t to = SettledBefore(r);
        const std::size_t down = below - r;
        MoveEntries(keys_, first_ + from, first_ + to, first_ + from - down);
        MoveEntries(positions_, first_ + from, first_ + to, first_ + from - down);
        keys_[first_ + to - down] = RecentKeys()[r];
        positions_[first_ + to - down] = RecentPosition(r);
        moved += to - from;
        from = to;
    }
    // Above, from the top: each stretch moves up by the recent entries that
    // go in below it, itself included, and that entry goes in before it.
    std::size_t to = SettledSize();
    for (std::size_t r = count; r-- > below;) {
        const std::size_t stretch = SettledBefore(r);
        const std::size_t up = r + 1 - below;
        MoveEntries(keys_, first_ + stretch, first_ + to, first_ + stretch + up);
        MoveEntries(positions_, first_ + stretch, first_ + to, first_ + stretch + up);
        keys_[first_ + stretch + up - 1] = RecentKeys()[r];
        positions_[first_ + stretch + up - 1] = RecentPosition(r);
        moved += to - stretch;
        to = stretch;
    }
    first_ -= below;
    end_ += count - below;
    EmptyRecent();
    return moved;
}

void SentinelList::EmptyRecent()
{
    recentFirst_ = recentEnd_ = recentKeys_.size() / 2;
    recentLimit_ = RecentLimitFor(SettledSize());
}

std::vector<std::int32_t> SentinelList::PlacedPositions() const
{
    std::vector<std::int32_t> placed;
    placed.reserve(Size() - 2);
    std::size_t from = 1;  // past the low sentinel
    for (std::size_t r = 0; r < RecentSize(); ++r) {
        placed.insert(placed.end(), SettledPositions() + from, SettledPositions() + SettledBefore(r));
        placed.push_back(RecentPosition(r));
        from = SettledBefore(r);
    }
    placed.insert(placed.end(), SettledPositions() + from, SettledPositions() + SettledSize() - 1);
    return placed;
}

}  // namespace sentinel
