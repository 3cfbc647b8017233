// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <deque>

#include "runtime/value.h"

namespace sentinel {

// Numeric key: the leading-number value of the entry's text form.
double NumericKey(const Value& entry);

// Field key: the leading-number value of field `fieldIndex` of the entry's
// text form; a missing field raises the position-out-of-range error.
double FieldKey(const Value& entry, std::int16_t fieldIndex);

// The first three UTF-16 code units of a text packed into one number (48
// bits, exact in a double), the missing ones as 0. It keeps the order of
// texts, weakly: a < b gives Abbreviation(a) <= Abbreviation(b), so texts
// whose abbreviations differ are ordered by them alone.
double Abbreviation(TextView text);

// Text key: the entry's text form, compared by UTF-16 code unit. A text entry
// is viewed in place; the texts of number entries are kept here for as long
// as the keys are in use.
class TextKeys {
public:
    TextView operator()(const Value& entry);

private:
    std::deque<Text> numberTexts_;  // a deque keeps its texts where they are as it grows
};

}  // namespace sentinel
