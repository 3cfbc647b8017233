// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/value.h"

namespace sentinel {

// Seconds since local midnight, with sub-second resolution.
Single SecondsSinceMidnight();

}  // namespace sentinel
