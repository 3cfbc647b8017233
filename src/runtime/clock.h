#pragma once

#include "runtime/value.h"

namespace sentinel {

// Seconds since local midnight, with sub-second resolution.
Single SecondsSinceMidnight();

}  // namespace sentinel
