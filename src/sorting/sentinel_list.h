// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace sentinel {

// The keys of the list being built, low sentinel first and high sentinel last,
// each beside the input position of its entry (the sentinels have positions
// of their own, outside those of the entries). The storage has room at both
// ends, so an insertion moves only the shorter side of the list: placing an
// entry first or last moves just one sentinel.
template <class Key>
class SentinelList {
public:
    SentinelList(std::int32_t entries, Key low, Key high, std::int32_t lowPosition = 0,
                 std::int32_t highPosition = 0)
        : keys_(2 * static_cast<std::size_t>(entries) + 2), positions_(keys_.size()),
          first_(static_cast<std::size_t>(entries)), last_(first_ + 1)
    {
        keys_[first_] = std::move(low);
        keys_[last_] = std::move(high);
        positions_[first_] = lowPosition;
        positions_[last_] = highPosition;
    }

    // The key of entry j (from 1) is Keys()[j - 1]; there are Size() entries.
    const Key* Keys() const noexcept { return keys_.data() + first_; }
    std::size_t Size() const noexcept { return last_ - first_ + 1; }
    // The input position of entry j is Positions()[j - 1].
    const std::int32_t* Positions() const noexcept { return positions_.data() + first_; }

    // Inserts directly after entry j, 1 <= j < Size().
    void InsertAfter(std::size_t j, Key key, std::int32_t position)
    {
        const std::size_t at = first_ + j;  // the storage index the new entry takes
        if (j <= Size() - j) {
            // Move entries 1 to j one place towards the front.
            std::move(keys_.begin() + first_, keys_.begin() + at, keys_.begin() + first_ - 1);
            std::move(positions_.begin() + first_, positions_.begin() + at, positions_.begin() + first_ - 1);
            --first_;
            keys_[at - 1] = std::move(key);
            positions_[at - 1] = position;
        } else {
            // Move entries j+1 to the end one place towards the back.
            std::move_backward(keys_.begin() + at, keys_.begin() + last_ + 1, keys_.begin() + last_ + 2);
            std::move_backward(positions_.begin() + at, positions_.begin() + last_ + 1,
                               positions_.begin() + last_ + 2);
            ++last_;
            keys_[at] = std::move(key);
            positions_[at] = position;
        }
    }

    // The input positions of the entries between the sentinels, in order.
    std::vector<std::int32_t> PlacedPositions() const
    {
        return {positions_.begin() + first_ + 1, positions_.begin() + last_};
    }

private:
    std::vector<Key> keys_;
    std::vector<std::int32_t> positions_;
    std::size_t first_;  // storage index of the low sentinel
    std::size_t last_;  // storage index of the high sentinel
};

}  // namespace sentinel
