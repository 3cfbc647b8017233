// The eight sentinel insertion routines against the floor (a standard stable
// sort giving the identical result), a size sweep with fitted growth, and the
// commands end to end through the form.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "commands/sample_data.h"
#include "commands/start_up_data.h"
#include "inputs.h"
#include "commands/sort_commands.h"
#include "sorting/sort_family.h"
#include "sorting/sort_keys.h"
#include "summary_reporter.h"
#include "sorting/stable_floor.h"
#include "support/text.h"

namespace sentinel::bench {
namespace {

// Sorts keys, and the companion where the routine takes one.
using PairSort = std::function<void(CollectionRef& keys, CollectionRef& companion)>;

struct Benched {
    std::string name;
    PairSort sentinel;  // the routine as the demo calls it
    PairSort counted;  // the same, its work counted
    PairSort floor;
    std::function<std::vector<Value>()> input;
    bool paired = false;
};

PairSort OneList(void (*sort)(CollectionRef&))
{
    return [sort](CollectionRef& keys, CollectionRef&) { sort(keys); };
}

Benched Measured(sentinel::Routine routine, PairSort sentinel, std::vector<Value> input)
{
    return {std::string(NameOf(routine)), std::move(sentinel),
            [routine](CollectionRef& k, CollectionRef& c) { SortCounted(routine, k, c, 0); },
            [routine](CollectionRef& k, CollectionRef& c) { FloorSort(routine, k, c, 0); },
            [input = std::move(input)] { return input; }, IsPaired(routine)};
}

std::vector<Benched> Routines()
{
    using enum sentinel::Routine;
    InputMaker maker(20261208);
    const auto numbers = maker.NumberTexts(1000);
    const auto words = maker.Words(1000);
    const auto vectors = maker.VectorTexts(1000);
    const auto whole = maker.WholeNumbers(21);
    return {
        Measured(Numbers, OneList(SortNumbers), numbers),
        Measured(NumbersUnique, OneList(SortNumbersUnique), numbers),
        Measured(Strings, OneList(SortStrings), words),
        Measured(StringsUnique, OneList(SortStringsUnique), words),
        Measured(ByField, [](CollectionRef& k, CollectionRef&) { SortByField(k, 0); }, vectors),
        Measured(ByFieldUnique, [](CollectionRef& k, CollectionRef&) { SortByFieldUnique(k, 0); }, vectors),
        Measured(Pairs, SortPairsByNumber, whole),
        Measured(PairsUnique, SortPairsByNumberUnique, whole),
    };
}

const char* const kShapes[] = {"random", "ascending", "descending"};

// The input in key order (ascending) or its reverse, by the routine's own sort
// with no entry dropped: the inclusive floor on the input places them all.
std::vector<Value> Shaped(const Benched& routine, const std::string& shape)
{
    std::vector<Value> entries = routine.input();
    if (shape == "random")
        return entries;
    CollectionRef keys = std::make_shared<Collection>(entries);
    CollectionRef companion = keys;  // the paired routines carry one along
    routine.floor(keys, companion);
    entries = Entries(keys);
    if (shape == "descending")
        std::reverse(entries.begin(), entries.end());
    return entries;
}

CollectionRef CompanionFor(std::size_t count)
{
    return std::make_shared<Collection>(InputMaker(7).VectorTexts(static_cast<std::int32_t>(count)));
}

// Before anything is timed: both give the identical result, or the run stops.
void CheckSameResult(const std::string& name, const Benched& routine, const std::vector<Value>& input)
{
    CollectionRef sentinelKeys = std::make_shared<Collection>(input);
    CollectionRef floorKeys = sentinelKeys;
    CollectionRef sentinelCompanion = routine.paired ? CompanionFor(input.size()) : nullptr;
    CollectionRef floorCompanion = sentinelCompanion;
    routine.sentinel(sentinelKeys, sentinelCompanion);
    routine.floor(floorKeys, floorCompanion);
    if (Entries(sentinelKeys) != Entries(floorKeys) || Entries(sentinelCompanion) != Entries(floorCompanion)) {
        std::fprintf(stderr, "FAILED: %s gives another result than the floor\n", name.c_str());
        std::exit(EXIT_FAILURE);
    }
}

void RegisterRoutine(const Benched& routine)
{
    for (const char* shape : kShapes) {
        const std::vector<Value> input = Shaped(routine, shape);
        const std::string suffix = routine.name + "/" + shape;
        CheckSameResult(suffix, routine, input);
        for (const auto& [kind, sort] : {std::pair{"sentinel", routine.sentinel}, std::pair{"counted", routine.counted},
                                         std::pair{"floor", routine.floor}}) {
            const CollectionRef keys = std::make_shared<Collection>(input);
            const CollectionRef companion = routine.paired ? CompanionFor(input.size()) : nullptr;
            benchmark::RegisterBenchmark((std::string(kind) + "/" + suffix).c_str(),
                                         [keys, companion, sort = sort](benchmark::State& state) {
                                             for (auto _ : state) {
                                                 CollectionRef k = keys;
                                                 CollectionRef c = companion;
                                                 sort(k, c);
                                                 benchmark::DoNotOptimize(k.get());
                                             }
                                         })
                ->Unit(benchmark::kMicrosecond);
        }
    }
}

// Entries of one kind for the size sweep, and the order of their keys.
struct SweepInput {
    std::function<std::vector<Value>(std::int32_t count)> make;
    std::function<bool(const Value&, const Value&)> keyLess;
};

// Number texts to 999,999, so that repeats are rare and the unique sort keeps
// growing; and four-capital words, 456,976 of them possible.
const SweepInput kSweepNumbers{[](std::int32_t count) { return InputMaker(1).NumberTexts(count, 999999); },
                               [](const Value& a, const Value& b) { return NumericKey(a) < NumericKey(b); }};
const SweepInput kSweepWords{[](std::int32_t count) { return InputMaker(1).Words(count); },
                             [](const Value& a, const Value& b) { return TextOf(a) < TextOf(b); }};

// One routine from 250 to 16,000 entries in one shape.
void RegisterSweep(const std::string& name, void (*sort)(CollectionRef&), const SweepInput& input,
                   const std::string& shape)
{
    benchmark::RegisterBenchmark(("sweep/" + name + "/" + shape).c_str(),
                                 [sort, input, shape](benchmark::State& state) {
                                     const auto count = static_cast<std::int32_t>(state.range(0));
                                     std::vector<Value> entries = input.make(count);
                                     if (shape != "random")
                                         std::stable_sort(entries.begin(), entries.end(), input.keyLess);
                                     if (shape == "descending")
                                         std::reverse(entries.begin(), entries.end());
                                     const CollectionRef collection = std::make_shared<Collection>(std::move(entries));
                                     for (auto _ : state) {
                                         CollectionRef items = collection;
                                         sort(items);
                                         benchmark::DoNotOptimize(items.get());
                                     }
                                     state.SetComplexityN(count);
                                 })
        ->Arg(250)->Arg(500)->Arg(1000)->Arg(2000)->Arg(4000)->Arg(8000)->Arg(16000)
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
        const CollectionRef numbers = std::make_shared<Collection>(InputMaker(3).NumberTexts(1000));
        for (auto _ : state) {
            form.colItems = numbers;
            CmdSortNum_Click(form);
        }
    })->Unit(benchmark::kMicrosecond);
}

