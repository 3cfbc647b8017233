// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The leading-number parser against the tests' reference reading.
#include <cstdio>
#include <cstdlib>

#include "fuzz_input.h"
#include "runtime/conversions.h"
#include "support/reference_reading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    sentinel::fuzz::FuzzInput input(data, size);
    const sentinel::Text text = input.TextOf(4096);
    const double value = sentinel::LeadingNumber(text);
    const double expected = sentinel::model::ReferenceLeadingNumber(text);
    if (value != expected) {
        std::fprintf(stderr, "LeadingNumber gave %.17g, the reference %.17g\n", value, expected);
        std::abort();
    }
    return 0;
}
