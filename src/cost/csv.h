// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string_view>
#include <vector>

#include "cost/measurement.h"

namespace sentinel {

inline constexpr std::string_view kCsvHeader =
    "routine,kind,shape,n,repeat,seconds,floor_seconds,identical,keys,steps,placed,dropped,moves,"
    "level,sortedness,ordered_pairs,unordered_pairs,predicted_steps,predicted_moves,shifted,scan";

// A comment line "# about" that says which run it holds (none when `about`
// is empty), the header line, then one line per measurement; seconds to
// nine significant digits, `identical` as true or false, `level` (an order
// sweep's) and `sortedness` (below n = 2) blank when there is none.
void WriteCsv(std::ostream& out, const std::vector<Measurement>& rows, std::string_view about = {});

}  // namespace sentinel
