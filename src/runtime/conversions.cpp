// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/conversions.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "runtime/runtime_error.h"

namespace sentinel {
namespace {

bool IsSkipped(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Powers of ten up to 10^45: a Single has no digit that matters beyond the
// 45th decimal (its smallest step is about 1.4e-45).
constexpr std::int16_t kMaxRoundingDecimals = 45;

}  // namespace

double LeadingNumber(TextView text)
{
    std::string number;  // sign, digits and period, as read
    bool started = false;  // a sign, digit or period has been read
    bool periodRead = false;
    bool nonZeroBeforePeriod = false;
    for (const char16_t c : text) {
        if (IsSkipped(c))
            continue;
        if ((c == u'-' || c == u'+') && !started && number.empty()) {
            started = true;
            if (c == u'-')
                number.push_back('-');
        } else if (IsDigit(c)) {
            started = true;
            nonZeroBeforePeriod = nonZeroBeforePeriod || (c != u'0' && !periodRead);
            number.push_back(static_cast<char>(c));
        } else if (c == u'.' && !periodRead) {
            started = true;
            periodRead = true;
            number.push_back('.');
        } else {
            break;
        }
    }
    double value = 0.0;
    const char* first = number.data();
    const char* last = first + number.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        // Too large gives an infinity; too small (only zeros before the period) gives 0.
        const double magnitude = nonZeroBeforePeriod ? std::numeric_limits<double>::infinity() : 0.0;
        return number.front() == '-' ? -magnitude : magnitude;
    }
    if (error != std::errc{} || end == first)
        return 0.0;  // no digit at all: "", "-", "."
    return value;
}

TextView FieldAt(TextView text, std::int32_t index)
{
    std::int32_t field = 0;
    std::size_t start = 0;
    if (!text.empty() && index >= 0) {
        while (true) {
            const std::size_t comma = text.find(u',', start);
            if (field == index)
                return text.substr(start, comma == TextView::npos ? TextView::npos : comma - start);
            if (comma == TextView::npos)
                break;
            start = comma + 1;
            ++field;
        }
    }
    throw RuntimeError(ErrorKind::PositionOutOfRange,
                       "the text has no field " + std::to_string(index));
}

Single RoundHalfEven(Single value, std::int16_t decimals)
{
    if (decimals < 0)
        throw RuntimeError(ErrorKind::ConversionFailure,
                           "cannot round to " + std::to_string(decimals) + " decimal places");
    if (decimals > kMaxRoundingDecimals || !std::isfinite(value))
        return value;
    const double scale = std::pow(10.0, decimals);
    // nearbyint rounds halves to even in the default rounding mode.
    return static_cast<Single>(std::nearbyint(static_cast<double>(value) * scale) / scale);
}

Text WholeNumberText(std::int64_t number)
{
    const std::string digits = std::to_string(number);
    return Text(digits.begin(), digits.end());
}

std::int16_t ToInt16(std::int32_t number)
{
    if (number < std::numeric_limits<std::int16_t>::min() || number > std::numeric_limits<std::int16_t>::max())
        throw RuntimeError(ErrorKind::Overflow,
                           std::to_string(number) + " does not fit a 16-bit counter (-32768 to 32767)");
    return static_cast<std::int16_t>(number);
}

Single ToSingle(double value)
{
    const auto single = static_cast<Single>(value);
    if (!std::isfinite(single))
        throw RuntimeError(ErrorKind::FloatingPointFault, "a Single cannot hold " + std::to_string(value));
    return single;
}

Text FormatFixed(double value, int decimals, char16_t decimalSeparator)
{
    std::array<char, 400> buffer{};  // the largest double has 309 digits
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    if (error != std::errc{})
        throw RuntimeError(ErrorKind::ConversionFailure, "the number cannot be written with " + std::to_string(decimals) + " decimals");
    Text text(buffer.data(), end);
    for (char16_t& c : text) {
        if (c == u'.')
            c = decimalSeparator;
    }
    return text;
}

Text RightAlign(TextView text, std::size_t width)
{
    Text aligned(width > text.size() ? width - text.size() : 0, u' ');
    aligned.append(text);
    return aligned;
}

}  // namespace sentinel