// Least-squares slope of log(time) over log(n): the growth exponent. With a
// baseline, of the time beyond the baseline's at each n.
double FittedExponent(const SummaryReporter& reporter, const std::string& name, const std::string& baseline = {})
{
    double sumX = 0, sumY = 0, sumXX = 0, sumXY = 0;
    int points = 0;
    for (int n = 250; n <= 16000; n *= 2) {
        const std::string size = std::string("/").append(std::to_string(n));
        const double micros =
            reporter.Micros(name + size) - (baseline.empty() ? 0.0 : reporter.Micros(baseline + size));
        if (micros <= 0)
            continue;
        const double x = std::log(n);
        const double y = std::log(micros);
        sumX += x, sumY += y, sumXX += x * x, sumXY += x * y, ++points;
    }
    return points < 2 ? 0.0 : (points * sumXY - sumX * sumY) / (points * sumXX - sumX * sumX);
}

void PrintSummary(const SummaryReporter& reporter)
{
    std::printf("\n| routine | shape | sentinel (us) | counted (us) | floor (us) | ratio to floor | counted / sentinel |\n"
                "|---|---|---:|---:|---:|---:|---:|\n");
    for (const Benched& routine : Routines()) {
        for (const char* shape : kShapes) {
            const std::string suffix = routine.name + "/" + shape;
            const double sentinel = reporter.Micros("sentinel/" + suffix);
            const double counted = reporter.Micros("counted/" + suffix);
            const double floor = reporter.Micros("floor/" + suffix);
            if (sentinel > 0 && floor > 0)
                std::printf("| %s | %s | %.1f | %.1f | %.1f | %.2f | %.3f |\n", routine.name.c_str(), shape, sentinel,
                            counted, floor, sentinel / floor, counted / sentinel);
        }
    }
    // Descending input costs the linear work alone (keys, the new collection)
    // and a one-step scan, so the time beyond it is the scans and insertions.
    std::printf("\n| sweep, n = 250 to 16000 | fitted exponent | beyond descending |\n|---|---:|---:|\n");
    for (const char* routine : {"SortNumbers", "SortNumbersUnique", "SortStrings", "SortStringsUnique"}) {
        const std::string descending = std::string("sweep/") + routine + "/descending";
        for (const char* shape : {"random", "ascending", "descending"}) {
            const std::string name = std::string("sweep/") + routine + "/" + shape;
            const double exponent = FittedExponent(reporter, name);
            if (exponent <= 0)
                continue;
            if (name == descending)
                std::printf("| %s/%s | %.2f | |\n", routine, shape, exponent);
            else
                std::printf("| %s/%s | %.2f | %.2f |\n", routine, shape, exponent,
                            FittedExponent(reporter, name, descending));
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
    std::printf("\n| command | time (us) |\n|---|---:|\n");
    for (const char* name : {"command/CmdCreateNumber_Click", "command/CmdSortNum_Click"})
        std::printf("| %s | %.1f |\n", name, reporter.Micros(name));
}

}  // namespace
}  // namespace sentinel::bench

int main(int argc, char** argv)
{
    using namespace sentinel::bench;
    for (const Benched& routine : Routines())
        RegisterRoutine(routine);
    for (const char* shape : kShapes) {
        RegisterSweep("SortNumbers", sentinel::SortNumbers, kSweepNumbers, shape);
        RegisterSweep("SortNumbersUnique", sentinel::SortNumbersUnique, kSweepNumbers, shape);
        RegisterSweep("SortStrings", sentinel::SortStrings, kSweepWords, shape);
        RegisterSweep("SortStringsUnique", sentinel::SortStringsUnique, kSweepWords, shape);
    }
    RegisterCommands();
    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintSummary(reporter);
    benchmark::Shutdown();
    return 0;
}
