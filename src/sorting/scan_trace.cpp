#include "sorting/scan_trace.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>

#include "sorting/first_fit.h"

namespace sentinel {

void ScanTracer::Placed(std::size_t after, std::size_t listSize)
{
    TestUpTo(after, listSize);
    trace_.events.push_back({TraceEvent::Kind::Placed, entry_, static_cast<std::int32_t>(after)});
    list_.insert(list_.begin() + static_cast<std::ptrdiff_t>(after), key_);
}

void ScanTracer::Dropped(std::size_t listSize)
{
    TestUpTo(0, listSize);
    trace_.events.push_back({TraceEvent::Kind::Dropped, entry_});
}

void ScanTracer::TestUpTo(std::size_t after, std::size_t listSize)
{
    for (std::size_t j = 1; j <= PositionsTested(after, listSize); ++j)
        Test(j, j == after);
}

void ScanTracer::Test(std::size_t j, bool fits)
{
    trace_.events.push_back({TraceEvent::Kind::Tested, entry_, static_cast<std::int32_t>(j),
                             ThreeWay(key_ <=> list_[j - 1]), ThreeWay(key_ <=> list_[j]), fits});
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
