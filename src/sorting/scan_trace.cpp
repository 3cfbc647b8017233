#include "sorting/scan_trace.h"

#include <charconv>
#include <cmath>

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

Text ScanTracer::Shown(double key)
{
    char digits[32];
    const auto end = std::isfinite(key) && std::abs(key) < 1e15 && key == std::trunc(key)
        ? std::to_chars(digits, digits + sizeof digits, static_cast<long long>(key)).ptr
        : std::to_chars(digits, digits + sizeof digits, key).ptr;
    return Text(digits, end);
}

}  // namespace sentinel
