// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/vector3.h"

#include "runtime/conversions.h"

namespace sentinel {

Vector3 MakeVector(Single x, Single y, Single z)
{
    return Vector3{x, y, z};
}

Text FormatVector(const Vector3& v, std::int16_t decimals)
{
    // The text of a number never has blanks at its ends, so nothing is left to trim.
    return SingleText(RoundHalfEven(v.x, decimals)) + u"," + SingleText(RoundHalfEven(v.y, decimals)) + u","
        + SingleText(RoundHalfEven(v.z, decimals));
}

}  // namespace sentinel
