// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every sort routine against the model, and its counted work against the
// law of the cost: the fuzzer chooses the routine, the entries (texts or
// Singles), the field index and the companion's length.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cost/cost_law.h"
#include "fuzz_input.h"
#include "support/sort_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace sentinel;
    fuzz::FuzzInput input(data, size);
    SortCall call{kRoutinesAndVariants[input.Byte() % std::size(kRoutinesAndVariants)], {}, {},
                  static_cast<std::int16_t>(input.Byte() % 7 - 2)};
    const int companionChange = input.Byte() % 7 - 3;
    while (!input.Empty() && call.entries.size() < 300) {
        if (input.Byte() % 8 == 0)
            call.entries.emplace_back(input.Raw<Single>());
        else
            call.entries.emplace_back(input.TextOf(24));
    }
    const int companionCount = std::max(0, static_cast<int>(call.entries.size()) + companionChange);
    for (int c = 0; c < companionCount; ++c)
        call.companion.emplace_back(static_cast<Single>(c));

    const SortOutcome actual = ActualOutcome(call);
    const SortOutcome expected = ExpectedOutcome(call);
    if (!(actual == expected)) {
        std::fprintf(stderr, "%s: field index %d\nactual:   %s%s\nexpected: %s%s\n", std::string(NameOf(call.routine)).c_str(),
                     call.fieldIndex, actual.failedKeepingReferences ? "failed " : "", Describe(actual.entries).c_str(),
                     expected.failedKeepingReferences ? "failed " : "", Describe(expected.entries).c_str());
        std::abort();
    }
    ScanCounts counts;
    if (!ActualOutcome(call, &counts).failedKeepingReferences
        && !ApplyCostLaw(call.routine, call.entries, call.fieldIndex).predicted.Matches(counts)) {
        std::fprintf(stderr, "%s: the law's prediction differs from the counts\n",
                     std::string(NameOf(call.routine)).c_str());
        std::abort();
    }
    return 0;
}
