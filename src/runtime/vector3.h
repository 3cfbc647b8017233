// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "runtime/value.h"

namespace sentinel {

struct Vector3 {
    Single x = 0;
    Single y = 0;
    Single z = 0;
};

Vector3 MakeVector(Single x, Single y, Single z);

// The three components rounded to `decimals` places (halves to even) and
// joined as "x,y,z", with no blanks.
Text FormatVector(const Vector3& v, std::int16_t decimals);

}  // namespace sentinel
