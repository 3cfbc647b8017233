#include "cost/growth.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <set>

namespace sentinel {
namespace {

// The repetitions of one routine and shape at one n.
struct AtSize {
    std::vector<double> seconds;
    std::vector<double> floorSeconds;
    std::int64_t steps = 0;
};

}  // namespace

LineFit FitGrowth(const std::vector<std::pair<double, double>>& points)
{
    std::vector<std::pair<double, double>> logs;
    for (const auto& [n, y] : points)
        if (n > 0 && y > 0)
            logs.emplace_back(std::log(n), std::log(y));
    return FitLine(logs);
}

std::vector<GrowthSummary> Summarize(const std::vector<Measurement>& rows)
{
    std::vector<std::pair<Routine, Shape>> series;
    std::map<std::pair<Routine, Shape>, std::map<std::int32_t, AtSize>> bySize;
    for (const Measurement& row : rows) {
        const std::pair key{row.routine, row.shape};
        if (!bySize.contains(key))
            series.push_back(key);
        AtSize& at = bySize[key][row.n];
        at.seconds.push_back(row.seconds);
        at.floorSeconds.push_back(row.floorSeconds);
        at.steps = row.counts.steps;
    }
    std::vector<GrowthSummary> summaries;
    for (const auto& key : series) {
        std::vector<SizePoint> points;
        std::vector<std::pair<double, double>> times;
        std::vector<std::pair<double, double>> steps;
        for (const auto& [n, at] : bySize[key]) {
            const std::vector<double>& repetitions = at.seconds;
            const auto [fewest, most] = std::minmax_element(repetitions.begin(), repetitions.end());
            const auto outliers = std::count_if(repetitions.begin(), repetitions.end(),
                                                [&](double seconds) { return IsOutlier(seconds, repetitions); });
            points.push_back({n, Median(at.seconds), Median(at.floorSeconds), at.steps, *fewest, *most,
                              static_cast<int>(outliers)});
            times.emplace_back(n, points.back().seconds);
            steps.emplace_back(n, static_cast<double>(at.steps));
        }
        const SizePoint& largest = points.back();
        summaries.push_back({key.first, key.second, points, FitGrowth(times), FitGrowth(steps), largest.n,
                             largest.steps > 0 ? largest.seconds / static_cast<double>(largest.steps) : 0,
                             largest.seconds / largest.floorSeconds});
    }
    return summaries;
}

std::vector<OrderPoint> OrderPoints(const std::vector<Measurement>& rows, std::int32_t& n)
{
    n = 0;
    for (const Measurement& row : rows)
        if (row.law.order.sortedness)
            n = std::max(n, row.n);
    std::vector<OrderPoint> points;
    std::map<std::pair<Routine, Shape>, std::vector<double>> seconds;
    for (const Measurement& row : rows) {
        if (row.n != n || !row.law.order.sortedness)
            continue;
        auto& repetitions = seconds[{row.routine, row.shape}];
        if (repetitions.empty())
            points.push_back({row.routine, row.shape, *row.law.order.sortedness, row.counts.steps, row.counts.moves,
                              row.counts.shifted, 0});
        repetitions.push_back(row.seconds);
    }
    for (OrderPoint& point : points)
        point.seconds = Median(seconds[{point.routine, point.shape}]);
    return points;
}

}  // namespace sentinel
