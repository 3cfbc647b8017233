#include "sorting/scan_trace.h"

#include <charconv>
#include <cmath>

namespace sentinel {
namespace {

int ThreeWayOf(std::partial_ordering order)
{
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

// Replays the events: list[k] is the input position at list index k (the
// sentinels are 0 and -1); `onPlaced` is told of the list's size before each
// insertion.
template <class OnPlaced>
std::vector<std::int32_t> Replay(const ScanTrace& trace, OnPlaced onPlaced)
{
    std::vector<std::int32_t> list = {0, -1};
    for (const TraceEvent& event : trace.events) {
        if (event.kind == TraceEvent::Kind::Placed) {
            onPlaced(static_cast<std::size_t>(event.at), list.size());
            list.insert(list.begin() + event.at, event.entry);
        }
    }
    return {list.begin() + 1, list.end() - 1};
}

}  // namespace

void ScanTracer::Placed(std::size_t after, std::size_t /*listSize*/)
{
    for (std::size_t j = 1; j <= after; ++j)
        Test(j, j == after);
    trace_.events.push_back({TraceEvent::Kind::Placed, entry_, static_cast<std::int32_t>(after)});
    list_.insert(list_.begin() + static_cast<std::ptrdiff_t>(after), key_);
}

void ScanTracer::Dropped(std::size_t listSize)
{
    for (std::size_t j = 1; j < listSize; ++j)
        Test(j, false);
    trace_.events.push_back({TraceEvent::Kind::Dropped, entry_});
}

void ScanTracer::Test(std::size_t j, bool fits)
{
    trace_.events.push_back({TraceEvent::Kind::Tested, entry_, static_cast<std::int32_t>(j),
                             ThreeWayOf(key_ <=> list_[j - 1]), ThreeWayOf(key_ <=> list_[j]), fits});
}

Text ScanTracer::Shown(double key)
{
    char digits[32];
    const auto end = std::isfinite(key) && std::abs(key) < 1e15 && key == std::trunc(key)
        ? std::to_chars(digits, digits + sizeof digits, static_cast<long long>(key)).ptr
        : std::to_chars(digits, digits + sizeof digits, key).ptr;
    return Text(digits, end);
}

std::vector<std::int32_t> ReplayOrder(const ScanTrace& trace)
{
    return Replay(trace, [](std::size_t, std::size_t) {});
}

ScanCounts TraceTotals(const ScanTrace& trace)
{
    ScanCounts totals;
    totals.keys = trace.events.empty() ? 0 : 2;
    for (const TraceEvent& event : trace.events) {
        totals.keys += event.kind == TraceEvent::Kind::KeyComputed;
        totals.steps += event.kind == TraceEvent::Kind::Tested;
        totals.dropped += event.kind == TraceEvent::Kind::Dropped;
    }
    Replay(trace, [&](std::size_t after, std::size_t listSize) {
        ++totals.placed;
        totals.moves += static_cast<std::int64_t>(listSize - after);
    });
    return totals;
}

}  // namespace sentinel
