#pragma once

#include <cstdint>
#include <vector>

namespace sentinel {

// Inclusive: an entry goes after the first j with key(j) <= key <= key(j+1);
//            equal keys come out in the reverse of their input order.
// Strict:    an entry goes after the first j with key(j) <  key <  key(j+1);
//            an entry whose key is already placed (sentinels included) is dropped.
enum class Placement { Inclusive, Strict };

template <Placement placement, class Key>
bool FitsBetween(const Key& low, const Key& key, const Key& high)
{
    if constexpr (placement == Placement::Inclusive)
        return low <= key && key <= high;
    else
        return low < key && key < high;
}

// Sentinel insertion of `count` input entries. keyOfEntry(i) gives the key of
// input entry i (from 1); sentinelKeys() gives the {low, high} sentinel keys
// and is called only when there is an entry to place. Each entry's key is
// computed once, then its scan starts at j = 1 and stops at the first pair of
// neighbours that encloses it; an entry that fits nowhere is left out.
// Returns the input positions of the placed entries, in ascending key order.
template <Placement placement, class KeyOfEntry, class SentinelKeys>
std::vector<std::int32_t> SentinelInsertionOrder(std::int32_t count, KeyOfEntry keyOfEntry,
                                                 SentinelKeys sentinelKeys)
{
    using Key = decltype(keyOfEntry(1));
    std::vector<Key> keys;  // keys of the new list, low sentinel first, high sentinel last
    std::vector<std::int32_t> placed;  // input positions of the entries between the sentinels
    keys.reserve(static_cast<std::size_t>(count) + 2);
    placed.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 1; i <= count; ++i) {
        Key key = keyOfEntry(i);
        if (i == 1) {
            auto [low, high] = sentinelKeys();
            keys.push_back(std::move(low));
            keys.push_back(std::move(high));
        }
        const std::size_t last = keys.size() - 1;
        for (std::size_t j = 1; j <= last; ++j) {
            if (FitsBetween<placement>(keys[j - 1], key, keys[j])) {
                keys.insert(keys.begin() + static_cast<std::ptrdiff_t>(j), std::move(key));
                placed.insert(placed.begin() + static_cast<std::ptrdiff_t>(j - 1), i);
                break;
            }
        }
    }
    return placed;
}

}  // namespace sentinel
