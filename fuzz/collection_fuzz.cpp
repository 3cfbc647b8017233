// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Sequences of collection operations against a std::vector: a position
// outside 1 to Count must raise the position error and change nothing.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "fuzz_input.h"
#include "runtime/collection.h"
#include "runtime/runtime_error.h"

namespace {

void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace sentinel;
    fuzz::FuzzInput input(data, size);
    Collection collection;
    std::vector<Value> model;
    Single next = 0;
    while (!input.Empty()) {
        const std::uint8_t operation = input.Byte();
        // Positions mostly near the ends; with the high bit, any 32-bit number.
        const std::int32_t position = (operation & 0x80) != 0 ? input.Raw<std::int32_t>()
                                                              : static_cast<std::int8_t>(input.Byte());
        const bool inRange = position >= 1 && position <= static_cast<std::int32_t>(model.size());
        const auto index = static_cast<std::size_t>(position) - 1;
        bool raised = false;
        try {
            switch (operation % 4) {
            case 0:
                collection.Add(next);
                model.emplace_back(next++);
                break;
            case 1:
                collection.AddAfter(next, position);
                model.insert(model.begin() + static_cast<std::ptrdiff_t>(index) + 1, Value(next++));
                break;
            case 2:
                collection.Remove(position);
                model.erase(model.begin() + static_cast<std::ptrdiff_t>(index));
                break;
            default:
                Check(collection.Item(position) == model[index], "Item differs");
                break;
            }
        } catch (const RuntimeError& error) {
            Check(error.Kind() == ErrorKind::PositionOutOfRange, "an error other than the position error");
            raised = true;
        }
        Check(raised == (!inRange && operation % 4 != 0), "the position error where it does not belong");
        Check(collection.Count() == static_cast<std::int32_t>(model.size()), "Count differs");
    }
    for (std::int32_t p = 1; p <= collection.Count(); ++p)
        Check(collection.Item(p) == model[static_cast<std::size_t>(p - 1)], "an entry differs");
    return 0;
}
