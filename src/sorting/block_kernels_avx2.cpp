// The block searches at 4 lanes, compiled for avx2 alone: only what
// this file defines is, and ActiveKernels calls it only on a processor that
// has avx2.
#include "sorting/scan_paths.h"

#if defined(__x86_64__)

#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2")
#endif

namespace sentinel {

#define SENTINEL_LANES 4
#define SENTINEL_KERNELS Avx2Kernels
#include "sorting/block_kernels.inc"

}  // namespace sentinel

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

#endif
