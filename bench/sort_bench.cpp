// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The eight sentinel insertion routines against the floor (a standard stable
// sort giving the identical result), a size sweep with fitted growth, and the
// commands end to end through the form.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "commands/sample_data.h"
#include "commands/sort_commands.h"
#include "commands/start_up_data.h"
#include "cost/growth.h"
#include "cost/inputs.h"
#include "cost/measurement.h"
#include "sorting/scan_paths.h"
#include "sorting/sort_family.h"
#include "sorting/stable_floor.h"
#include "benched_routines.h"
#include "branch_misses.h"
#include "summary_reporter.h"
#include "support/text.h"

namespace sentinel::bench {
namespace {

constexpr Shape kShapes[] = {Shape::Random, Shape::Ascending, Shape::Descending};
constexpr const char* kMissesPerEntry = "misses/entry";
constexpr const char* kOneInput = "-one-input";  // the same input sorted again and again
constexpr const char* kTwicePool = "-128-inputs";
constexpr std::uint64_t kSeed = 20261208;
constexpr int kLargestSweep = 64000;

struct Collections {
    CollectionRef keys;
    CollectionRef companion;
};

Collections CollectionsOf(Input input)
{
    return {std::make_shared<Collection>(std::move(input.entries)), std::make_shared<Collection>(std::move(input.companion))};
}

// Before anything is timed: both give the identical result, or the run stops.
void CheckSameResult(const std::string& name, const Benched& routine, const Collections& input)
{
    Collections sentinel = input;
    Collections floor = input;
    routine.sentinel(sentinel.keys, sentinel.companion);
    routine.floor(floor.keys, floor.companion);
    if (Entries(sentinel.keys) != Entries(floor.keys) || Entries(sentinel.companion) != Entries(floor.companion)) {
        std::fprintf(stderr, "FAILED: %s gives another result than the floor\n", name.c_str());
        std::exit(EXIT_FAILURE);
    }
}

// Distinct inputs of one kind, shape and size, each made from a seed of its
// own, as the explorer makes a fresh one for each measurement. A benchmark
// sorts them in turn, so that the processor cannot learn one input's branches
// by heart; kPool of them are enough: twice as many give the same times
// (README, Performance).
constexpr std::size_t kPool = 64;

std::vector<Collections> Pool(const Benched& routine, Shape shape, std::size_t count)
{
    std::vector<Collections> pool;
    for (std::size_t i = 0; i < count; ++i)
        pool.push_back(CollectionsOf(MakeInput(routine.kind, shape, routine.size, kSeed + i)));
    return pool;
}

// A copy of an input, entries and texts, as the explorer makes one just
// before it sorts: the texts lie together on the heap, freshly written.
Collections FreshCopy(const Collections& input)
{
    return {std::make_shared<Collection>(*input.keys), std::make_shared<Collection>(*input.companion)};
}

// Sorts copies of the inputs of the pool in turn, each made just before, and
// counts the branches mispredicted an entry where the machine counts them. As
// in the explorer, the caller holds the input while it is sorted, so freeing
// it, like freeing a sorted list, is not the sort's time: both happen before
// the next one is timed.
void RegisterPooled(const std::string& name, const PairSort& sort, std::vector<Collections> pool, std::int32_t size)
{
    benchmark::RegisterBenchmark(name.c_str(), [pool = std::move(pool), sort, size](benchmark::State& state) {
        const BranchMisses misses;
        misses.Start();
        std::size_t next = 0;
        Collections input;
        Collections sorted;
        for (auto _ : state) {
            sorted = input = {};
            input = FreshCopy(pool[next]);
            sorted = input;
            next = next + 1 == pool.size() ? 0 : next + 1;
            const auto start = std::chrono::steady_clock::now();
            sort(sorted.keys, sorted.companion);
            benchmark::DoNotOptimize(sorted.keys.get());
            state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
        if (const auto count = misses.Stop())
            state.counters[kMissesPerEntry] = double(*count) / (double(state.iterations()) * size);
    })->UseManualTime()->Unit(benchmark::kMicrosecond);
}

void RegisterRoutine(const Benched& routine)
{
    for (const Shape shape : kShapes) {
        const std::string suffix = routine.name + "/" + std::string(NameOf(shape));
        const std::vector<Collections> pool = Pool(routine, shape, kPool);
        for (const Collections& input : pool)
            CheckSameResult(suffix, routine, input);
        for (const auto& [kind, sort] : {std::pair{"sentinel", routine.sentinel}, std::pair{"counted", routine.counted},
                                         std::pair{"floor", routine.floor}})
            RegisterPooled(std::string(kind) + "/" + suffix, sort, pool, routine.size);
    }
    // What learning one input is worth, and that a pool twice as large changes nothing.
    const std::vector<Collections> twice = Pool(routine, Shape::Random, 2 * kPool);
    for (const auto& [kind, sort] : {std::pair{"sentinel", routine.sentinel}, std::pair{"floor", routine.floor}}) {
        const std::string suffix = routine.name + "/random";
        RegisterPooled(std::string(kind) + "/" + suffix + kOneInput, sort, {twice.front()}, routine.size);
        RegisterPooled(std::string(kind) + "/" + suffix + kTwicePool, sort, twice, routine.size);
    }
}

// One routine from 250 to 64,000 entries of a kind in one shape, over a pool
// of inputs at each size: about 64,000 entries in all, at least two inputs.
// A long input has more branches than a predictor holds, so fewer suffice.
void RegisterSweep(const std::string& name, void (*sort)(CollectionRef&), InputKind kind, Shape shape)
{
    benchmark::RegisterBenchmark(("sweep/" + name + "/" + std::string(NameOf(shape))).c_str(),
                                 [sort, kind, shape](benchmark::State& state) {
                                     const auto count = static_cast<std::int32_t>(state.range(0));
                                     const std::size_t inputs = std::clamp<std::size_t>(
                                         kPool * 1000 / static_cast<std::size_t>(count), 2, kPool);
                                     std::vector<CollectionRef> pool;
                                     for (std::size_t i = 0; i < inputs; ++i)
                                         pool.push_back(std::make_shared<Collection>(
                                             MakeInput(kind, shape, count, kSeed + i).entries));
                                     std::size_t next = 0;
                                     for (auto _ : state) {
                                         CollectionRef items = pool[next];
                                         next = next + 1 == pool.size() ? 0 : next + 1;
                                         sort(items);
                                         benchmark::DoNotOptimize(items.get());
                                     }
                                     state.SetComplexityN(count);
                                 })
        ->Arg(250)->Arg(500)->Arg(1000)->Arg(2000)->Arg(4000)->Arg(8000)->Arg(16000)->Arg(32000)
        ->Arg(kLargestSweep)
        ->Complexity(benchmark::oNSquared)
        ->Unit(benchmark::kMillisecond);
}

void RegisterCommands()
{
    benchmark::RegisterBenchmark("command/CmdCreateNumber_Click", [](benchmark::State& state) {
        FormState form;
        Form_Load(form);
        for (auto _ : state)
            CmdCreateNumber_Click(form);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("command/CmdSortNum_Click", [](benchmark::State& state) {
        FormState form;
        Form_Load(form);
        std::vector<CollectionRef> pool;
        for (std::size_t i = 0; i < kPool; ++i)
            pool.push_back(std::make_shared<Collection>(MakeInput(InputKind::Numbers, Shape::Random, 1000, kSeed + i).entries));
        std::size_t next = 0;
        for (auto _ : state) {
            form.colItems = pool[next];
            next = next + 1 == pool.size() ? 0 : next + 1;
            CmdSortNum_Click(form);
        }
    })->Unit(benchmark::kMicrosecond);
}

// The growth exponent of the sweep's times; with a baseline, of the time
// beyond the baseline's at each n.
double SweepExponent(const SummaryReporter& reporter, const std::string& name, const std::string& baseline = {})
{
    std::vector<std::pair<double, double>> points;
    for (int n = 250; n <= kLargestSweep; n *= 2) {
        const std::string size = std::string("/").append(std::to_string(n));
        points.emplace_back(n, reporter.Micros(name + size) - (baseline.empty() ? 0.0 : reporter.Micros(baseline + size)));
    }
    return FitGrowth(points).slope;
}

// A counter's median as a table cell: blank where the machine counted nothing.
std::string CounterCell(const SummaryReporter& reporter, const std::string& name, const char* counter)
{
    const std::optional<double> value = reporter.Counter(name, counter);
    char cell[32] = "n/a";
    if (value)
        std::snprintf(cell, sizeof cell, "%.2f", *value);
    return cell;
}

void PrintRoutines(const SummaryReporter& reporter)
{
    std::printf("\n| routine | shape | sentinel (us) | counted (us) | floor (us) | ratio to floor | counted / sentinel "
                "| misses an entry, sentinel | misses an entry, floor |\n|---|---|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const Benched& routine : Routines()) {
        for (const Shape shape : kShapes) {
            const std::string suffix = routine.name + "/" + std::string(NameOf(shape));
            const double sentinel = reporter.Micros("sentinel/" + suffix);
            const double counted = reporter.Micros("counted/" + suffix);
            const double floor = reporter.Micros("floor/" + suffix);
            if (sentinel > 0 && floor > 0)
                std::printf("| %s | %s | %.1f | %.1f | %.1f | %.2f | %.3f | %s | %s |\n", routine.name.c_str(),
                            std::string(NameOf(shape)).c_str(), sentinel, counted, floor, sentinel / floor,
                            counted / sentinel, CounterCell(reporter, "sentinel/" + suffix, kMissesPerEntry).c_str(),
                            CounterCell(reporter, "floor/" + suffix, kMissesPerEntry).c_str());
        }
    }
    std::printf("\n| random input | one input, sentinel / floor (us) | ratio | %zu inputs, sentinel / floor (us) | ratio "
                "| %zu inputs, sentinel / floor (us) | ratio |\n|---|---:|---:|---:|---:|---:|---:|\n",
                kPool, 2 * kPool);
    for (const Benched& routine : Routines()) {
        std::string row = "| " + routine.name + " |";
        for (const char* pool : {kOneInput, "", kTwicePool}) {
            const double sentinel = reporter.Micros("sentinel/" + routine.name + "/random" + pool);
            const double floor = reporter.Micros("floor/" + routine.name + "/random" + pool);
            char cells[64];
            std::snprintf(cells, sizeof cells, " %.1f / %.1f | %.2f |", sentinel, floor, floor > 0 ? sentinel / floor : 0.0);
            row += cells;
        }
        if (reporter.Micros("sentinel/" + routine.name + "/random") > 0)
            std::printf("%s\n", row.c_str());
    }
}

void PrintSummary(const SummaryReporter& reporter)
{
    PrintRoutines(reporter);
    // Descending input costs the linear work alone (keys, the new collection)
    // and a one-step scan, so the time beyond it is the scans and insertions.
    if (reporter.Micros("sweep/SortNumbers/random/250") > 0)
        std::printf("\n| sweep, n = 250 to %d | fitted exponent | beyond descending |\n|---|---:|---:|\n", kLargestSweep);
    for (const char* routine : {"SortNumbers", "SortNumbersUnique", "SortStrings", "SortStringsUnique"}) {
        const std::string descending = std::string("sweep/") + routine + "/descending";
        for (const char* shape : {"random", "ascending", "descending"}) {
            const std::string name = std::string("sweep/") + routine + "/" + shape;
            const double exponent = SweepExponent(reporter, name);
            if (!(exponent > 0))
                continue;
            if (name == descending)
                std::printf("| %s/%s | %.2f | |\n", routine, shape, exponent);
            else
                std::printf("| %s/%s | %.2f | %.2f |\n", routine, shape, exponent,
                            SweepExponent(reporter, name, descending));
        }
    }
    const double ascending = reporter.Micros("sweep/SortNumbers/ascending/4000");
    const double descending = reporter.Micros("sweep/SortNumbers/descending/4000");
    if (ascending > 0 && descending > 0)
        std::printf("\nSortNumbers at n = 4000: ascending %.0f us, descending %.0f us, %.0f times faster\n",
                    ascending, descending, ascending / descending);
    const double numbers = reporter.Micros("sentinel/SortNumbers/ascending");
    const double words = reporter.Micros("sentinel/SortStrings/ascending");
    if (numbers > 0 && words > 0)
        std::printf("SortStrings on 1,000 ascending words takes %.2f times as long as SortNumbers on 1,000 "
                    "ascending number texts\n", words / numbers);
    if (reporter.Micros("command/CmdCreateNumber_Click") > 0)  // not when filtered out
        std::printf("\n| command | time (us) |\n|---|---:|\n");
    for (const char* name : {"command/CmdCreateNumber_Click", "command/CmdSortNum_Click"})
        if (reporter.Micros(name) > 0)
            std::printf("| %s | %.1f |\n", name, reporter.Micros(name));
}

}  // namespace
}  // namespace sentinel::bench

int main(int argc, char** argv)
{
    using namespace sentinel::bench;
    sentinel::KeepFreedMemory();  // as the explorer measures
    for (const Benched& routine : Routines())
        RegisterRoutine(routine);
    for (const sentinel::Shape shape : kShapes) {
        RegisterSweep("SortNumbers", sentinel::SortNumbers, sentinel::InputKind::Numbers, shape);
        RegisterSweep("SortNumbersUnique", sentinel::SortNumbersUnique, sentinel::InputKind::Numbers, shape);
        RegisterSweep("SortStrings", sentinel::SortStrings, sentinel::InputKind::Words, shape);
        RegisterSweep("SortStringsUnique", sentinel::SortStringsUnique, sentinel::InputKind::Words, shape);
    }
    RegisterCommands();
    benchmark::Initialize(&argc, argv);
    benchmark::AddCustomContext("scan", std::string(sentinel::NameOf(sentinel::ActiveKernels().path)));
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintSummary(reporter);
    benchmark::Shutdown();
    return 0;
}
