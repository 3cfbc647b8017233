// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace sentinel {

using Single = float;
using Text = std::u16string;
using TextView = std::u16string_view;

// An entry of a collection: a text, or a Single number.
using Value = std::variant<Text, Single>;

// The text of a Single: a whole number as its plain decimal digits ("-" before
// a negative one, never "-0"); any other value as its shortest round-trip
// decimal with "." as separator.
Text SingleText(Single value);

// A text entry is itself; a number entry is SingleText of it.
Text TextOf(const Value& value);

}  // namespace sentinel
