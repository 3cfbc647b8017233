// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "runtime/value.h"

namespace sentinel {

// UTF-8 decoded to UTF-16; nothing when it is not well formed (overlong
// forms, surrogates and code points past U+10FFFF included).
std::optional<Text> FromUtf8(std::string_view bytes);

// The UTF-8 form of a text, an unpaired surrogate as U+FFFD.
std::string ToUtf8(TextView text);

}  // namespace sentinel
