// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sorting/scan_trace.h"

#include <cassert>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>

#include "sorting/first_fit.h"

namespace sentinel {

void ScanTracer::Placed(std::size_t after, std::size_t listSize, std::size_t tested, std::size_t shifted)
{
    Retest(after, listSize - 1, tested);
    TraceEvent placed{TraceEvent::Kind::Placed, entry_, static_cast<std::int32_t>(after)};
    placed.shifted = static_cast<std::int32_t>(shifted);
    trace_.events.push_back(placed);
    list_.insert(list_.begin() + static_cast<std::ptrdiff_t>(after), key_);
}

void ScanTracer::Dropped(std::size_t listSize, std::size_t tested)
{
    Retest(0, listSize - 1, tested);
    trace_.events.push_back({TraceEvent::Kind::Dropped, entry_});
}

void ScanTracer::Retest([[maybe_unused]] std::size_t after, std::size_t last, [[maybe_unused]] std::size_t tested)
{
    [[maybe_unused]] const std::size_t before = trace_.events.size();
    const auto compareAt = [this](std::size_t at) { return ThreeWay(key_ <=> list_[at]); };
    const auto record = [this](std::size_t j, int keyToLow, int keyToHigh, bool fits) {
        trace_.events.push_back(
            {TraceEvent::Kind::Tested, entry_, static_cast<std::int32_t>(j), keyToLow, keyToHigh, fits});
    };
    std::size_t found = 0;
    switch (order_) {
    case ScanOrder::FromLow:
        found = strict_ ? FirstFitFrom<Placement::Strict>(1, last, compareAt, record)
                        : FirstFitFrom<Placement::Inclusive>(1, last, compareAt, record);
        break;
    case ScanOrder::FromHigh:
        found = strict_ ? FirstFitFromHigh<Placement::Strict>(last, compareAt, record)
                        : FirstFitFromHigh<Placement::Inclusive>(last, compareAt, record);
        break;
    case ScanOrder::Halving: found = FirstFitByHalving(last, compareAt, record); break;
    }
    assert(found == after && trace_.events.size() - before == tested && "the trace's scan is the routine's");
    (void)found;
}

ScanTrace ScanTracer::Take()
{
    if (list_.empty())
        return std::move(trace_);
    allKeys_.push_back(list_.back());  // the high sentinel
    std::vector<std::size_t> byKey(allKeys_.size());
    std::iota(byKey.begin(), byKey.end(), 0);
    std::stable_sort(byKey.begin(), byKey.end(), [this](std::size_t a, std::size_t b) { return allKeys_[a] < allKeys_[b]; });
    trace_.ranks.assign(allKeys_.size(), 0);
    for (std::size_t k = 1; k < byKey.size(); ++k)
        trace_.ranks[byKey[k]] = trace_.ranks[byKey[k - 1]] + (allKeys_[byKey[k - 1]] < allKeys_[byKey[k]] ? 1 : 0);
    return std::move(trace_);
}

Text ScanTracer::Shown(double key)
{
    char digits[32];
    const auto end = std::isfinite(key) && std::abs(key) < 1e15 && key == std::trunc(key)
        ? std::to_chars(digits, digits + sizeof digits, static_cast<long long>(key)).ptr
        : std::to_chars(digits, digits + sizeof digits, key).ptr;
    return Text(digits, end);
}

}  // namespace sentinel
