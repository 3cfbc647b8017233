// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cost/growth.h"

namespace sentinel::bench {

// Passes every run to the console and keeps its times per iteration, in
// microseconds, for the summary printed after the last run.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                const std::string name = NameOf(run);
                micros_[name].push_back(run.GetAdjustedRealTime() * Scale(run.time_unit));
                for (const auto& [counter, value] : run.counters)
                    counters_[name + "#" + counter].push_back(value.value);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Median time per iteration over the repetitions of the benchmark with
    // this name; 0 when it did not run.
    double Micros(const std::string& name) const
    {
        const auto found = micros_.find(name);
        return found == micros_.end() ? 0.0 : Median(found->second);
    }

    // Median of a counter the benchmark set over its repetitions; none when
    // it set none.
    std::optional<double> Counter(const std::string& name, const std::string& counter) const
    {
        const auto found = counters_.find(name + "#" + counter);
        if (found == counters_.end())
            return std::nullopt;
        return Median(found->second);
    }

private:
    // The benchmark's name without the "/manual_time" of one that times itself.
    static std::string NameOf(const Run& run)
    {
        std::string name = run.benchmark_name();
        constexpr std::string_view kManual = "/manual_time";
        if (name.size() > kManual.size() && name.compare(name.size() - kManual.size(), kManual.size(), kManual) == 0)
            name.resize(name.size() - kManual.size());
        return name;
    }

    static double Scale(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kNanosecond: return 1e-3;
        case benchmark::kMicrosecond: return 1.0;
        case benchmark::kMillisecond: return 1e3;
        case benchmark::kSecond: return 1e6;
        }
        return 1.0;
    }

    std::map<std::string, std::vector<double>> micros_;
    std::map<std::string, std::vector<double>> counters_;
};

}  // namespace sentinel::bench
