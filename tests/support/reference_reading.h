// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Plain readings of a number text and of a comma-separated field, written
// apart from the program's parser so that a fault there shows against them.

#include <cstdlib>
#include <string>

#include "runtime/value.h"

namespace sentinel::model {

// Drops the blanks, takes the longest prefix shaped like [+-]digits[.digits]
// and lets strtod convert it; no digit at all reads as 0.
inline double ReferenceLeadingNumber(TextView text)
{
    std::string kept;
    for (const char16_t c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n')
            kept.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    std::size_t end = 0;
    if (end < kept.size() && (kept[end] == '+' || kept[end] == '-'))
        ++end;
    const auto skipDigits = [&] {
        while (end < kept.size() && kept[end] >= '0' && kept[end] <= '9')
            ++end;
    };
    skipDigits();
    if (end < kept.size() && kept[end] == '.') {
        ++end;
        skipDigits();
    }
    const std::string number = kept.substr(0, end);
    if (number.find_first_of("0123456789") == std::string::npos)
        return 0.0;
    return std::strtod(number.c_str(), nullptr);
}

// Field `index` (from 0) of a comma-separated text; the caller checks that it exists.
inline Text ReferenceField(TextView text, int index)
{
    Text field;
    int at = 0;
    for (const char16_t c : text) {
        if (c == u',')
            ++at;
        else if (at == index)
            field.push_back(c);
    }
    return field;
}

}  // namespace sentinel::model
