// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "runtime/value.h"

namespace sentinel {

// The number at the start of a text. Blanks, tabs and line feeds are skipped
// wherever they stand; one optional sign, digits and at most one period are
// read; reading stops at the first other character. No number gives 0.
// Exponents and radix prefixes are not read ("1E3" is 1); a number too large
// for a double is an infinity of its sign.
double LeadingNumber(TextView text);

// Field `index` (from 0) of a text split at every ",". A text without a comma
// is one field; the empty text has none. A missing field raises the
// position-out-of-range error.
TextView FieldAt(TextView text, std::int32_t index);

// Rounds to `decimals` places, a value halfway between two going to the even
// one. A negative count of places raises the conversion error.
Single RoundHalfEven(Single value, std::int16_t decimals);

// Decimal digits of a whole number, "-" before a negative one.
Text WholeNumberText(std::int64_t number);

// A count held in a 16-bit counter; above 32,767 it raises the overflow error.
std::int16_t ToInt16(std::int32_t number);

// A Single from a double; a value a Single cannot hold raises the
// floating-point error.
Single ToSingle(double value);

// The numeric picture "0.000000" with `decimals` zeros after the separator:
// at least one digit before it, exactly that many after, rounded.
Text FormatFixed(double value, int decimals, char16_t decimalSeparator);

// The text picture of `width` "@" placeholders: the text right-aligned,
// padded on the left with spaces; a longer text comes back whole.
Text RightAlign(TextView text, std::size_t width);

}  // namespace sentinel
