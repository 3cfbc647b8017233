// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One routine as the demo calls it, or its floor, on fresh inputs of its
// benchmark's kind and size and nothing else, for a profiler: run it under
// `perf stat` (where the machine counts) or valgrind's callgrind with
// --toggle-collect='*SortEach*', then divide by the inputs times their entries.
//   sort_profile ROUTINE SHAPE INPUTS [floor]
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "benched_routines.h"
#include "cost/measurement.h"

namespace sentinel::bench {

using Lists = std::pair<CollectionRef, CollectionRef>;  // keys and companion

// Kept out of line, so that a profiler can collect it alone. As in the
// benchmark, the caller holds each input while it is sorted, and a result is
// freed before the next sort: neither is the sort's work.
[[gnu::noinline]] void SortEach(const PairSort& sort, const std::vector<Lists>& inputs)
{
    Lists sorted;
    for (const Lists& input : inputs) {
        sorted = {};
        sorted = input;
        sort(sorted.first, sorted.second);
    }
}

}  // namespace sentinel::bench

int main(int argc, char** argv)
{
    using namespace sentinel;
    using namespace sentinel::bench;
    const auto shape = argc >= 4 ? ShapeNamed(argv[2]) : std::nullopt;
    const int count = argc >= 4 ? std::atoi(argv[3]) : 0;
    for (const Benched& routine : Routines()) {
        if (!shape || count <= 0 || routine.name != argv[1])
            continue;
        KeepFreedMemory();
        std::vector<Lists> inputs;
        for (int i = 0; i < count; ++i) {
            Input input = MakeInput(routine.kind, *shape, routine.size, 20261208U + static_cast<unsigned>(i));
            inputs.emplace_back(std::make_shared<Collection>(std::move(input.entries)),
                                std::make_shared<Collection>(std::move(input.companion)));
        }
        SortEach(argc >= 5 && std::string(argv[4]) == "floor" ? routine.floor : routine.sentinel, inputs);
        return 0;
    }
    std::fprintf(stderr, "usage: sort_profile ROUTINE SHAPE INPUTS [floor]\n");
    return 2;
}
