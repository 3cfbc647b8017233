// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sorting/sort_keys.h"

#include "runtime/conversions.h"

namespace sentinel {

// A text entry is read in place; only a number entry's text is made.

double NumericKey(const Value& entry)
{
    if (const auto* text = std::get_if<Text>(&entry))
        return LeadingNumber(*text);
    return LeadingNumber(TextOf(entry));
}

double FieldKey(const Value& entry, std::int16_t fieldIndex)
{
    if (const auto* text = std::get_if<Text>(&entry))
        return LeadingNumber(FieldAt(*text, fieldIndex));
    return LeadingNumber(FieldAt(TextOf(entry), fieldIndex));
}

double Abbreviation(TextView text)
{
    std::uint64_t packed = 0;
    for (std::size_t unit = 0; unit < 3; ++unit)
        packed = packed << 16 | (unit < text.size() ? text[unit] : 0u);
    return static_cast<double>(packed);
}

TextView TextKeys::operator()(const Value& entry)
{
    if (const auto* text = std::get_if<Text>(&entry))
        return *text;
    return numberTexts_.emplace_back(TextOf(entry));
}

}  // namespace sentinel
