// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/value.h"

#include <array>
#include <charconv>
#include <cmath>

namespace sentinel {

Text SingleText(Single value)
{
    std::array<char, 64> buffer{};
    if (value == 0.0F)
        return u"0";  // also for -0
    const bool whole = std::isfinite(value) && std::trunc(value) == value;
    // A whole Single can have 39 digits; fixed notation writes all of them exactly.
    const auto result = whole
        ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<double>(value),
                        std::chars_format::fixed, 0)
        : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return Text(buffer.data(), result.ptr);
}

Text TextOf(const Value& value)
{
    if (const auto* text = std::get_if<Text>(&value))
        return *text;
    return SingleText(std::get<Single>(value));
}

}  // namespace sentinel
