// The block searches at two lanes: SSE2 on x86-64, the compiler's plain
// vector code elsewhere.
#include "sorting/scan_paths.h"

namespace sentinel {

#define SENTINEL_LANES 2
#define SENTINEL_KERNELS TwoLaneKernels
#include "sorting/block_kernels.inc"

}  // namespace sentinel
