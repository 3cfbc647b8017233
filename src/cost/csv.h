#pragma once

#include <ostream>
#include <string_view>
#include <vector>

#include "cost/measurement.h"

namespace sentinel {

inline constexpr std::string_view kCsvHeader =
    "routine,kind,shape,n,repeat,seconds,floor_seconds,identical,keys,steps,placed,dropped,moves";

// The header line, then one line per measurement; seconds to nine
// significant digits, `identical` as true or false.
void WriteCsv(std::ostream& out, const std::vector<Measurement>& rows);

}  // namespace sentinel
