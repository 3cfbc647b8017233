// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every routine against an independent formulation of its result, over many
// generated inputs of every shape.
#include <gtest/gtest.h>

#include <algorithm>

#include "sorting/sentinel_list.h"
#include "support/model_inputs.h"
#include "support/sort_model.h"
#include "support/trace_replay.h"

namespace sentinel {
namespace {

constexpr int kInputsPerRoutine = 1500;

// Each routine on `inputs` inputs of each shape, of 0 to 300 entries or of
// `from` to `to`: its result as the model's, counted and traced alike.
void CheckEveryRoutine(int inputs, int from = 0, int to = 0)
{
    for (const Routine routine : kRoutinesAndVariants) {
        InputMaker maker(static_cast<unsigned>(routine) + 1 + static_cast<unsigned>(to));
        const bool records = routine == Routine::ByField || routine == Routine::ByFieldUnique;
        for (int run = 0; run < inputs; ++run) {
            SortCall call{routine, {}, {}, static_cast<std::int16_t>(maker.Uniform(-1, 4))};
            call.entries = maker.Input(records, model::KeyOf(call), from, to);
            const int companionCount = std::max(0, static_cast<int>(call.entries.size()) + maker.Uniform(-2, 3));
            for (int c = 0; c < companionCount; ++c)
                call.companion.emplace_back(WholeNumberText(c));
            const SortOutcome actual = ActualOutcome(call);
            ASSERT_EQ(actual, ExpectedOutcome(call)) << NameOf(routine) << " run " << run;

            ScanCounts counts;
            ASSERT_EQ(ActualOutcome(call, &counts), actual) << NameOf(routine) << " counted, run " << run;
            if (!actual.failedKeepingReferences && !call.entries.empty()) {
                CollectionRef entries = std::make_shared<Collection>(call.entries);
                CollectionRef companion = std::make_shared<Collection>(call.companion);
                const ScanTrace trace = SortTraced(routine, entries, companion, call.fieldIndex);
                ASSERT_TRUE(SortOutcome::SameEntries(Entries(Gather(Collection(call.entries), ReplayOrder(trace))),
                                                     actual.entries))
                    << NameOf(routine) << " replayed, run " << run;
                EXPECT_EQ(TraceTotals(trace), counts) << NameOf(routine) << " run " << run;
                const auto n = static_cast<std::int64_t>(call.entries.size());
                EXPECT_EQ(counts.placed, static_cast<std::int64_t>(actual.entries.size()));
                EXPECT_EQ(counts.placed + counts.dropped, n);
                EXPECT_EQ(counts.keys, n + 2);
                EXPECT_GE(counts.steps, n);
            }
        }
    }
}

TEST(SortModel, EveryRoutineOnInputsOfEveryShape)
{
    CheckEveryRoutine(kInputsPerRoutine);
}

// Past kRunsFrom settled entries the key store keeps a recent run: keys
// placed among, equal to and dropped for its entries.
TEST(SortModel, EveryRoutineOnInputsLongEnoughForTheRecentRun)
{
    constexpr int kRunsFrom = static_cast<int>(SentinelList::kRunsFrom);
    CheckEveryRoutine(6, kRunsFrom + 1, 2 * kRunsFrom + 500);
}

}  // namespace
}  // namespace sentinel
